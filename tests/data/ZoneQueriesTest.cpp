#include "ZoneFixture.h"
#include "data/DataSetInfoProvider.h"

#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace velkaris;
using namespace velkaris::test;

namespace {

class ZoneQueries : public ::testing::Test {
protected:
    QTemporaryDir Home;
    TDataSetInfoProvider Provider{FoldersOf(ZoneFixtureFolder(), Home.path()), 0};
};

} // namespace

TEST_F(ZoneQueries, CountryNamesAndFirstVersionZones) {
    EXPECT_EQ(Provider.GetCountryName(QStringLiteral("H")), QStringLiteral("Magyarország"));
    EXPECT_EQ(Provider.GetCountryName(QStringLiteral("h")), QString()) << "letter case counts";
    EXPECT_EQ(Provider.GetCountryName(QStringLiteral("XX")), QString());

    const auto budapest = Provider.FindZoneV1(QStringLiteral("europe/budapest"));
    ASSERT_TRUE(budapest);
    EXPECT_EQ(budapest->TimeZoneCode, QStringLiteral("Europe/Budapest"));
    EXPECT_EQ(budapest->DisplayName, QStringLiteral("közép-európai idő"));
    EXPECT_EQ(budapest->DeltaText(), QStringLiteral("1:00"));
    EXPECT_EQ(budapest->Group, QStringLiteral("Európa"));
    EXPECT_EQ(budapest->Type, QStringLiteral("Nyári időszámítással"));
    EXPECT_EQ(Provider.FindZoneV1(QStringLiteral("America/St_Johns"))->DeltaText(),
              QStringLiteral("-3:30"));
    const auto blank = Provider.FindZoneV1(QStringLiteral("  "));
    ASSERT_TRUE(blank);
    EXPECT_EQ(blank->TimeZoneCode, QStringLiteral("GMT"));
    EXPECT_EQ(Provider.FindZoneV1(QStringLiteral("NOZONE")), std::nullopt);
}

TEST_F(ZoneQueries, DaylightAndStandardCounterpartsByCodeAndOffset) {
    struct TCase {
        const char* code;
        double offset;
        const char* daylight;
        const char* daylightDelta;
    };
    // CST stands for two zones here, told apart by their offsets.
    const TCase daylight[] = {
        {"CET", 1, "CEST", "UTC + 2"},
        {"CST", -6, "CDT", "UTC - 5"},
        {"CST", -5, "CDT", "UTC - 4"},
        {"GMT", 0, "BST", "UTC + 1"},
    };
    for (const TCase& c : daylight) {
        const auto zone = Provider.FindDaylightZone(QLatin1String(c.code), c.offset);
        ASSERT_TRUE(zone) << c.code << c.offset;
        EXPECT_EQ(zone->TIMEZONECODE, QLatin1String(c.daylight)) << c.code << c.offset;
        EXPECT_EQ(zone->TZOFFSET, QLatin1String(c.daylightDelta)) << c.code << c.offset;
        EXPECT_FALSE(zone->DisplayName.isEmpty());

        const auto back =
            Provider.FindStandardZone(QLatin1String(c.daylight), zone->UtcDeltaHours());
        ASSERT_TRUE(back) << c.daylight;
        EXPECT_EQ(back->TIMEZONECODE, QLatin1String(c.code)) << c.daylight;
        EXPECT_EQ(back->TZOFFSET, UtcDeltaText(c.offset)) << c.daylight;
    }
    EXPECT_EQ(Provider.FindDaylightZone(QStringLiteral("IST"), 5.5), std::nullopt);
    EXPECT_EQ(Provider.FindStandardZone(QStringLiteral("CET"), 1), std::nullopt)
        << "a standard zone has no standard counterpart";
    EXPECT_EQ(Provider.FindStandardZone(QStringLiteral("CEST"), 3), std::nullopt);
}

