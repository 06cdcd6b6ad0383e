#include "data/TimeZoneInfo.h"

#include "data/TimeZoneInfo_v2.h"
#include "data/ZoneRules.h"

#include <gtest/gtest.h>
#include <limits>

using namespace velkaris;

namespace {

TTimeZoneInfo_v2 Offset(const char* text) {
    TTimeZoneInfo_v2 z;
    z.TZOFFSET = QString::fromLatin1(text);
    return z;
}

TTimeZoneInfo_v2 Rule(int year, int month, int day, const char* clock = "2:00") {
    TTimeZoneInfo_v2 z;
    z.EV = year;
    z.HO = month;
    z.NAP = day;
    z.ORATOL = QString::fromLatin1(clock);
    return z;
}

} // namespace

TEST(ZoneTexts, UtcDeltaAndFirstVersionDelta) {
    EXPECT_EQ(UtcDeltaText(0), QStringLiteral("UTC"));
    EXPECT_EQ(UtcDeltaText(5.5), QStringLiteral("UTC + 5:30"));
    EXPECT_EQ(UtcDeltaText(-3), QStringLiteral("UTC - 3"));
    EXPECT_EQ(UtcDeltaText(0.75), QStringLiteral("UTC + 0:45"));
    EXPECT_EQ(UtcDeltaText(-0.5), QStringLiteral("UTC - 0:30"));

    struct TCase {
        double delta;
        int hours, minutes;
        const char* text;
    };
    const TCase cases[] = {
        {-530, -5, 30, "-5:30"},
        {100, 1, 0, "1:00"},
        {545, 5, 45, "5:45"},
        {-30, 0, 30, "-0:30"},
        {99.5, 1, 0, "1:00"},
        {0, 0, 0, "0:00"},
        {std::numeric_limits<double>::infinity(), 0, 0, "0:00"},
    };
    for (const TCase& c : cases) {
        TTimeZoneInfo zone;
        zone.Delta = c.delta;
        EXPECT_EQ(zone.DeltaHours(), c.hours) << c.delta;
        EXPECT_EQ(zone.DeltaMinutes(), c.minutes) << c.delta;
        EXPECT_EQ(zone.DeltaText(), QLatin1String(c.text)) << c.delta;
    }
}

TEST(ZoneTexts, OffsetReadings) {
    struct TCase {
        const char* text;
        int h, m, s;
        double hours;
        int zoneHour, zoneMinute;
    };
    const TCase cases[] = {
        {"+01:00", 1, 0, 0, 1, 1, 0},
        {"-03:30", -3, 30, 0, -3.5, -3, -30},
        {"-00:30", 0, 30, 0, -0.5, 0, -30},
        {"+05:45", 5, 45, 0, 5.75, 5, 45},
        {"+01:16:20", 1, 16, 20, 1 + 16 / 60.0, 1, 16},
        {"-00:25:21", 0, 25, 21, -25 / 60.0, 0, -25},
        {"+01", 1, 0, 0, 1, 1, 0},
        {"x:y", 0, 0, 0, 0, 0, 0},
        {"", 0, 0, 0, 0, 0, 0},
    };
    for (const TCase& c : cases) {
        const TTimeZoneInfo_v2 z = Offset(c.text);
        const TOffsetParts p = z.OffsetParts();
        EXPECT_EQ(p.Hours, c.h) << c.text;
        EXPECT_EQ(p.Minutes, c.m) << c.text;
        EXPECT_EQ(p.Seconds, c.s) << c.text;
        EXPECT_DOUBLE_EQ(z.OffsetHours(), c.hours) << c.text;
        EXPECT_EQ(z.ZoneOffset().Hour, c.zoneHour) << c.text;
        EXPECT_EQ(z.ZoneOffset().Minute, c.zoneMinute) << c.text;
    }
}

TEST(ZoneTexts, UtcDeltaHours) {
    struct TCase {
        const char* text;
        double hours;
    };
    const TCase cases[] = {
        {"UTC + 5:30", 5.5}, {"UTC - 3", -3},   {"UTC", 0},           {"UTC - 9:30", -9.5},
        {"UTC+1", 1},        {"UTC 5:30", 5.5}, {"UTC - x:30", -0.5}, {"junk", 0},
    };
    for (const TCase& c : cases)
        EXPECT_DOUBLE_EQ(Offset(c.text).UtcDeltaHours(), c.hours) << c.text;
}

