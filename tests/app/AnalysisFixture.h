#pragma once

#include "calc/ChartAnalysis.h"
#include "core/CalcResult.h"

#include <cmath>

namespace velkaris::test {

/// The Sun at 0°22'08" Leo, so that the place shows minutes and seconds.
inline constexpr double SunLongitude = 120 + 22.0 / 60 + 8.5 / 3600;

/// A chart whose first house runs from 25° Aquarius to 10° Gemini, so that Pisces, Aries
/// and Taurus are closed in it, with all ten planets placed by hand and the analysis run.
inline void FillChartWithClosedFirstHouse(TCalcResult& r) {
    const double cusps[12] = {325, 70, 95, 115, 125, 135, 145, 250, 275, 295, 305, 315};
    r.Houses.AddOrUpdate(0, 0);
    for (int i = 0; i < 12; ++i)
        r.Houses.AddOrUpdate(i + 1, cusps[i]);
    r.Axes.AddOrUpdate(0, cusps[0]);
    r.Axes.AddOrUpdate(1, cusps[9]);
    struct {
        int Id;
        double Longitude;
        int House;
    } const bodies[] = {{0, SunLongitude, 4}, {1, 200, 7}, {2, 95, 3},  {3, 330, 1},
                        {4, 260, 8},          {5, 100, 3}, {6, 140, 6}, {7, 300, 10},
                        {8, 250.5, 8},        {9, 225, 7}};
    for (const auto& b : bodies)
        r.Planets.AddOrUpdate(b.Id, b.Longitude, 1).House = b.House;
    FindSelfMarkers(r);
    BuildLifeStrategy(r);
}

} // namespace velkaris::test
