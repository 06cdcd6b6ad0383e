#pragma once

#include <QString>

namespace velkaris {

/// x rounded to the nearest whole number, ties to the even neighbour.
double RoundHalfEven(double x);

/// d + m / 60, the minutes taking the sign of the degrees.
double DegMinToDecimal(int degrees, int minutes);
/// `DegMinToDecimal`, negated when `negative` (south or west).
double DegMinToSignedDecimal(int degrees, int minutes, bool negative);

/// Whole part of an hours or degrees value, carried up (away from zero) when its
/// minutes round to 60.
int WholePart(double x);
/// abs(rnd(frac(x) * 60)), with 60 becoming 0.
int MinutePart(double x);

/// Sign index 0 (Aries) ... 11 (Pisces) of an ecliptic longitude in [0, 360).
int SignIndexOf(double longitude);
/// Degrees of the longitude within its sign.
double DegreesInSign(double longitude);
/// a + b brought back into [0, 360) by one turn (valid for |a| < 360, 0 <= b < 360).
double AddNormalized(double a, double b);
/// True when `longitude` lies on the arc from `from` to `to`, both ends included; the
/// arc wraps through 0 degrees when from > to.
bool InArc(double longitude, double from, double to);

/// Whole part (kind 0), truncated minutes (kind 1) or truncated seconds (kind 2) of x.
int TruncatedPart(int kind, double x);
/// Angle as truncated degrees, minutes and (with `withSeconds`) seconds: 12.5 is
/// 12°30', 7 is 7°; parts that are zero are left out from the minutes on.
QString FormatAngle(bool withSeconds, double x);

/// "R" for a retrograde body, a single blank otherwise.
QString RetroMark(bool retrograde);
/// `text` filled on the left with '0' up to `width` characters.
QString ZeroPad(const QString& text, int width);

} // namespace velkaris
