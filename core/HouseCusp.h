#pragma once

#include "OwningList.h"

namespace velkaris {

/// One house cusp; number 0 is the placeholder the library leaves at 0.
class THouseCusp {
public:
    int Number = 0;
    double Longitude = 0;

    int SignIndex() const;
    double DegreesInSign() const;
};

/// The thirteen cusps 0-12 of a chart.
class THouseList : public TOwningList<THouseCusp> {
public:
    THouseCusp& AddOrUpdate(int number, double longitude);
    THouseCusp* Find(int number) const;
    bool Contains(int number) const { return Find(number) != nullptr; }
    /// Longitude of cusp `number`; 0 when the list lacks it.
    double LongitudeOf(int number) const;
};

} // namespace velkaris
