#include "TimeZoneInfo.h"

#include "core/SegedUtils.h"

#include <algorithm>
#include <cmath>

namespace velkaris {

namespace {

/// `Delta` rounded, held within what an int takes, so that a damaged table value cannot
/// overflow.
qint64 RoundedDelta(double delta) {
    if (!std::isfinite(delta))
        return 0;
    return static_cast<qint64>(std::clamp(RoundHalfEven(delta), -2.0e9, 2.0e9));
}

} // namespace

int TTimeZoneInfo::DeltaHours() const {
    return static_cast<int>(RoundedDelta(Delta) / 100);
}

int TTimeZoneInfo::DeltaMinutes() const {
    return static_cast<int>(std::abs(RoundedDelta(Delta) % 100));
}

QString TTimeZoneInfo::DeltaText() const {
    const QString sign =
        DeltaHours() == 0 && RoundedDelta(Delta) < 0 ? QStringLiteral("-") : QString();
    return sign + QString::number(DeltaHours()) + QLatin1Char(':') +
           QStringLiteral("%1").arg(DeltaMinutes(), 2, 10, QLatin1Char('0'));
}

} // namespace velkaris
