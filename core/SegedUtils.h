#pragma once

#include <QChar>
#include <QString>

namespace velkaris {

/// Radians in one degree, pi / 180.
inline constexpr double DegToRad = 0.017453292519943295;

/// x rounded to the nearest whole number, ties to the even neighbour.
double RoundHalfEven(double x);

/// d + m / 60, the minutes taking the sign of the degrees.
double DegMinToDecimal(int degrees, int minutes);
/// d + m / 60 + s / 3600, the minutes and seconds taking the sign of the degrees.
double DegMinSecToDecimal(int degrees, int minutes, int seconds);
/// `DegMinToDecimal`, negated when `negative` (south or west).
double DegMinToSignedDecimal(int degrees, int minutes, bool negative);

/// Whole part of an hours or degrees value, carried up (away from zero) when its
/// minutes round to 60.
int WholePart(double x);
/// abs(rnd(frac(x) * 60)), with 60 becoming 0.
int MinutePart(double x);
/// Rounded seconds of x: abs(rnd(frac(frac(x) * 60) * 60)), with 60 becoming 0.
int SecondPart(double x);

/// Degrees of a city-table coordinate DDDMM (degrees * 100 + minutes, negative for south
/// or west), truncated toward zero, so -30 (0°30' south) gives 0; a text that is not an
/// integer gives 0.
int CityCoordDegrees(const QString& text);
/// Minutes (0-99, never negative) of a city-table coordinate DDDMM; a text that is not an
/// integer gives 0.
int CityCoordMinutes(const QString& text);

/// Sign index 0 (Aries) ... 11 (Pisces) of an ecliptic longitude in [0, 360).
int SignIndexOf(double longitude);
/// Degrees of the longitude within its sign.
double DegreesInSign(double longitude);
/// a + b brought back into [0, 360) by one turn (valid for |a| < 360, 0 <= b < 360).
double AddNormalized(double a, double b);
/// True when `longitude` lies on the arc from `from` to `to`, both ends included; the
/// arc wraps through 0 degrees when from > to.
bool InArc(double longitude, double from, double to);
/// `value` + `step` wrapped into the cycle low ... high, any number of turns in either
/// direction: WrapAdd(11, 0, k, sign) for signs, WrapAdd(12, 1, 1, house) for the next
/// house. An empty range (high < low) leaves `value` unchanged.
int WrapAdd(int high, int low, int step, int value);
/// How far, in degrees, the separation of two longitudes (0-180) lies from the exact
/// aspect `angle`.
double AspectDeviation(double angle, double longitude1, double longitude2);

/// Whole part (kind 0), truncated minutes (kind 1) or truncated seconds (kind 2) of x,
/// each with the sign of x. Exact minutes and seconds survive float noise: 1 + 1 / 60
/// has 1 minute and 0 seconds.
int TruncatedPart(int kind, double x);
/// Angle as truncated degrees, minutes and (with `withSeconds`) seconds: 12.5 is
/// 12°30', 7 is 7°; parts that are zero are left out from the minutes on. A value
/// between -1 and 0 keeps its sign (-0°30').
QString FormatAngle(bool withSeconds, double x);
/// Hours (or degrees) and rounded minutes as "5:30", or "5" when the minutes round to
/// 0; 1.9999 gives "2". A value between -1 and 0 keeps its sign ("-0:30").
QString FormatHoursMinutes(double x);
/// Truncated degrees and minutes as "12.30", or "12" for a whole value. A value between
/// -1 and 0 keeps its sign ("-0.30").
QString FormatDegreesDotMinutes(double x);

/// "+" when x > 0, "-" otherwise (0 included).
QString SignText(double x);
/// "R" for a retrograde body, a single blank otherwise.
QString RetroMark(bool retrograde);
/// "S" for a stationary body, a single blank otherwise.
QString StationaryMark(bool stationary);
/// "True" / "False" in the long form, "T" / "F" in the short form of the chart file.
QString BoolText(bool value, bool longForm);
/// True when the text holds a "T" (either case), as in "T", "True" and "TRUE"; every
/// other text, "F" and "False" included, is false.
bool TextToBool(const QString& text);

/// `text` filled with `fill` up to `width` characters, on the left unless `onRight`;
/// a longer text is returned whole.
QString ZeroPad(const QString& text, int width, QChar fill = QLatin1Char('0'),
                bool onRight = false);
/// Hours (kind 0), minutes (kind 1) or seconds (kind 2) of a "hh:mm:ss" text as an
/// integer; 0 when the part is missing or not a number, or for any other kind.
int TimePartOf(int kind, const QString& text);

} // namespace velkaris
