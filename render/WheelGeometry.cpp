#include "WheelGeometry.h"

#include "core/SegedUtils.h"

#include <cmath>

namespace velkaris::WheelGeometry {

namespace {

constexpr double DegToRadFactor = 0.017453292519943295;

int Rnd(double x) {
    return static_cast<int>(RoundHalfEven(x));
}

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

TCanvasPoint WheelPoint(int centerX, int centerY, double r, double longitude, int turn) {
    const double theta = ScreenAngle(longitude, turn) * DegToRadFactor;
    return {centerX + Rnd(r * std::cos(theta)), centerY + Rnd(r * std::sin(theta))};
}

} // namespace velkaris::WheelGeometry
