#include "data/CalendarUtils.h"

#include "core/SzuletesiKepletInfo.h"
#include "core/VelkarisError.h"

#include <gtest/gtest.h>

using namespace velkaris;

TEST(CalendarUtils, JulianDaysOfKnownMoments) {
    // Published values: J2000.0 and the Gregorian reform.
    EXPECT_DOUBLE_EQ(JulianDayOfParts(2000, 1, 1, 12, 0), 2451545.0);
    EXPECT_DOUBLE_EQ(JulianDayOfParts(1582, 10, 15, 0, 0), 2299160.5);
    EXPECT_DOUBLE_EQ(JulianDayOfParts(1858, 11, 17, 0, 0), 2400000.5);
    EXPECT_NEAR(JulianDayOfParts(2000, 1, 1, 18, 30), 2451545.0 + 6.5 / 24, 1e-9);
}

TEST(CalendarUtils, LocalJulianDayNegatesBCYearsAndIgnoresSeconds) {
    TSzuletesiKepletInfo r;
    r.SetDateParts(44, 3, 15, 10, 0, 59);
    r.SetBirthDateIsBC(true);
    EXPECT_DOUBLE_EQ(LocalJulianDay(r), JulianDayOfParts(-44, 3, 15, 10, 0));
    r.SetBirthDateIsBC(false);
    EXPECT_DOUBLE_EQ(LocalJulianDay(r), JulianDayOfParts(44, 3, 15, 10, 0));
    TSzuletesiKepletInfo empty;
    EXPECT_THROW(LocalJulianDay(empty), EInvalidDateError);
}
