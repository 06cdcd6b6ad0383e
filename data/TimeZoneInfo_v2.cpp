#include "TimeZoneInfo_v2.h"

#include "core/SegedUtils.h"
#include "core/StrUtils.h"

#include <QStringList>
#include <cmath>
#include <cstdlib>
#include <swephexp.h>

namespace velkaris {

namespace {

int IntegerOr0(const QString& text) {
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok ? value : 0;
}

QString TwoDigits(qint64 value) {
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

} // namespace

TOffsetParts TTimeZoneInfo_v2::OffsetParts() const {
    const QStringList parts = TZOFFSET.split(QLatin1Char(':'));
    const auto part = [&](qsizetype i) { return i < parts.size() ? IntegerOr0(parts[i]) : 0; };
    return {part(0), part(1), part(2)};
}

double TTimeZoneInfo_v2::OffsetHours() const {
    const TOffsetParts p = OffsetParts();
    const double hours = std::abs(p.Hours) + p.Minutes / 60.0;
    return TZOFFSET.startsWith(QLatin1Char('-')) ? -hours : hours;
}

double TTimeZoneInfo_v2::UtcDeltaHours() const {
    QString rest = TZOFFSET;
    rest.remove(QLatin1Char(' ')).remove(QLatin1String("UTC"));
    if (rest.isEmpty())
        return 0;
    if (!rest.contains(QLatin1Char(':')))
        return IntegerOr0(rest);
    double sign = 1;
    // Only a sign is taken off: "5:30" without one reads as 5.5 hours, not 0.5.
    if (rest.startsWith(QLatin1Char('-')) || rest.startsWith(QLatin1Char('+'))) {
        sign = rest.startsWith(QLatin1Char('-')) ? -1 : 1;
        rest.remove(0, 1);
    }
    const qsizetype colon = rest.indexOf(QLatin1Char(':'));
    const int hours = IntegerOr0(rest.left(colon));
    const int minutes = IntegerOr0(rest.mid(colon + 1));
    return sign * (hours + minutes / 60.0);
}

TDaylightSaving TTimeZoneInfo_v2::DaylightSaving() const {
    if (NYARIE.toUpper() == QLatin1String("NO"))
        return {};
    TDaylightSaving d;
    if (!NYARIE.contains(QLatin1Char(':'))) {
        d.Hours = DigitsToInt(NYARIE);
    } else {
        const QStringList parts = NYARIE.split(QLatin1Char(':'));
        d.Hours = IntegerOr0(parts[0]);
        d.Minutes = IntegerOr0(parts[1]);
    }
    d.Active = !NYARIE.trimmed().isEmpty() || d.Hours > 0;
    return d;
}

double TTimeZoneInfo_v2::StartJulianDay() const {
    const int h = TimePartOf(0, ORATOL);
    const int m = TimePartOf(1, ORATOL);
    return swe_julday(EV, HO, NAP, h + m / 60.0, SE_GREG_CAL);
}

TZoneOffset TTimeZoneInfo_v2::ZoneOffset() const {
    const TOffsetParts p = OffsetParts();
    const int sign = TZOFFSET.startsWith(QLatin1Char('-')) ? -1 : 1;
    return {sign * std::abs(p.Hours), sign * std::abs(p.Minutes)};
}

QString UtcDeltaText(double hours) {
    if (hours == 0)
        return QStringLiteral("UTC");
    return QStringLiteral("UTC ") + SignText(hours) + QLatin1Char(' ') +
           FormatHoursMinutes(std::abs(hours));
}

QString LmtOffsetText(double longitude) {
    if (!std::isfinite(longitude) || std::abs(longitude) > 360)
        longitude = 0;
    const double hundredths = RoundHalfEven(std::abs(longitude) * 100);
    const auto seconds = static_cast<qint64>(RoundHalfEven(hundredths * 2.4));
    const QString text = TwoDigits(seconds / 3600) + QLatin1Char(':') +
                         TwoDigits(seconds / 60 % 60) + QLatin1Char(':') + TwoDigits(seconds % 60);
    return longitude < 0 ? QLatin1Char('-') + text : text;
}

} // namespace velkaris
