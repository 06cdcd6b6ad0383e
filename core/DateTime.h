#pragma once

#include <QString>
#include <QtGlobal>
#include <compare>
#include <optional>

namespace velkaris {

/// A calendar date and time of day with one-second resolution.
///
/// The calendar is the proleptic Gregorian one with astronomical year numbers: the
/// year before 1 is 0, the one before that -1. A record that stores a BC year as a
/// positive number with a flag converts at its boundary (the program's convention is
/// that BC year Y is year -Y here, which is also what the ephemeris library is given).
/// The default value is the "zero" date-time that stands for "none".
class TDateTime {
public:
    TDateTime() = default;

    /// Date-time from its parts; nullopt when the date or the time of day is invalid.
    static std::optional<TDateTime> FromParts(int year, int month, int day, int hour = 0,
                                              int minute = 0, int second = 0);
    /// Whole seconds since 0000-03-01 00:00:00, the internal count.
    static TDateTime FromSecondsSinceEpoch(qint64 seconds);

    bool IsZero() const { return !m_Valid; }

    int Year() const;
    int Month() const;
    int Day() const;
    int Hour() const;
    int Minute() const;
    int Second() const;
    /// ISO day of the week: 1 Monday ... 7 Sunday.
    int DayOfWeek() const;

    /// This moment moved by a signed number of seconds; day, month and year roll over.
    TDateTime AddSeconds(qint64 seconds) const;
    TDateTime AddDays(qint64 days) const { return AddSeconds(days * 86400); }
    /// The same time of day `months` calendar months later, the day clamped to the month.
    TDateTime AddMonths(int months) const;

    /// other - this, in days with the fraction of the day.
    double DaysTo(const TDateTime& other) const;
    qint64 SecondsSinceEpoch() const { return m_Seconds; }

    /// "YYYY-MM-DDThh:mm:ss"; a negative year is written with its sign.
    QString ToIsoString() const;

    friend bool operator==(const TDateTime&, const TDateTime&) = default;
    friend auto operator<=>(const TDateTime&, const TDateTime&) = default;

    static bool IsLeapYear(int year);
    static int DaysInMonth(int year, int month);

private:
    bool m_Valid = false;
    qint64 m_Seconds = 0;
};

} // namespace velkaris
