#pragma once

#include "core/DateTime.h"

namespace velkaris {

class TSzuletesiKepletInfo;

/// Julian day of a calendar moment through the ephemeris library: Gregorian calendar,
/// day fraction from hour + minute / 60 (seconds do not enter). `year` is signed as the
/// library takes it (BC year Y is -Y).
double JulianDayOfParts(int year, int month, int day, int hour, int minute);

/// Julian day of a local clock moment, year negated when `isBC`.
double JulianDayOfLocal(bool isBC, const TDateTime& dateTime);

/// Julian day of the record's local clock time without any zone correction.
/// Throws EInvalidDateError when the record has no valid date.
double LocalJulianDay(const TSzuletesiKepletInfo& birth);

} // namespace velkaris
