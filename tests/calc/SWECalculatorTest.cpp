#include "CalcFixture.h"
#include "common/TestSupport.h"
#include "core/FixedStarLookup.h"
#include "core/VelkarisError.h"
#include "core/ZentavoConsts.h"
#include "data/CalendarUtils.h"
#include "data/ZoneProvider.h"

#include <cmath>

using namespace velkaris;
using namespace velkaris::test;

namespace {

const TPlace Budapest{47, 30, false, 19, 3, false};
const TPlace NewYork{40, 43, false, 74, 0, true};

class TFakeZones : public TZoneProvider {
public:
    mutable QString AskedCountry;
    mutable double AskedLongitude = 0;
    mutable double AskedJulianDay = 0;
    std::optional<TZoneOffset> Answer;

    std::optional<TZoneOffset> ResolveZoneOffset(const QString& country, double longitude,
                                                 double jd) const override {
        AskedCountry = country;
        AskedLongitude = longitude;
        AskedJulianDay = jd;
        return Answer;
    }
};

class TFakeStars : public TFixedStarLookup {
public:
    std::optional<TFixedStarName> FindStar(int id) const override {
        if (id == 10000001)
            return TFixedStarName{QStringLiteral("Aldebaran"), QStringLiteral("alTau")};
        if (id == 10000002)
            return TFixedStarName{QStringLiteral("Regulus"), QStringLiteral("alLeo")};
        if (id == 10000003)
            return TFixedStarName{QStringLiteral("Nosuchstar"), QStringLiteral("zzXyz")};
        return std::nullopt;
    }
};

class SWECalculator : public TCalcTest {
protected:
    TTestSettings Settings;
    TCalcResult Result;
};

} // namespace

TEST_F(SWECalculator, LocalTimeToUniversalTime) {
    struct TCase {
        const char* what;
        int y, mo, d, h, mi;
        bool bc;
        TPlace place;
        const char* code;
        int zoneHour, zoneMinute;
        bool zoneWest;
        TDateTime ut;
    };
    const TPlace west{40, 0, false, 19, 3, true};
    const TCase cases[] = {
        {"LMT east", 2000, 6, 1, 12, 0, false, Budapest, "LMT", 999, 999, false,
         At(2000, 6, 1, 10, 44)},
        {"LMT west", 2000, 6, 1, 12, 0, false, west, "LMT", 999, 999, false,
         At(2000, 6, 1, 13, 16)},
        {"zone -3:30", 2000, 6, 1, 12, 0, false, Budapest, "", -3, 30, true,
         At(2000, 6, 1, 15, 30)},
        {"zone +5:45", 2000, 6, 1, 12, 0, false, Budapest, "", 5, 45, false, At(2000, 6, 1, 6, 15)},
        {"new year 2000", 2000, 1, 1, 0, 30, false, Budapest, "", 1, 0, false,
         At(1999, 12, 31, 23, 30)},
        {"new year 1850", 1850, 1, 1, 0, 30, false, Budapest, "", 1, 0, false,
         At(1849, 12, 31, 23, 30)},
        {"new year 44 BC", 44, 1, 1, 0, 30, true, Budapest, "", 1, 0, false,
         At(-45, 12, 31, 23, 30)},
        {"into the next day", 1999, 12, 31, 22, 0, false, Budapest, "", -5, 0, true,
         At(2000, 1, 1, 3, 0)},
        {"code other than LMT uses the record", 2000, 6, 1, 12, 0, false, Budapest, "CEST", 2, 0,
         false, At(2000, 6, 1, 10, 0)},
        {"west zone under an hour", 1900, 6, 1, 12, 0, false, Budapest, "", 0, 25, true,
         At(1900, 6, 1, 12, 25)},
    };
    for (const TCase& c : cases) {
        TSzuletesiKepletInfo b;
        FillBirth(b, c.y, c.mo, c.d, c.h, c.mi, c.place, c.zoneHour, c.zoneMinute, c.bc);
        b.SetTZoneCode(QString::fromLatin1(c.code));
        b.SetTZoneWest(c.zoneWest);
        TSWECalculator calc(nullptr, nullptr, &Settings);
        calc.SetResult(&Result);
        calc.Calculate(&b);
        EXPECT_EQ(calc.LocalToUT(), c.ut)
            << c.what << ": " << calc.LocalToUT().ToIsoString().toStdString();
        EXPECT_EQ(Result.UniversalTime, c.ut) << c.what;
        EXPECT_DOUBLE_EQ(calc.JulianDayUT(), JulianDayOfParts(c.ut.Year(), c.ut.Month(), c.ut.Day(),
                                                              c.ut.Hour(), c.ut.Minute()))
            << c.what;
    }
}

