#pragma once

#include "core/SzuletesiKepletInfo.h"

namespace velkaris::bench {

/// A birth in Budapest (47N30, 19E03) at a local moment of zone +1:00.
inline void FillBudapestBirth(TSzuletesiKepletInfo& birth, int year, int month, int day, int hour,
                              int minute) {
    birth.SetLoading(true);
    birth.SetDateParts(year, month, day, hour, minute, 0);
    birth.SetLocLatDegree(47);
    birth.SetLocLatMinute(30);
    birth.SetLocLongDegree(19);
    birth.SetLocLongMinute(3);
    birth.SetTZCodeIsManual(true);
    birth.SetTZoneHour(1);
    birth.SetTZoneMinute(0);
    birth.SetLoading(false);
}

} // namespace velkaris::bench
