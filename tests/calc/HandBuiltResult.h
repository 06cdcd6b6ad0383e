#pragma once

#include "core/CalcResult.h"

#include <vector>

namespace velkaris::test {

/// A body placed by hand: id, longitude and house.
struct TBody {
    int Id;
    double Longitude;
    int House;
};

/// Adds the bodies to the result, each with a speed of 1 degree a day.
inline void AddBodies(TCalcResult& r, const std::vector<TBody>& bodies) {
    for (const TBody& b : bodies)
        r.Planets.AddOrUpdate(b.Id, b.Longitude, 1).House = b.House;
}

} // namespace velkaris::test