TEST_F(SWECalculator, ZoneProviderServesRecordsWithoutZoneCode) {
    TFakeZones zones;
    zones.Answer = TZoneOffset{-4, -30};
    TSzuletesiKepletInfo b;
    FillBirth(b, 2000, 6, 1, 12, 0, NewYork, 1, 0);
    b.SetLocCountryID(QStringLiteral("USA"));
    TSWECalculator calc(&zones, nullptr, &Settings);
    calc.SetResult(&Result);
    calc.Calculate(&b);
    EXPECT_EQ(Result.UniversalTime, At(2000, 6, 1, 16, 30));
    EXPECT_EQ(zones.AskedCountry, QStringLiteral("USA"));
    EXPECT_NEAR(zones.AskedLongitude, -74.0, 1e-12);
    EXPECT_DOUBLE_EQ(zones.AskedJulianDay, JulianDayOfParts(2000, 6, 1, 12, 0));

    // No zone found: the record's own offset.
    zones.Answer.reset();
    EXPECT_EQ(calc.LocalToUT(), At(2000, 6, 1, 11, 0));

    // With a date override the provider answers for the override's country and place,
    // and no answer means UT.
    zones.Answer = TZoneOffset{2, 0};
    b.SetTZoneCode(QStringLiteral("CET"));
    TLocalToUTOverrides o;
    o.Date = At(2010, 7, 1, 12, 0);
    o.Country = QStringLiteral("H");
    o.Longitude = 19.05;
    EXPECT_EQ(calc.LocalToUT(o), At(2010, 7, 1, 10, 0));
    EXPECT_EQ(zones.AskedCountry, QStringLiteral("H"));
    EXPECT_DOUBLE_EQ(zones.AskedLongitude, 19.05);
    zones.Answer.reset();
    EXPECT_EQ(calc.LocalToUT(o), At(2010, 7, 1, 12, 0));
}

TEST_F(SWECalculator, RecordsWithoutDateOrZoneAreRefused) {
    TSWECalculator calc(nullptr, nullptr, &Settings);
    calc.SetResult(&Result);
    calc.Calculate(nullptr);
    EXPECT_EQ(Result.Planets.Count(), 0);

    TSzuletesiKepletInfo empty;
    EXPECT_THROW(calc.Calculate(&empty), EInvalidDateError);

    TSzuletesiKepletInfo noZone;
    noZone.SetDateParts(2000, 1, 1, 12, 0, 0);
    noZone.SetLocLatDegree(47);
    noZone.SetLocLatMinute(0);
    noZone.SetLocLongDegree(19);
    noZone.SetLocLongMinute(0);
    EXPECT_THROW(calc.Calculate(&noZone), EVelkarisError);
}

