#pragma once

#include <QString>

namespace velkaris {

/// A zone of the first-version zone table, shown by the country viewer.
class TTimeZoneInfo {
public:
    /// The offset from UT written as hours * 100 + minutes: 100 is +1:00, -530 is -5:30.
    double Delta = 0;
    QString DisplayName;
    QString Group;
    QString TimeZoneCode;
    QString Type;

    /// `Delta` rounded (ties to even), divided by 100 and truncated toward zero.
    int DeltaHours() const;
    /// The absolute value of `Delta` rounded, mod 100.
    int DeltaMinutes() const;
    /// "h:mm": 1:00 for 100, -5:30 for -530, -0:30 for -30 (the sign kept when the hours
    /// are 0).
    QString DeltaText() const;

    friend bool operator==(const TTimeZoneInfo&, const TTimeZoneInfo&) = default;
};

} // namespace velkaris
