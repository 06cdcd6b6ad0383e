#include "ZoneFixture.h"
#include "core/Messages.h"
#include "data/DataSetInfoProvider.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <limits>

using namespace velkaris;
using namespace velkaris::test;

namespace {

const QString DstStart = QStringLiteral(
    "A mai napon kezdődik a nyári időszámítás! Kérem, hogy ellenőrizze a beállításokat!");
const QString DstEnd = QStringLiteral(
    "A mai napon végződik a nyári időszámítás! Kérem, hogy ellenőrizze a beállításokat!");
const QString LmtNote =
    QStringLiteral("Az időzóna meghatározásához a helyi középidőt (LMT) fogjuk használni!");

QString StartYearNote(int year) {
    return GetMessageText(u"uZentavoFileHandling_DSTStartYear")
        .replace(QLatin1Char('#'), QString::number(year));
}

/// The provider over the fixture tables of tests/data/data/zones.
class ResolveZone : public ::testing::Test {
protected:
    QTemporaryDir Home;
    TDataSetInfoProvider Provider{FoldersOf(ZoneFixtureFolder(), Home.path()), 0};

    TTimeZoneInfo_v2 At(const char* country, int y, int mo, int d, int h = 12, int mi = 0,
                        double longitude = -999) {
        return Provider.ResolveZone(QString::fromLatin1(country), true, longitude,
                                    LocalJd(y, mo, d, h, mi));
    }
};

struct TRowCase {
    const char* what;
    int y, mo, d, h, mi;
    // The row expected: date, clock, zone, offset, note.
    int ev, ho, nap;
    const char* oratol;
    const char* zone;
    const char* offset;
    const QString* note;
};

} // namespace

TEST_F(ResolveZone, TheHungarianRowsOfTwoThousandNineteen) {
    // (a) 2018-10-28 2:00 CET DSTE, (b) 2019-03-31 1:59 CET DSTS, (c) 2019-03-31 3:00 CEST
    // DSTS, (d) 2019-10-27 2:59 CEST DSTE, (e) 2019-10-27 2:00 CET DSTE.
    const TRowCase cases[] = {
        {"before the spring change, on its day", 2019, 3, 31, 1, 0, 2019, 3, 31, "1:59", "CET",
         "+01:00", &DstStart},
        {"summer", 2019, 6, 1, 12, 0, 2019, 10, 27, "2:59", "CEST", "+02:00", nullptr},
        {"the repeated hour of the autumn change", 2019, 10, 27, 2, 30, 2019, 10, 27, "2:59",
         "CEST", "+02:00", &DstEnd},
        {"after the last row", 2019, 11, 15, 12, 0, 2019, 10, 27, "2:00", "CET", "+01:00", nullptr},
        {"summer after the table, projected", 2021, 7, 1, 12, 0, 2021, 3, 28, "1:59:59", "CEST",
         "+02:00", nullptr},
        {"winter after the table, projected", 2021, 12, 1, 12, 0, 2021, 10, 31, "2:00", "CET",
         "+01:00", nullptr},
        {"the projected spring night before the change", 2021, 3, 28, 1, 30, 2021, 10, 31, "2:00",
         "CET", "+01:00", nullptr},
        {"winter between the table's rows", 2018, 12, 1, 12, 0, 2019, 3, 31, "1:59", "CET",
         "+01:00", nullptr},
    };
    for (const TRowCase& c : cases) {
        SCOPED_TRACE(c.what);
        const TTimeZoneInfo_v2 z = At("H", c.y, c.mo, c.d, c.h, c.mi);
        EXPECT_EQ(z.CountryCode, QStringLiteral("H"));
        EXPECT_EQ(z.EV, c.ev);
        EXPECT_EQ(z.HO, c.ho);
        EXPECT_EQ(z.NAP, c.nap);
        EXPECT_EQ(z.ORATOL, QLatin1String(c.oratol));
        EXPECT_EQ(z.TIMEZONECODE, QLatin1String(c.zone));
        EXPECT_EQ(z.TZOFFSET, QLatin1String(c.offset));
        EXPECT_EQ(z.INFO03, c.note ? *c.note : QString());
    }
    EXPECT_EQ(At("H", 2019, 6, 1).DisplayName, QStringLiteral("közép-európai nyári idő"));
    EXPECT_TRUE(At("H", 2019, 6, 1).DaylightSaving().Active);
    EXPECT_FALSE(At("H", 2019, 11, 15).DaylightSaving().Active);
}