TEST_F(SWECalculator, FillsTheWholeResultAndRefillsInPlace) {
    TSzuletesiKepletInfo b;
    FillBirth(b, 2000, 1, 1, 13, 0, Budapest, 1, 0);
    TSWECalculator calc(nullptr, nullptr, &Settings);
    calc.SetResult(&Result);
    calc.Calculate(&b);

    EXPECT_EQ(Result.Houses.Count(), 13);
    EXPECT_DOUBLE_EQ(Result.Houses.LongitudeOf(0), 0);
    EXPECT_EQ(Result.Axes.Count(), 9);
    ASSERT_TRUE(Result.AscendantAxis && Result.MidheavenAxis);
    EXPECT_DOUBLE_EQ(Result.AscendantAxis->Longitude, Result.Axes.Find(0)->Longitude);
    EXPECT_DOUBLE_EQ(Result.MidheavenAxis->Longitude, Result.Axes.Find(1)->Longitude);
    EXPECT_DOUBLE_EQ(Result.Axes.Find(8)->Longitude, 0);
    for (int id = 0; id <= 20; ++id)
        EXPECT_TRUE(Result.Planets.Contains(id)) << id;
    EXPECT_TRUE(Result.Planets.Contains(24));
    EXPECT_TRUE(Result.Planets.Contains(25));
    EXPECT_NEAR(
        std::fmod(Result.Planets.Find(24)->Longitude - Result.Planets.Find(10)->Longitude + 360,
                  360),
        180, 1e-9);
    // The shipped files have no data for Eris, the comets and the cloud: no body at 0°.
    EXPECT_FALSE(Result.Planets.Contains(BodyId::Eris));
    for (int id : ExtraBodyIds)
        EXPECT_FALSE(Result.Planets.Contains(id)) << id;
    Result.Planets.ForEach([](const TPlanet& p) {
        EXPECT_GE(p.House, 1);
        EXPECT_LE(p.House, 12);
    });
    EXPECT_GT(Result.Ayanamsa, 24);
    EXPECT_LT(Result.Ayanamsa, 25);
    EXPECT_NEAR(Result.Obliquity, 23.4376767, 1e-6);
    EXPECT_EQ(Result.SiderealTime.Hour(), 19);
    EXPECT_EQ(Result.SiderealTime.Minute(), 58);

    TPlanet* sun = Result.Planets.Find(0);
    TAxis* asc = Result.Axes.Find(0);
    const int count = Result.Planets.Count();
    b.SetDateParts(2000, 7, 1, 13, 0, 0);
    calc.Calculate(&b);
    EXPECT_EQ(Result.Planets.Find(0), sun);
    EXPECT_EQ(Result.Axes.Find(0), asc);
    EXPECT_EQ(Result.Planets.Count(), count);
    EXPECT_GT(sun->Longitude, 90);
}

TEST_F(SWECalculator, SiderealZodiacShiftsByTheAyanamsa) {
    TSzuletesiKepletInfo b;
    FillBirth(b, 1985, 3, 20, 6, 15, NewYork, -5, 0);
    TSWECalculator tropical(nullptr, nullptr, &Settings);
    TCalcResult tropicalResult;
    tropical.SetResult(&tropicalResult);
    tropical.Calculate(&b);

    TTestSettings siderealSettings;
    siderealSettings.SetZodiac(QStringLiteral("S"));
    TSWECalculator sidereal(nullptr, nullptr, &siderealSettings);
    sidereal.SetResult(&Result);
    sidereal.Calculate(&b);

    EXPECT_DOUBLE_EQ(Result.Ayanamsa, tropicalResult.Ayanamsa);
    for (int id : {0, 1, 5, 9}) {
        const double diff =
            tropicalResult.Planets.Find(id)->Longitude - Result.Planets.Find(id)->Longitude;
        EXPECT_NEAR(std::fmod(diff + 360, 360), Result.Ayanamsa, 0.01) << id;
    }
    const double cuspDiff = tropicalResult.Houses.LongitudeOf(1) - Result.Houses.LongitudeOf(1);
    EXPECT_NEAR(std::fmod(cuspDiff + 360, 360), Result.Ayanamsa, 0.01);
}

TEST_F(SWECalculator, LocalSiderealTimeWestIsEarlier) {
    TSzuletesiKepletInfo greenwich;
    FillBirth(greenwich, 2000, 1, 1, 12, 0, TPlace{51, 28, false, 0, 0, false}, 0, 0);
    TSzuletesiKepletInfo west;
    FillBirth(west, 2000, 1, 1, 12, 0, TPlace{40, 0, false, 74, 0, true}, 0, 0);
    TSWECalculator a(nullptr, nullptr, &Settings);
    a.Calculate(&greenwich);
    TSWECalculator w(nullptr, nullptr, &Settings);
    w.Calculate(&west);
    EXPECT_NEAR(a.LocalSiderealTime() - w.LocalSiderealTime(), 74.0 / 15, 1e-9);

    // Stored as the time of day, brought into 0-24 h.
    TCalcResult r;
    w.SetResult(&r);
    w.Calculate(&west);
    const double h = std::fmod(w.LocalSiderealTime() + 24, 24);
    EXPECT_EQ(r.SiderealTime.Hour() * 60 + r.SiderealTime.Minute(),
              static_cast<int>(std::lround(h * 60)) % 1440);
}

