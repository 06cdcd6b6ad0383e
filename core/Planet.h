#pragma once

#include "HouseLordsContainer.h"

namespace velkaris {

/// One computed body of a chart: planet, node, asteroid, comet or fixed star.
class TPlanet {
public:
    /// The sign following the sign of the house cusp when the body stands in a sign
    /// wholly inside its house; -1 otherwise.
    int ClosedSign = -1;
    bool IsFeral = false;
    /// House 1-12 the body stands in; 0 until placed.
    int House = 0;
    bool InClosedSign = false;
    bool IsIsolated = false;
    bool IsSelfMarker = false;
    int BodyId = -1;
    /// Ecliptic longitude, degrees in [0, 360).
    double Longitude = 0;
    /// Daily motion in longitude, degrees per day; negative when retrograde.
    double Speed = 0;
    THouseLordsContainer HouseLords;
    bool HasShownAspect = false;

    int SignIndex() const;
    double DegreesInSign() const;
    bool IsRetrograde() const { return Speed < 0; }
    /// The speed lies strictly inside the stationary window of the body; the Sun, the
    /// Moon and every id from 10 up are never stationary.
    bool IsStationary() const;
};

} // namespace velkaris
