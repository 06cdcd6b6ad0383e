#pragma once

#include "DateTime.h"

#include <QString>

namespace velkaris {

/// One moment found by the planet-return search.
class TPlanetRevDetails {
public:
    int BodyId = -1;
    /// Longitude at the found moment.
    double Longitude = 0;
    double Speed = 0;
    /// Signed whole hours and minutes of the zone in force at the place and moment (the
    /// minutes take the sign of the hours).
    int ZoneHour = 0;
    int ZoneMinute = 0;
    bool Selected = false;
    TDateTime FoundUT;
    double FoundJulianDay = 0;
    TDateTime FoundLocal;
    double FoundLocalJulianDay = 0;

    /// "YYYY.MM.DD. hh:mm:ss (+hh:mm) R", the zone and the retrograde mark of the moment.
    QString ToText() const;
};

} // namespace velkaris