TEST_F(ResolveZone, WithoutWarningTheChangeoverDaysCarryNoNote) {
    const TTimeZoneInfo_v2 z =
        Provider.ResolveZone(QStringLiteral("H"), false, -999, LocalJd(2019, 3, 31, 1, 0));
    EXPECT_EQ(z.ORATOL, QStringLiteral("1:59"));
    EXPECT_EQ(z.INFO03, QString());
    // The repeated hour without the note reads as the state after the change.
    EXPECT_EQ(Provider.ResolveZone(QStringLiteral("H"), false, -999, LocalJd(2019, 10, 27, 2, 30))
                  .TIMEZONECODE,
              QStringLiteral("CET"));
}

TEST_F(ResolveZone, UnknownCountriesGiveTheEmptyRecord) {
    for (const char* country : {"XX", "", "HU", "H "}) {
        const TTimeZoneInfo_v2 z = At(country, 2019, 6, 1);
        EXPECT_TRUE(z.IsEmpty()) << country;
    }
    // A moment that is no number or lies far outside any calendar.
    for (const double j : {std::numeric_limits<double>::quiet_NaN(),
                           std::numeric_limits<double>::infinity(), 1e12}) {
        EXPECT_TRUE(Provider.ResolveZone(QStringLiteral("H"), true, 19, j).IsEmpty()) << j;
    }
}

TEST(ResolveZoneWithoutTables, EveryAnswerIsTheEmptyRecord) {
    QTemporaryDir home, shipped;
    ASSERT_TRUE(home.isValid() && shipped.isValid());
    const TDataSetInfoProvider places(FoldersOf(shipped.path(), home.path()), 0);
    EXPECT_EQ(places.LoadErrors(), QStringList()) << "missing tables are no error";
    for (const int year : {1850, 2019, 2040})
        EXPECT_TRUE(
            places.ResolveZone(QStringLiteral("H"), true, 19, LocalJd(year, 6, 1)).IsEmpty())
            << year;
    EXPECT_EQ(places.GetCountryName(QStringLiteral("H")), QString());
    EXPECT_EQ(places.FindZoneV1(QString()), std::nullopt);
}

TEST_F(ResolveZone, ACodeDifferingOnlyInCaseStopsAtTheFirstRow) {
    const TTimeZoneInfo_v2 h = At("h", 2019, 6, 1);
    EXPECT_EQ(h.EV, 2018);
    EXPECT_EQ(h.TIMEZONECODE, QStringLiteral("CET"));
    EXPECT_EQ(h.INFO03, QString());
    const TTimeZoneInfo_v2 lm = At("lm", 1990, 6, 1, 12, 0, 19.05);
    EXPECT_EQ(lm.TIMEZONECODE, QStringLiteral("LMT"));
    EXPECT_EQ(lm.TZOFFSET, QStringLiteral("01:16:12"));
    EXPECT_EQ(lm.INFO03, LmtNote);
}

TEST_F(ResolveZone, BeforeTheFirstRow) {
    const TTimeZoneInfo_v2 lmt = At("LM", 1850, 1, 1, 12, 0, -7.5);
    EXPECT_EQ(lmt.TIMEZONECODE, QStringLiteral("LMT"));
    EXPECT_EQ(lmt.TZOFFSET, QStringLiteral("-00:30:00"));
    EXPECT_EQ(lmt.INFO03, LmtNote);
    EXPECT_EQ(At("LM", 1850, 1, 1).TZOFFSET, QStringLiteral("00:00:00"))
        << "a missing longitude counts as 0";

    const TTimeZoneInfo_v2 early = At("H", 2017, 6, 1);
    EXPECT_EQ(early.EV, 2018);
    EXPECT_EQ(early.INFO03, StartYearNote(2018));
    EXPECT_EQ(At("H", 2018, 6, 1).INFO03, QString()) << "the first row's own year";
}

TEST_F(ResolveZone, LaterRowsAfterLocalMeanTime) {
    struct TCase {
        int y, mo, d, h, mi;
        const char* zone;
    };
    const TCase cases[] = {
        {1890, 10, 31, 23, 50, "CET"}, // the overlap of the end of mean time
        {1900, 1, 1, 12, 0, "CET"},
        {1955, 6, 1, 12, 0, "EET"}, // between the country's last two rows
        {1965, 6, 1, 12, 0, "MSK"},
        {2030, 6, 1, 12, 0, "MSK"}, // after the table, no daylight saving to project
    };
    for (const TCase& c : cases) {
        const TTimeZoneInfo_v2 z = At("LM", c.y, c.mo, c.d, c.h, c.mi, 19.05);
        EXPECT_EQ(z.TIMEZONECODE, QLatin1String(c.zone)) << c.y;
        EXPECT_EQ(z.INFO03, QString()) << c.y;
    }
}

