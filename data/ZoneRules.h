#pragma once

#include "TimeZoneInfo_v2.h"

#include <QString>

namespace velkaris {

/// A copy of rule row `rule` moved into `year`: to the same weekday of the same month,
/// keeping its ordinal (first, second, third) or, for a rule on the fourth or fifth such
/// weekday, to the last one. 31 March 2019 (fifth Sunday) gives 28 March 2021, 10 March
/// 2019 (second Sunday) 14 March 2021. Every other field stays. A row without a valid
/// date only takes the year.
TTimeZoneInfo_v2 ProjectRule(const TTimeZoneInfo_v2& rule, int year);

/// The note for the user when the date (`year`, `month`, `day`) is the day of rule row
/// `rule` and the row starts or ends daylight saving ("DSTS" or "DSTE" in `INFO01`);
/// empty otherwise and whenever `warn` is false.
QString DstDayMessage(const TTimeZoneInfo_v2& rule, int year, int month, int day, bool warn);

} // namespace velkaris
