#pragma once

#include "ZoneProvider.h"

#include <QString>

namespace velkaris {

/// Hours, minutes and seconds of an offset text, each read on its own.
struct TOffsetParts {
    int Hours = 0;
    int Minutes = 0;
    int Seconds = 0;
};

/// The daylight-saving state of a zone record.
struct TDaylightSaving {
    bool Active = false;
    int Hours = 0;
    int Minutes = 0;
};

/// A row of the rule table, or a zone of the zone table: what every zone query returns.
///
/// A new record has every number 0 and every text empty (the empty record).
class TTimeZoneInfo_v2 {
public:
    /// Country code of the rule row.
    QString CountryCode;
    /// Day, month and year from which the row applies.
    int NAP = 0;
    /// Daylight-saving amount: "h:mm", whole hours, or "NO" (any case) for none.
    QString NYARIE;
    /// Local clock time of the start, "h:mm" or "h:mm:ss".
    QString ORATOL;
    /// "DSTS" where daylight saving starts, "DSTE" where it ends.
    QString INFO01;
    QString INFO02;
    /// Free information, or the note that `ResolveZone` attaches for the user.
    QString INFO03;
    int HO = 0;
    /// Zone code; "LMT" for local mean time.
    QString TIMEZONECODE;
    QString DisplayName;
    /// Offset from UT: sign, hours, ":", minutes, optionally ":" and seconds (+01:00,
    /// -03:30); a record of the zone table holds its UTCDelta text (UTC + 1) here.
    QString TZOFFSET;
    int EV = 0;

    /// `TZOFFSET` split at ":", each of the first three parts read as an integer (0 when
    /// missing or not one): +01 reads as 1, -03 as -3, and the minutes keep no sign.
    TOffsetParts OffsetParts() const;
    /// Signed hours of `TZOFFSET` (negative when it begins with "-"), minutes included,
    /// seconds not: -03:30 is -3.5, -00:30 is -0.5.
    double OffsetHours() const;
    /// Signed hours of a UTCDelta text in `TZOFFSET` ("UTC + 5:30" is 5.5, "UTC" is 0).
    double UtcDeltaHours() const;
    /// Whether daylight saving is in force, and its amount, from `NYARIE`.
    TDaylightSaving DaylightSaving() const;
    /// Julian day (local clock, Gregorian calendar) of the row's start from `EV`, `HO`,
    /// `NAP` and the hours and minutes of `ORATOL`; 1721027.5 for the empty record.
    double StartJulianDay() const;
    /// The offset as a birth record takes it: the whole hours and minutes of `TZOFFSET`,
    /// both with its sign, so -00:30 is 0 hours -30 minutes. Seconds are dropped.
    TZoneOffset ZoneOffset() const;

    bool IsEmpty() const { return *this == TTimeZoneInfo_v2(); }
    friend bool operator==(const TTimeZoneInfo_v2&, const TTimeZoneInfo_v2&) = default;
};

/// An offset in hours as the zone table writes it: "UTC" for 0, else "UTC ", the sign, a
/// blank and hours with ":" and two-digit minutes when there are minutes: 5.5 gives
/// "UTC + 5:30", -3 gives "UTC - 3".
QString UtcDeltaText(double hours);

/// The local-mean-time offset of a longitude (degrees, east positive) as an offset text:
/// the absolute longitude rounded to hundredths of a degree, 240 seconds a degree, to the
/// whole second, "hh:mm:ss" with "-" in front for a west longitude: 19.05 gives
/// "01:16:12", -7.5 gives "-00:30:00". A longitude that is not a number or lies beyond
/// 360 degrees either way counts as 0.
QString LmtOffsetText(double longitude);

} // namespace velkaris