TEST_F(ResolveZone, SouthernDaylightSavingProjectedAcrossTheTurnOfTheYear) {
    // Daylight saving from the first Sunday of November, 0:00, to the third Sunday of
    // February, 0:00 on the summer clock (23:00 of the Saturday on the standard clock).
    // Projected into 2021 the start reads on the standard clock, 23:59:59 of 6 November.
    struct TCase {
        int y, mo, d;
        const char* zone;
        int ho, nap;
    };
    const TCase cases[] = {
        {2019, 1, 15, "-02", 2, 17}, {2019, 6, 15, "-03", 11, 3}, {2019, 12, 15, "-02", 11, 3},
        {2021, 1, 15, "-02", 11, 6}, {2021, 2, 20, "-02", 11, 6}, {2021, 2, 21, "-03", 2, 20},
        {2021, 6, 15, "-03", 2, 20}, {2021, 11, 7, "-02", 11, 6}, {2021, 12, 15, "-02", 11, 6},
    };
    for (const TCase& c : cases) {
        const TTimeZoneInfo_v2 z = At("S", c.y, c.mo, c.d);
        EXPECT_EQ(z.TIMEZONECODE, QLatin1String(c.zone)) << c.y << "-" << c.mo << "-" << c.d;
        EXPECT_EQ(z.HO, c.ho) << c.y << "-" << c.mo << "-" << c.d;
        EXPECT_EQ(z.NAP, c.nap) << c.y << "-" << c.mo << "-" << c.d;
    }
    EXPECT_EQ(At("S", 2021, 11, 7).ORATOL, QStringLiteral("23:59:59"));
}

TEST_F(ResolveZone, TheCalculatorsOffsetKeepsTheSignOfWestOffsetsUnderAnHour) {
    const auto lmt = Provider.ResolveZoneOffset(QStringLiteral("LM"), -7.5, LocalJd(1850, 1, 1));
    ASSERT_TRUE(lmt);
    EXPECT_EQ(lmt->Hour, 0);
    EXPECT_EQ(lmt->Minute, -30);
    EXPECT_DOUBLE_EQ(lmt->Hours(), -0.5);
    const auto summer = Provider.ResolveZoneOffset(QStringLiteral("S"), -999, LocalJd(2019, 1, 15));
    ASSERT_TRUE(summer);
    EXPECT_EQ(summer->Hour, -2);
    EXPECT_EQ(Provider.ResolveZoneOffset(QStringLiteral("XX"), 0, LocalJd(2019, 1, 15)),
              std::nullopt);
}

TEST(ResolveZoneOnTheShippedTables, SummerAfterTheLastYearOfTheTables) {
    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());
    TDataSetInfoProvider provider(FoldersOf(ShippedFolder(), home.path()), 0);
    ASSERT_EQ(provider.LoadErrors(), QStringList());
    EXPECT_EQ(provider.Loader().CestLoader().LastYear(), 2037);
    struct TCase {
        const char* country;
        int y, mo, d;
        const char* zone;
        const char* offset;
    };
    const TCase cases[] = {
        {"H", 2040, 7, 1, "CEST", "+02:00"},
        {"H", 2040, 1, 15, "CET", "+01:00"},
        {"H", 2037, 12, 20, "CET", "+01:00"},
        {"H", 1944, 7, 1, "CEST", "+02:00"},
        {"H", 1960, 7, 1, "CET", "+01:00"},
        // Ungvár left Moscow time for Central European time in July 1990 and took
        // Eastern European time without summer time in 1991, while Kyiv kept the summer
        // time: a history that only the backzone data keeps.
        {"UA-Uzhgorod", 1990, 8, 1, "CET", "+01:00"},
        {"UA-Uzhgorod", 1991, 7, 1, "EET", "+02:00"},
        {"UA-Kyiv", 1991, 7, 1, "EEST", "+03:00"},
        {"RO", 2040, 7, 1, "EEST", "+03:00"},
    };
    for (const TCase& c : cases) {
        const TTimeZoneInfo_v2 z = provider.ResolveZone(QString::fromLatin1(c.country), true, -999,
                                                        LocalJd(c.y, c.mo, c.d));
        EXPECT_EQ(z.TIMEZONECODE, QLatin1String(c.zone)) << c.country << " " << c.y;
        EXPECT_EQ(z.TZOFFSET, QLatin1String(c.offset)) << c.country << " " << c.y;
        EXPECT_EQ(z.INFO03, QString()) << c.country << " " << c.y;
        EXPECT_FALSE(z.DisplayName.isEmpty()) << c.country << " " << c.y;
    }
    EXPECT_EQ(provider.GetCountryName(QStringLiteral("H")), QStringLiteral("Magyarország"));
}
