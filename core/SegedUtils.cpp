#include "SegedUtils.h"

#include <cmath>

namespace velkaris {

double RoundHalfEven(double x) {
    // The default floating-point rounding mode rounds ties to even.
    return std::nearbyint(x);
}

double DegMinToDecimal(int degrees, int minutes) {
    return degrees >= 0 ? degrees + minutes / 60.0 : degrees - minutes / 60.0;
}

double DegMinToSignedDecimal(int degrees, int minutes, bool negative) {
    const double value = DegMinToDecimal(degrees, minutes);
    return negative ? -value : value;
}

namespace {

double RoundedMinutes(double x) {
    double whole = 0;
    return std::fabs(RoundHalfEven(std::modf(x, &whole) * 60));
}

} // namespace

int WholePart(double x) {
    const int whole = static_cast<int>(std::trunc(x));
    if (RoundedMinutes(x) == 60)
        return x < 0 ? whole - 1 : whole + 1;
    return whole;
}

int MinutePart(double x) {
    const int minutes = static_cast<int>(RoundedMinutes(x));
    return minutes == 60 ? 0 : minutes;
}

int SignIndexOf(double longitude) {
    return static_cast<int>(std::trunc(longitude)) / 30;
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

int TruncatedPart(int kind, double x) {
    double whole = 0;
    const double fraction = std::modf(x, &whole);
    switch (kind) {
    case 0:
        return static_cast<int>(whole);
    case 1:
        return fraction == 0 ? 0 : static_cast<int>(std::trunc(fraction * 60));
    default: {
        if (fraction == 0)
            return 0;
        const double minutes = std::trunc(fraction * 60);
        const double rest = fraction - minutes / 60;
        return rest == 0 ? 0 : static_cast<int>(std::trunc(rest * 3600));
    }
    }
}

QString FormatAngle(bool withSeconds, double x) {
    QString text = QString::number(TruncatedPart(0, x)) + QChar(0x00B0);
    double whole = 0;
    const double fraction = std::modf(x, &whole);
    if (fraction == 0)
        return text;
    text += ZeroPad(QString::number(qAbs(TruncatedPart(1, x))), 2) + QLatin1Char('\'');
    const double rest = fraction - std::trunc(fraction * 60) / 60;
    if (withSeconds && rest != 0)
        text += ZeroPad(QString::number(qAbs(TruncatedPart(2, x))), 2) + QLatin1Char('"');
    return text;
}

QString RetroMark(bool retrograde) {
    return retrograde ? QStringLiteral("R") : QStringLiteral(" ");
}

QString ZeroPad(const QString& text, int width) {
    return text.rightJustified(width, QLatin1Char('0'));
}

} // namespace velkaris
