#pragma once

#include <QString>
#include <optional>

namespace velkaris {

/// Name and designation of one fixed star of the star table.
struct TFixedStarName {
    QString Name;
    /// Bayer or catalogue designation ("alTau"); may itself hold "name,designation".
    QString Designation;
};

/// Finds a fixed star of the star table by its id (10000001-10000737).
class TFixedStarLookup {
public:
    virtual ~TFixedStarLookup() = default;
    /// The star with `id`; nullopt when the table has no such star.
    virtual std::optional<TFixedStarName> FindStar(int id) const = 0;
};

/// The names the ephemeris library gives its planet numbers.
class TLibraryPlanetNames {
public:
    virtual ~TLibraryPlanetNames() = default;
    virtual QString LibraryPlanetName(int planetNumber) const = 0;
};

} // namespace velkaris
