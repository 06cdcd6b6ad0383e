#pragma once

#include <QString>
#include <optional>

namespace velkaris {

/// A zone offset from UT: signed whole hours and minutes, the minutes taking the sign
/// of the hours (-3:30 is Hour -3, Minute -30).
struct TZoneOffset {
    int Hour = 0;
    int Minute = 0;

    double Hours() const { return Hour + Minute / 60.0; }
};

/// Answers which zone is in force in a country at a longitude and local moment.
class TZoneProvider {
public:
    virtual ~TZoneProvider() = default;
    /// The zone of country `countryId` at `longitude` (east positive, -999 for none) and
    /// the Julian day `localJulianDay` of the local clock moment; nullopt when no rule is
    /// known.
    virtual std::optional<TZoneOffset> ResolveZoneOffset(const QString& countryId, double longitude,
                                                         double localJulianDay) const = 0;
};

} // namespace velkaris
