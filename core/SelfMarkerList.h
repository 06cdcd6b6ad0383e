#pragma once

#include "HouseCusp.h"
#include "Planet.h"

#include <variant>
#include <vector>

namespace velkaris {

/// A closed sign of the first house acting as an ego-state marker.
class TZodiacSignForSelfMarkers {
public:
    /// The middle of the sign: 30 * index + 15.
    double Longitude = 0;
    /// Sign number 1-12.
    int SignNumber = 0;
};

/// An ego-state marker: a body, a house cusp or a sign.
using TSelfMarker = std::variant<TPlanet, THouseCusp, TZodiacSignForSelfMarkers>;

/// The ego-state markers of a chart, held as copies.
class TSelfMarkerList {
public:
    /// Adds a copy of `body` unless a body with its id is already held; true when added.
    bool AddCopy(const TPlanet& body);
    void AddCopy(const THouseCusp& cusp);
    void AddCopy(const TZodiacSignForSelfMarkers& sign);

    int Count() const { return static_cast<int>(m_Items.size()); }
    /// Marker `index`; null past the end.
    const TSelfMarker* At(int index) const;
    bool ContainsBody(int bodyId) const;
    void Clear() { m_Items.clear(); }

private:
    std::vector<TSelfMarker> m_Items;
};

} // namespace velkaris
