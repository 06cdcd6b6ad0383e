#include "SegedUtils.h"

#include <QStringList>
#include <cmath>
#include <limits>

namespace velkaris {

namespace {

// trunc(x) as an int; values beyond the int range (and NaN) must not reach a plain cast,
// which would be undefined behaviour.
int TruncToInt(double x) {
    const double t = std::trunc(x);
    if (std::isnan(t))
        return 0;
    if (t >= static_cast<double>(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    if (t <= static_cast<double>(std::numeric_limits<int>::min()))
        return std::numeric_limits<int>::min();
    return static_cast<int>(t);
}

double Fraction(double x) {
    double whole = 0;
    return std::modf(x, &whole);
}

double RoundedMinutes(double x) {
    return std::fabs(RoundHalfEven(Fraction(x) * 60));
}

// Arc seconds (or seconds of time) in the fraction of x, 0 <= s < 3600. Truncating the
// fraction as it is would show 1°01' as 1°00'59", because 1 + 1 / 60 is stored a hair
// below its exact value; a count of seconds that lies within float noise below a whole
// second is taken as that second. The whole part is never carried, so 29.9999999999
// still reads 29°59'59".
double FractionSeconds(double x) {
    const double seconds = std::fabs(Fraction(x)) * 3600;
    if (std::isnan(seconds))
        return 0;
    const double nearest = std::round(seconds);
    if (nearest < 3600 && std::fabs(seconds - nearest) < 1e-6)
        return nearest;
    return seconds;
}

QString TwoDigits(int value) {
    return ZeroPad(QString::number(value), 2);
}

// The whole part of a value between -1 and 0 is 0, which would drop the sign.
void KeepSign(QString& text, double x, int whole) {
    if (x < 0 && whole == 0)
        text.prepend(QLatin1Char('-'));
}

int CityCoordValue(const QString& text) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok ? value : 0;
}

} // namespace

double RoundHalfEven(double x) {
    // The default floating-point rounding mode rounds ties to even.
    return std::nearbyint(x);
}

double DegMinToDecimal(int degrees, int minutes) {
    return degrees >= 0 ? degrees + minutes / 60.0 : degrees - minutes / 60.0;
}

double DegMinSecToDecimal(int degrees, int minutes, int seconds) {
    const double rest = minutes / 60.0 + seconds / 3600.0;
    return degrees >= 0 ? degrees + rest : degrees - rest;
}

double DegMinToSignedDecimal(int degrees, int minutes, bool negative) {
    const double value = DegMinToDecimal(degrees, minutes);
    return negative ? -value : value;
}

int WholePart(double x) {
    const int whole = TruncToInt(x);
    // Carried away from zero, so that -3.9999 gives -4 just as 3.9999 gives 4.
    if (RoundedMinutes(x) == 60)
        return x < 0 ? whole - 1 : whole + 1;
    return whole;
}

int MinutePart(double x) {
    const double minutes = RoundedMinutes(x);
    return minutes == 60 || std::isnan(minutes) ? 0 : static_cast<int>(minutes);
}

int SecondPart(double x) {
    const double seconds = std::fabs(RoundHalfEven(Fraction(Fraction(x) * 60) * 60));
    return seconds == 60 || std::isnan(seconds) ? 0 : static_cast<int>(seconds);
}

int CityCoordDegrees(const QString& text) {
    return CityCoordValue(text) / 100;
}

int CityCoordMinutes(const QString& text) {
    const int value = CityCoordValue(text);
    return qAbs(value - 100 * (value / 100));
}

int SignIndexOf(double longitude) {
    return TruncToInt(longitude) / 30;
}

double DegreesInSign(double longitude) {
    return longitude - 30.0 * SignIndexOf(longitude);
}

double AddNormalized(double a, double b) {
    const double s = a + b;
    if (s < 0)
        return 360 + s;
    if (s >= 360)
        return s - 360;
    return s;
}

bool InArc(double longitude, double from, double to) {
    if (from <= to)
        return from <= longitude && longitude <= to;
    return (from <= longitude && longitude <= 360) || (0 <= longitude && longitude <= to);
}

int WrapAdd(int high, int low, int step, int value) {
    const qint64 count = static_cast<qint64>(high) - low + 1;
    if (count <= 0)
        return value;
    const qint64 offset = (static_cast<qint64>(value) + step - low) % count;
    return static_cast<int>(low + (offset < 0 ? offset + count : offset));
}

double AspectDeviation(double angle, double longitude1, double longitude2) {
    double separation =
        std::fabs(std::fmax(longitude1, longitude2) - std::fmin(longitude1, longitude2));
    if (separation > 180)
        separation = std::fabs(separation - 360);
    return std::fabs(angle - separation);
}

int TruncatedPart(int kind, double x) {
    if (kind == 0)
        return TruncToInt(x);
    if (Fraction(x) == 0)
        return 0;
    const int sign = x < 0 ? -1 : 1;
    const double seconds = FractionSeconds(x);
    const double minutes = std::floor(seconds / 60);
    if (kind == 1)
        return sign * static_cast<int>(minutes);
    return sign * static_cast<int>(std::floor(seconds - minutes * 60));
}

QString FormatAngle(bool withSeconds, double x) {
    const int whole = TruncatedPart(0, x);
    QString text = QString::number(whole) + QChar(0x00B0);
    if (Fraction(x) == 0)
        return text;
    KeepSign(text, x, whole);
    const double seconds = FractionSeconds(x);
    const double minutes = std::floor(seconds / 60);
    text += TwoDigits(static_cast<int>(minutes)) + QLatin1Char('\'');
    const double restSeconds = seconds - minutes * 60;
    if (withSeconds && restSeconds != 0)
        text += TwoDigits(static_cast<int>(std::floor(restSeconds))) + QLatin1Char('"');
    return text;
}

QString FormatHoursMinutes(double x) {
    const int whole = WholePart(x);
    const int minutes = MinutePart(x);
    QString text = QString::number(whole);
    if (minutes == 0)
        return text;
    KeepSign(text, x, whole);
    return text + QLatin1Char(':') + TwoDigits(minutes);
}

QString FormatDegreesDotMinutes(double x) {
    const int whole = TruncatedPart(0, x);
    QString text = QString::number(whole);
    if (Fraction(x) == 0)
        return text;
    KeepSign(text, x, whole);
    return text + QLatin1Char('.') + TwoDigits(qAbs(TruncatedPart(1, x)));
}

QString SignText(double x) {
    return x > 0 ? QStringLiteral("+") : QStringLiteral("-");
}

QString RetroMark(bool retrograde) {
    return retrograde ? QStringLiteral("R") : QStringLiteral(" ");
}

QString StationaryMark(bool stationary) {
    return stationary ? QStringLiteral("S") : QStringLiteral(" ");
}

QString BoolText(bool value, bool longForm) {
    if (longForm)
        return value ? QStringLiteral("True") : QStringLiteral("False");
    return value ? QStringLiteral("T") : QStringLiteral("F");
}

bool TextToBool(const QString& text) {
    return text.contains(QLatin1Char('T'), Qt::CaseInsensitive);
}

QString ZeroPad(const QString& text, int width, QChar fill, bool onRight) {
    return onRight ? text.leftJustified(width, fill) : text.rightJustified(width, fill);
}

int TimePartOf(int kind, const QString& text) {
    const QStringList parts = text.split(QLatin1Char(':'));
    if (kind < 0 || kind > 2 || kind >= parts.size())
        return 0;
    bool ok = false;
    const int value = parts[kind].trimmed().toInt(&ok);
    return ok ? value : 0;
}

} // namespace velkaris
