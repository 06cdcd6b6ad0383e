#include "core/DateTime.h"

#include "common/TestSupport.h"

#include <gtest/gtest.h>

using namespace velkaris;
using namespace velkaris::test;

namespace {} // namespace

TEST(DateTime, DefaultIsZeroAndPartsRoundTrip) {
    EXPECT_TRUE(TDateTime().IsZero());
    struct {
        int y, mo, d, h, mi, s;
    } cases[] = {{2000, 1, 1, 0, 0, 0},  {1, 1, 1, 23, 59, 59},  {9999, 12, 31, 12, 0, 1},
                 {2024, 2, 29, 6, 7, 8}, {-44, 3, 15, 10, 0, 0}, {0, 2, 29, 0, 0, 0}};
    for (const auto& c : cases) {
        const TDateTime t = At(c.y, c.mo, c.d, c.h, c.mi, c.s);
        EXPECT_FALSE(t.IsZero());
        EXPECT_EQ(t.Year(), c.y);
        EXPECT_EQ(t.Month(), c.mo);
        EXPECT_EQ(t.Day(), c.d);
        EXPECT_EQ(t.Hour(), c.h);
        EXPECT_EQ(t.Minute(), c.mi);
        EXPECT_EQ(t.Second(), c.s);
    }
}

TEST(DateTime, RejectsImpossibleParts) {
    EXPECT_FALSE(TDateTime::FromParts(2023, 2, 29));
    EXPECT_FALSE(TDateTime::FromParts(1900, 2, 29));
    EXPECT_FALSE(TDateTime::FromParts(2000, 13, 1));
    EXPECT_FALSE(TDateTime::FromParts(2000, 4, 31));
    EXPECT_FALSE(TDateTime::FromParts(2000, 1, 1, 24, 0, 0));
    EXPECT_FALSE(TDateTime::FromParts(2000, 1, 1, 0, 60, 0));
    EXPECT_TRUE(TDateTime::FromParts(2000, 2, 29));
}

TEST(DateTime, RollsOverInBothDirections) {
    EXPECT_EQ(At(2000, 1, 1, 0, 30).AddSeconds(-3600), At(1999, 12, 31, 23, 30));
    EXPECT_EQ(At(1850, 1, 1, 0, 30).AddSeconds(-3600), At(1849, 12, 31, 23, 30));
    // Astronomical numbering: -44 is 44 BC, the year before it is 45 BC.
    EXPECT_EQ(At(-44, 1, 1, 0, 30).AddSeconds(-3600), At(-45, 12, 31, 23, 30));
    EXPECT_EQ(At(1999, 12, 31, 23, 30).AddSeconds(3600), At(2000, 1, 1, 0, 30));
    EXPECT_EQ(At(2024, 2, 28, 23, 0).AddSeconds(3600), At(2024, 2, 29, 0, 0));
    EXPECT_EQ(At(2023, 2, 28, 23, 0).AddSeconds(3600), At(2023, 3, 1, 0, 0));
}

TEST(DateTime, DifferencesInFractionalDays) {
    EXPECT_DOUBLE_EQ(At(2000, 1, 1).DaysTo(At(2000, 1, 2, 12)), 1.5);
    EXPECT_DOUBLE_EQ(At(2000, 1, 2, 12).DaysTo(At(2000, 1, 1)), -1.5);
    EXPECT_DOUBLE_EQ(At(1999, 1, 1).DaysTo(At(2000, 1, 1)), 365);
    EXPECT_LT(At(1999, 12, 31), At(2000, 1, 1));
}

TEST(DateTime, WeekDayAndMonths) {
    EXPECT_EQ(At(2000, 1, 1).DayOfWeek(), 6);   // Saturday
    EXPECT_EQ(At(2026, 12, 10).DayOfWeek(), 4); // Thursday
    EXPECT_EQ(At(2000, 1, 31).AddMonths(1), At(2000, 2, 29));
    EXPECT_EQ(At(2000, 11, 15).AddMonths(3), At(2001, 2, 15));
    EXPECT_EQ(At(2000, 1, 15).AddMonths(-1), At(1999, 12, 15));
}

TEST(DateTime, IsoText) {
    EXPECT_EQ(At(2000, 1, 2, 3, 4, 5).ToIsoString(), QStringLiteral("2000-01-02T03:04:05"));
    EXPECT_EQ(At(-44, 3, 15).ToIsoString(), QStringLiteral("-0044-03-15T00:00:00"));
}