TEST_F(ZoneQueries, ZonesByCodeOffsetAndAbbreviation) {
    EXPECT_EQ(Provider.GetZoneDisplayName(QStringLiteral("CST"), -6),
              QStringLiteral("középső államokbeli zónaidő"));
    EXPECT_EQ(Provider.GetZoneDisplayName(QStringLiteral("CST"), -5),
              QStringLiteral("kubai téli idő"));
    EXPECT_EQ(Provider.GetZoneDisplayName(QStringLiteral("CST"), 8), QString());
    EXPECT_EQ(Provider.GetZoneRecord(QStringLiteral("IST"), 5.5).TZOFFSET,
              QStringLiteral("UTC + 5:30"));
    EXPECT_TRUE(Provider.GetZoneRecord(QStringLiteral("cst"), -6).IsEmpty());

    TDataTable& zones = Provider.Loader().TimeZoneLoader_v2().Table();
    struct TCase {
        const char* abbreviation;
        const char* code;
    };
    // A plain substring test: "ET" is found at the end of "CET".
    const TCase cases[] = {{"MEZ", "CET"}, {"UT", "GMT"}, {"CEST", "CEST"}, {"ET", "CET"}};
    for (const TCase& c : cases) {
        zones.Last();
        const auto zone = Provider.FindZoneByAbbreviation(QLatin1String(c.abbreviation), 0);
        ASSERT_TRUE(zone) << c.abbreviation;
        EXPECT_EQ(zone->TIMEZONECODE, QLatin1String(c.code)) << c.abbreviation;
        EXPECT_EQ(zones.CurrentIndex(), 0) << "the current row goes back to the first row";
    }
    EXPECT_EQ(Provider.FindZoneByAbbreviation(QStringLiteral("XYZ"), 0), std::nullopt);
}

TEST(ZoneQueriesOnTheShippedTables, EveryRuleZoneIsListedAndPaired) {
    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());
    TDataSetInfoProvider provider(FoldersOf(ShippedFolder(), home.path()), 1);
    ASSERT_EQ(provider.LoadErrors(), QStringList());
    TDataTable& rules = provider.Loader().CestLoader().Table();
    ASSERT_GT(rules.RowCount(), 50000);

    QSet<QString> listed, paired;
    for (int row = 0; row < rules.RowCount(); ++row) {
        TTimeZoneInfo_v2 rule;
        rule.TZOFFSET = rules.TextAt(row, rules.ColumnIndex(u"TZOFFSET"));
        rule.NYARIE = rules.TextAt(row, rules.ColumnIndex(u"NYARIE"));
        const QString code = rules.TextAt(row, rules.ColumnIndex(u"TIMEZONECODE"));
        const int year = rules.IntegerAt(row, rules.ColumnIndex(u"EV"));
        const QString key = code + rule.TZOFFSET;
        if (code == QLatin1String("LMT"))
            continue;
        if (!listed.contains(key)) {
            listed.insert(key);
            const TTimeZoneInfo_v2 zone = provider.GetZoneRecord(code, rule.OffsetHours());
            EXPECT_FALSE(zone.DisplayName.isEmpty()) << code.toStdString() << " " << year;
        }
        // Daylight saving zones in use since 1970 have their standard zone.
        if (rule.DaylightSaving().Active && year >= 1970 && !paired.contains(key)) {
            paired.insert(key);
            const auto standard = provider.FindStandardZone(code, rule.OffsetHours());
            ASSERT_TRUE(standard) << code.toStdString() << " " << year;
            EXPECT_LT(standard->UtcDeltaHours(), rule.OffsetHours()) << code.toStdString();
        }
    }
    // The three zones called CST.
    for (const double offset : {-6.0, -5.0, 8.0})
        EXPECT_FALSE(provider.GetZoneDisplayName(QStringLiteral("CST"), offset).isEmpty())
            << offset;
    EXPECT_EQ(provider.FindStandardZone(QStringLiteral("CDT"), -4)->UtcDeltaHours(), -5);
    EXPECT_EQ(provider.FindDaylightZone(QStringLiteral("CET"), 1)->TIMEZONECODE,
              QStringLiteral("CEST"));
    EXPECT_EQ(provider.FindDaylightZone(QStringLiteral("EET"), 2)->TIMEZONECODE,
              QStringLiteral("EEST"));
}
