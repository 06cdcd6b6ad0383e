#include "WheelGeometry.h"

#include "RenderMath.h"
#include "core/SegedUtils.h"

#include <algorithm>
#include <cmath>

namespace velkaris::WheelGeometry {

using RenderMath::Rnd;

namespace {

constexpr double DegToRadFactor = 0.017453292519943295;

} // namespace

int BaseFontSize(int diameter) {
    return 12 - (450 - diameter) / 55;
}

int ZodiacRingWidth(int radius) {
    return radius / 6;
}

int DegreeBandWidth(int radius) {
    return Rnd((radius / 6) * 0.8);
}

int PlanetRingBase(int radius) {
    return radius / 6 - Rnd((radius / 6 - Rnd((radius / 2) * 0.8)) / 2.0);
}

double DampedFontScale(double multiplier) {
    const double whole = std::trunc(multiplier);
    return whole + (multiplier - whole) * 3 / 10;
}

int InnerCircleOffset(int radius, bool linesToPlanets) {
    return Rnd((radius / 2) * (linesToPlanets ? 1.76 : 1.15));
}

int HouseNumberCircleOffset(int radius, bool linesToPlanets) {
    return Rnd(InnerCircleOffset(radius, linesToPlanets) * (linesToPlanets ? 0.92 : 0.85));
}

int AspectCircleOffset(int radius) {
    return Rnd(radius - PlanetRingBase(radius) * 2.3);
}

int PlanetRingOffset(int radius, int chartIndex, bool overlay, int margin, double multiplier) {
    if (chartIndex > 0 && overlay)
        return -Rnd(margin * 0.4);
    return Rnd(PlanetRingBase(radius) * DampedFontScale(multiplier));
}

int WheelTurn(double ascendant) {
    return Rnd(ascendant);
}

double ScreenAngle(double longitude, int turn) {
    return 360 - (longitude - turn + 180);
}

double StepAlongRing(double longitude, double step) {
    const double moved = longitude + step;
    if (moved < 0)
        return 360;
    if (moved > 360)
        return 0;
    return moved;
}

TCanvasPoint WheelPoint(int centerX, int centerY, double r, double longitude, int turn) {
    const double theta = ScreenAngle(longitude, turn) * DegToRadFactor;
    return {centerX + Rnd(r * std::cos(theta)), centerY + Rnd(r * std::sin(theta))};
}

namespace {

constexpr double VerticalSlope = 9999999999.0;

double Slope(TCanvasPoint p1, TCanvasPoint p2) {
    if (p1.X == p2.X)
        return VerticalSlope;
    const double k = static_cast<double>(p2.Y - p1.Y) / (p2.X - p1.X);
    return std::fabs(k) >= VerticalSlope ? VerticalSlope : k;
}

bool WithinBox(TCanvasPoint p, TCanvasPoint e1, TCanvasPoint e2) {
    return std::min(e1.X, e2.X) <= p.X && p.X <= std::max(e1.X, e2.X) &&
           std::min(e1.Y, e2.Y) <= p.Y && p.Y <= std::max(e1.Y, e2.Y);
}

/// Sign of the orientation of `p` against the edge from `a` to `b`: -1, 0 or 1.
int Orientation(double ax, double ay, double bx, double by, double px, double py) {
    const double cross = (bx - ax) * (py - ay) - (by - ay) * (px - ax);
    return cross > 0 ? 1 : (cross < 0 ? -1 : 0);
}

struct TPointD {
    double X, Y;
};

bool InTriangle(TPointD a, TPointD b, TPointD c, TPointD t) {
    const int s1 = Orientation(a.X, a.Y, b.X, b.Y, t.X, t.Y);
    const int s2 = Orientation(b.X, b.Y, c.X, c.Y, t.X, t.Y);
    const int s3 = Orientation(c.X, c.Y, a.X, a.Y, t.X, t.Y);
    if (s1 == s2 && s2 == s3)
        return true;
    // On an edge line: inside only when it is on a second one too (a corner).
    const int zeros = (s1 == 0) + (s2 == 0) + (s3 == 0);
    return zeros >= 2;
}

} // namespace

TSegmentIntersection SegmentIntersection(TCanvasPoint a1, TCanvasPoint a2, TCanvasPoint b1,
                                         TCanvasPoint b2) {
    TSegmentIntersection result;
    if (a1 == a2 || b1 == b2)
        return result; // state 1
    const double k1 = Slope(a1, a2);
    const double k2 = Slope(b1, b2);
    if (k1 == k2) {
        result.State = 0;
        return result;
    }
    const double c1 = a1.Y - k1 * a1.X;
    const double c2 = b1.Y - k2 * b1.X;
    const double x = (c2 - c1) / (k1 - k2);
    const double y = c1 + k1 * x;
    result.Point = {Rnd(x), Rnd(y)};
    result.State = WithinBox(result.Point, a1, a2) && WithinBox(result.Point, b1, b2) ? 2 : 3;
    if (result.Point.X < 0 || result.Point.Y < 0)
        result.State = 4;
    return result;
}

int FacingEdge(const TCanvasRect& box, TCanvasPoint target) {
    const TPointD a{(box.Left + box.Right) / 2.0, (box.Top + box.Bottom) / 2.0};
    const TPointD topRight{static_cast<double>(box.Right), static_cast<double>(box.Top)};
    const TPointD bottomRight{static_cast<double>(box.Right), static_cast<double>(box.Bottom)};
    auto onLineAt = [&](TPointD corner, double x) {
        const double dx = corner.X - a.X;
        const double k = dx == 0 ? 0 : (corner.Y - a.Y) / dx;
        return TPointD{x, a.Y + k * (x - a.X)};
    };
    const TPointD p = onLineAt(topRight, a.X + 1000);
    const TPointD q = onLineAt(bottomRight, a.X + 1000);
    const TPointD r{a.X - 1000, q.Y};
    const TPointD s{a.X - 1000, p.Y};
    const TPointD t{static_cast<double>(target.X), static_cast<double>(target.Y)};
    // The centre itself faces no side, although it is a corner of all four triangles.
    if (t.X == a.X && t.Y == a.Y)
        return 0;
    if (InTriangle(a, p, q, t))
        return 1;
    if (InTriangle(a, q, r, t))
        return 2;
    if (InTriangle(a, r, s, t))
        return 3;
    if (InTriangle(a, s, p, t))
        return 4;
    return 0;
}

} // namespace velkaris::WheelGeometry
