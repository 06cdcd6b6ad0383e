#include "DateTime.h"

namespace velkaris {

namespace {

constexpr qint64 SecondsPerDay = 86400;

// Days since 0000-03-01 of a proleptic Gregorian date (H. Hinnant's algorithm,
// exact for every year, negative ones included).
qint64 DaysFromCivil(qint64 y, unsigned m, unsigned d) {
    y -= m <= 2 ? 1 : 0;
    const qint64 era = (y >= 0 ? y : y - 399) / 400;
    const auto yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<qint64>(doe);
}

struct TCivil {
    qint64 Year;
    unsigned Month;
    unsigned Day;
};

TCivil CivilFromDays(qint64 z) {
    const qint64 era = (z >= 0 ? z : z - 146096) / 146097;
    const auto doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const qint64 y = static_cast<qint64>(yoe) + era * 400;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    const unsigned d = doy - (153 * mp + 2) / 5 + 1;
    const unsigned m = mp < 10 ? mp + 3 : mp - 9;
    return {y + (m <= 2 ? 1 : 0), m, d};
}

qint64 FloorDiv(qint64 a, qint64 b) {
    qint64 q = a / b;
    if ((a % b != 0) && ((a < 0) != (b < 0)))
        --q;
    return q;
}

} // namespace

bool TDateTime::IsLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int TDateTime::DaysInMonth(int year, int month) {
    static constexpr int Days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12)
        return 0;
    return month == 2 && IsLeapYear(year) ? 29 : Days[month - 1];
}

std::optional<TDateTime> TDateTime::FromParts(int year, int month, int day, int hour, int minute,
                                              int second) {
    if (month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month))
        return std::nullopt;
    if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59)
        return std::nullopt;
    const qint64 days =
        DaysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day));
    return FromSecondsSinceEpoch(days * SecondsPerDay + hour * 3600 + minute * 60 + second);
}

TDateTime TDateTime::FromSecondsSinceEpoch(qint64 seconds) {
    TDateTime t;
    t.m_Valid = true;
    t.m_Seconds = seconds;
    return t;
}

int TDateTime::Year() const {
    return static_cast<int>(CivilFromDays(FloorDiv(m_Seconds, SecondsPerDay)).Year);
}

int TDateTime::Month() const {
    return static_cast<int>(CivilFromDays(FloorDiv(m_Seconds, SecondsPerDay)).Month);
}

int TDateTime::Day() const {
    return static_cast<int>(CivilFromDays(FloorDiv(m_Seconds, SecondsPerDay)).Day);
}

int TDateTime::Hour() const {
    return static_cast<int>((m_Seconds - FloorDiv(m_Seconds, SecondsPerDay) * SecondsPerDay) /
                            3600);
}

int TDateTime::Minute() const {
    return static_cast<int>(
        ((m_Seconds - FloorDiv(m_Seconds, SecondsPerDay) * SecondsPerDay) % 3600) / 60);
}

int TDateTime::Second() const {
    return static_cast<int>((m_Seconds - FloorDiv(m_Seconds, SecondsPerDay) * SecondsPerDay) % 60);
}

int TDateTime::DayOfWeek() const {
    // Day 0 of the count, 0000-03-01, was a Wednesday.
    const qint64 days = FloorDiv(m_Seconds, SecondsPerDay);
    return static_cast<int>(((days + 2) % 7 + 7) % 7) + 1;
}

TDateTime TDateTime::AddSeconds(qint64 seconds) const {
    return FromSecondsSinceEpoch(m_Seconds + seconds);
}

TDateTime TDateTime::AddMonths(int months) const {
    const qint64 total = static_cast<qint64>(Year()) * 12 + (Month() - 1) + months;
    const int year = static_cast<int>(FloorDiv(total, 12));
    const int month = static_cast<int>(total - static_cast<qint64>(year) * 12) + 1;
    const int day = qMin(Day(), DaysInMonth(year, month));
    return *FromParts(year, month, day, Hour(), Minute(), Second());
}

double TDateTime::DaysTo(const TDateTime& other) const {
    return static_cast<double>(other.m_Seconds - m_Seconds) / SecondsPerDay;
}

QString TDateTime::ToIsoString() const {
    const int y = Year();
    QString year = QStringLiteral("%1").arg(qAbs(y), 4, 10, QLatin1Char('0'));
    if (y < 0)
        year.prepend(QLatin1Char('-'));
    return QStringLiteral("%1-%2-%3T%4:%5:%6")
        .arg(year)
        .arg(Month(), 2, 10, QLatin1Char('0'))
        .arg(Day(), 2, 10, QLatin1Char('0'))
        .arg(Hour(), 2, 10, QLatin1Char('0'))
        .arg(Minute(), 2, 10, QLatin1Char('0'))
        .arg(Second(), 2, 10, QLatin1Char('0'));
}

} // namespace velkaris