TEST(ZoneTexts, DaylightSaving) {
    struct TCase {
        const char* text;
        bool active;
        int hours, minutes;
    };
    const TCase cases[] = {
        {"no", false, 0, 0}, {"NO", false, 0, 0},  {"", false, 0, 0},   {"0:30", true, 0, 30},
        {"2", true, 2, 0},   {"1:00", true, 1, 0}, {"  ", false, 0, 0}, {"x:y", true, 0, 0},
    };
    for (const TCase& c : cases) {
        TTimeZoneInfo_v2 z;
        z.NYARIE = QString::fromLatin1(c.text);
        const TDaylightSaving d = z.DaylightSaving();
        EXPECT_EQ(d.Active, c.active) << c.text;
        EXPECT_EQ(d.Hours, c.hours) << c.text;
        EXPECT_EQ(d.Minutes, c.minutes) << c.text;
    }
}

TEST(ZoneTexts, LocalMeanTimeOfALongitude) {
    struct TCase {
        double longitude;
        const char* text;
    };
    const TCase cases[] = {
        {19.05, "01:16:12"},    {-7.5, "-00:30:00"},
        {0, "00:00:00"},        {180, "12:00:00"},
        {-179.99, "-11:59:58"}, {std::numeric_limits<double>::quiet_NaN(), "00:00:00"},
        {1e300, "00:00:00"},
    };
    for (const TCase& c : cases)
        EXPECT_EQ(LmtOffsetText(c.longitude), QLatin1String(c.text)) << c.longitude;
}

TEST(ZoneTexts, StartOfARow) {
    EXPECT_DOUBLE_EQ(TTimeZoneInfo_v2().StartJulianDay(), 1721027.5);
    // Seconds take no part.
    EXPECT_DOUBLE_EQ(Rule(2019, 3, 31, "1:59:59").StartJulianDay(),
                     Rule(2019, 3, 31, "1:59").StartJulianDay());
    EXPECT_DOUBLE_EQ(Rule(2000, 1, 1, "12:00").StartJulianDay(), 2451545.0);
    EXPECT_DOUBLE_EQ(Rule(2000, 1, 1, "junk").StartJulianDay(), 2451544.5);
}

TEST(ProjectRule, KeepsTheOrdinalOrMovesToTheLastWeekday) {
    struct TCase {
        int month, day, toYear, toDay;
    };
    const TCase cases[] = {
        {3, 31, 2021, 28},  // fifth Sunday
        {10, 27, 2021, 31}, // fourth Sunday
        {3, 10, 2021, 14},  // second Sunday
        {11, 3, 2021, 7},   // first Sunday
        {3, 29, 2040, 25},  // 2037's last Sunday of March, a fifth one
        {2, 17, 2024, 18},  // third Sunday of February
    };
    for (const TCase& c : cases) {
        const int fromYear = c.month == 3 && c.day == 29 ? 2037 : 2019;
        TTimeZoneInfo_v2 rule = Rule(fromYear, c.month, c.day, "3:00");
        rule.TIMEZONECODE = QStringLiteral("CEST");
        const TTimeZoneInfo_v2 moved = ProjectRule(rule, c.toYear);
        EXPECT_EQ(moved.EV, c.toYear) << c.month << "-" << c.day;
        EXPECT_EQ(moved.HO, c.month) << c.month << "-" << c.day;
        EXPECT_EQ(moved.NAP, c.toDay) << c.month << "-" << c.day;
        EXPECT_EQ(moved.ORATOL, QStringLiteral("3:00"));
        EXPECT_EQ(moved.TIMEZONECODE, QStringLiteral("CEST"));
    }
    // A row without a valid date only takes the year.
    const TTimeZoneInfo_v2 junk = ProjectRule(Rule(2019, 13, 40), 2021);
    EXPECT_EQ(junk.EV, 2021);
    EXPECT_EQ(junk.NAP, 40);
}
