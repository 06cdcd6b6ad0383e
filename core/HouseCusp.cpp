#include "HouseCusp.h"

#include "SegedUtils.h"

namespace velkaris {

int THouseCusp::SignIndex() const {
    return SignIndexOf(Longitude);
}

double THouseCusp::DegreesInSign() const {
    return velkaris::DegreesInSign(Longitude);
}

THouseCusp& THouseList::AddOrUpdate(int number, double longitude) {
    THouseCusp* cusp = Find(number);
    if (!cusp)
        cusp = &Append(std::make_unique<THouseCusp>());
    cusp->Number = number;
    cusp->Longitude = longitude;
    return *cusp;
}

THouseCusp* THouseList::Find(int number) const {
    return FindIf([number](const THouseCusp& c) { return c.Number == number; });
}

double THouseList::LongitudeOf(int number) const {
    const THouseCusp* cusp = Find(number);
    return cusp ? cusp->Longitude : 0;
}

} // namespace velkaris
