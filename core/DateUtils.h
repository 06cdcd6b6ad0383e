#pragma once

#include "DateTime.h"

#include <QString>

namespace velkaris {

/// Date-time from its parts, the year signed (BC year Y is -Y).
/// Throws EInvalidDateError with the "wrong date" message when the date or the time of
/// day is invalid.
TDateTime EncodeSignedDateTime(int year, int month, int day, int hour, int minute, int second);

/// Whole years between two dates: 0 on the same calendar day, else the difference of
/// the years, less one when `later` falls before the anniversary in its year.
int YearsBetween(const TDateTime& later, const TDateTime& earlier);

/// Age of a progressed or return chart, reading each day between the two moments as one
/// year of life (the order of the two does not matter).
///
/// "27év 6 hó", "28év" or "27év" as a noun; "27év 6 hónapos", "28éves" or "27éves" as an
/// adjective. The noun form is preceded by the calendar year and month reached by moving
/// the earlier moment forward by the age's rounded months: "2017. év 3 hó # 27év".
QString AgeText(bool adjective, const TDateTime& later, const TDateTime& earlier);

} // namespace velkaris
