#include "Planet.h"

#include "SegedUtils.h"

namespace velkaris {

namespace {

struct TStationaryWindow {
    double Lower;
    double Upper;
};

// Indexed by body id 2 (Mercury) ... 9 (Pluto).
constexpr TStationaryWindow StationaryWindows[] = {
    {-0.123, 0.123},  {-0.105, 0.105},     {-0.0565, 0.057},    {-0.0132, 0.0134},
    {-0.007, 0.0069}, {-0.00325, 0.00345}, {-0.00223, 0.00207}, {-0.00186, 0.00163},
};

} // namespace

int TPlanet::SignIndex() const {
    return SignIndexOf(Longitude);
}

double TPlanet::DegreesInSign() const {
    return velkaris::DegreesInSign(Longitude);
}

bool TPlanet::IsStationary() const {
    if (BodyId < 2 || BodyId > 9)
        return false;
    const TStationaryWindow& w = StationaryWindows[BodyId - 2];
    return w.Lower < Speed && Speed < w.Upper;
}

} // namespace velkaris