TEST_F(SWECalculator, ObliquityAgreesWithSwetest) {
    TSzuletesiKepletInfo b;
    FillBirth(b, 1969, 7, 20, 20, 17, TPlace{0, 41, false, 23, 26, false}, 0, 0);
    TSWECalculator calc(nullptr, nullptr, &Settings);
    calc.Calculate(&b);
    const auto text = RunSwetestRaw({QStringLiteral("-bj%1").arg(calc.JulianDayUT(), 0, 'f', 8),
                                     QStringLiteral("-ut"), QStringLiteral("-po"),
                                     QStringLiteral("-fPl"), QStringLiteral("-head")});
    ASSERT_TRUE(text) << "swetest could not be run";
    const QStringList words = text->simplified().split(QLatin1Char(' '));
    ASSERT_GE(words.size(), 3) << text->toStdString();
    EXPECT_NEAR(calc.Obliquity(), words[2].toDouble(), 1e-7);
}

TEST_F(SWECalculator, HousePlacementAndClosedSigns) {
    // Cusps chosen by hand: house 1 runs from 25° Aries to 5° Cancer and so holds
    // Taurus and Gemini whole.
    const double cusps[13] = {0, 25, 95, 120, 150, 180, 200, 205, 275, 300, 330, 0, 10};
    for (int n = 0; n <= 12; ++n)
        Result.Houses.AddOrUpdate(n, cusps[n]);
    struct {
        double lon;
        int house;
        bool closed;
        int closedSign;
    } cases[] = {
        {70, 1, true, 1},       // 10° Gemini
        {40, 1, true, 1},       // 10° Taurus
        {28, 1, false, -1},     // 28° Aries, the cusp's own sign
        {25, 1, false, -1},     // exactly on cusp 1
        {180, 4, false, -1},    // exactly on cusp 5
        {150, 3, false, -1},    // exactly on cusp 4
        {95, 1, false, -1},     // exactly on cusp 2
        {359.5, 10, false, -1}, // house 10 wraps through 0°
        {0, 10, false, -1},     {5, 11, false, -1},
        {12, 12, false, -1},    {220, 7, true, 7}, // house 7 runs from 25° Libra to 5° Capricorn
    };
    for (const auto& c : cases) {
        Result.Planets.Clear();
        TPlanet& p = Result.Planets.AddOrUpdate(0, c.lon, 1);
        TSWECalculator calc(nullptr, nullptr, &Settings);
        calc.SetResult(&Result);
        calc.PostProcess();
        EXPECT_EQ(p.House, c.house) << c.lon;
        EXPECT_EQ(p.InClosedSign, c.closed) << c.lon;
        EXPECT_EQ(p.ClosedSign, c.closedSign) << c.lon;
    }
}

TEST_F(SWECalculator, SelectedFixedStars) {
    const TFakeStars stars;
    struct {
        const char* ids;
        std::vector<int> expected;
    } cases[] = {
        {"10000001,10000002,", {10000001, 10000002}},
        {"10000001,abc,10000002", {10000001}},
        {"10000001,9999999,10000002", {10000001}},
        {"", {}},
        // A star the library does not know is left out, the rest still come.
        {"10000003,10000002", {10000002}},
    };
    TSzuletesiKepletInfo b;
    FillBirth(b, 2000, 1, 1, 13, 0, Budapest, 1, 0);
    for (const auto& c : cases) {
        Settings.SetStars(QString::fromLatin1(c.ids));
        TCalcResult r;
        TSWECalculator calc(nullptr, nullptr, &Settings);
        calc.SetFixedStars(&stars);
        calc.SetResult(&r);
        calc.Calculate(&b);
        EXPECT_EQ(r.Planets.CountByCategory(TBodyCategory::FixedStar),
                  static_cast<int>(c.expected.size()))
            << c.ids;
        for (int id : c.expected)
            EXPECT_TRUE(r.Planets.Contains(id)) << c.ids << " " << id;
    }
    Settings.SetStars(QStringLiteral("10000001"));
    TSWECalculator calc(nullptr, nullptr, &Settings);
    calc.SetFixedStars(&stars);
    calc.SetResult(&Result);
    calc.Calculate(&b);
    const auto text = RunSwetestRaw({QStringLiteral("-bj%1").arg(calc.JulianDayUT(), 0, 'f', 8),
                                     QStringLiteral("-ut"), QStringLiteral("-pf"),
                                     QStringLiteral("-xfAldebaran,alTau"), QStringLiteral("-fl"),
                                     QStringLiteral("-head")});
    ASSERT_TRUE(text);
    EXPECT_NEAR(Result.Planets.Find(10000001)->Longitude, text->trimmed().toDouble(), 0.01 / 3600);
}
