#include "ZoneRules.h"

#include "core/DateTime.h"
#include "core/Messages.h"

namespace velkaris {

TTimeZoneInfo_v2 ProjectRule(const TTimeZoneInfo_v2& rule, int year) {
    TTimeZoneInfo_v2 projected = rule;
    projected.EV = year;
    const auto date = TDateTime::FromParts(rule.EV, rule.HO, rule.NAP);
    const auto firstOfMonth = TDateTime::FromParts(year, rule.HO, 1);
    if (!date || !firstOfMonth)
        return projected;
    const int weekday = date->DayOfWeek();
    const int ordinal = (rule.NAP - 1) / 7 + 1;
    const int first = 1 + (weekday - firstOfMonth->DayOfWeek() + 7) % 7;
    int day = first + 7 * (ordinal - 1);
    if (ordinal > 3) {
        const int daysInMonth = TDateTime::DaysInMonth(year, rule.HO);
        day = first + 7 * ((daysInMonth - first) / 7);
    }
    projected.NAP = day;
    return projected;
}

QString DstDayMessage(const TTimeZoneInfo_v2& rule, int year, int month, int day, bool warn) {
    if (!warn || year != rule.EV || month != rule.HO || day != rule.NAP)
        return {};
    if (rule.INFO01 == QLatin1String("DSTS"))
        return GetMessageText(u"uZentavoFileHandling_DSTS");
    if (rule.INFO01 == QLatin1String("DSTE"))
        return GetMessageText(u"uZentavoFileHandling_DSTE");
    return {};
}

} // namespace velkaris
