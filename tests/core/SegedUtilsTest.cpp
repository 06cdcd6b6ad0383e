#include "core/SegedUtils.h"

#include <gtest/gtest.h>

using namespace velkaris;

TEST(SegedUtils, HoursAndMinutesSplit) {
    struct {
        double x;
        int whole, minutes;
    } cases[] = {{-5.5, -5, 30},   {3.9999, 4, 0}, {1.27, 1, 16}, {0.0, 0, 0},
                 {-3.9999, -4, 0}, {1.125, 1, 8},  {1.375, 1, 22}};
    for (const auto& c : cases) {
        EXPECT_EQ(WholePart(c.x), c.whole) << c.x;
        EXPECT_EQ(MinutePart(c.x), c.minutes) << c.x;
    }
}

TEST(SegedUtils, DegreesAndMinutesTakeTheSignOfTheDegrees) {
    EXPECT_DOUBLE_EQ(DegMinToDecimal(-3, 30), -3.5);
    EXPECT_DOUBLE_EQ(DegMinToDecimal(19, 3), 19.05);
    EXPECT_DOUBLE_EQ(DegMinToSignedDecimal(19, 3, true), -19.05);
}

TEST(SegedUtils, ZodiacArithmetic) {
    EXPECT_DOUBLE_EQ(AddNormalized(180, 350), 170);
    EXPECT_DOUBLE_EQ(AddNormalized(-10, 5), 355);
    EXPECT_DOUBLE_EQ(AddNormalized(350, 180), 170);
    EXPECT_TRUE(InArc(0, 350, 10));
    EXPECT_TRUE(InArc(360, 350, 10));
    EXPECT_TRUE(InArc(10, 10, 20));
    EXPECT_TRUE(InArc(20, 10, 20));
    EXPECT_FALSE(InArc(20.0001, 10, 20));
    EXPECT_FALSE(InArc(180, 350, 10));
    EXPECT_EQ(SignIndexOf(29.9999), 0);
    EXPECT_EQ(SignIndexOf(30), 1);
    EXPECT_EQ(SignIndexOf(359.99), 11);
    EXPECT_DOUBLE_EQ(DegreesInSign(45.5), 15.5);
}

TEST(SegedUtils, FormatAngleTruncates) {
    EXPECT_EQ(FormatAngle(false, 12.5), QStringLiteral("12°30'"));
    EXPECT_EQ(FormatAngle(false, 7), QStringLiteral("7°"));
    EXPECT_EQ(FormatAngle(false, 29.9999), QStringLiteral("29°59'"));
    EXPECT_EQ(FormatAngle(true, 10 + 22.0 / 60 + 8.5 / 3600), QStringLiteral("10°22'08\""));
    EXPECT_EQ(FormatAngle(true, 12.5), QStringLiteral("12°30'"));
}
