#include "CalendarUtils.h"

#include "core/SzuletesiKepletInfo.h"

#include <swephexp.h>

namespace velkaris {

double JulianDayOfParts(int year, int month, int day, int hour, int minute) {
    return swe_julday(year, month, day, hour + minute / 60.0, SE_GREG_CAL);
}

double JulianDayOfLocal(bool isBC, const TDateTime& dateTime) {
    const int year = isBC ? -dateTime.Year() : dateTime.Year();
    return JulianDayOfParts(year, dateTime.Month(), dateTime.Day(), dateTime.Hour(),
                            dateTime.Minute());
}

double LocalJulianDay(const TSzuletesiKepletInfo& birth) {
    return JulianDayOfLocal(birth.BirthDateIsBC(), birth.LocalDateTime());
}

} // namespace velkaris
