#pragma once

#include "FixedStarLookup.h"

#include <QString>

namespace velkaris {

/// Turns any body id (planets, nodes, asteroids, comets, stars, axes) into its symbol
/// text and its display name.
///
/// Holds no state of its own; the star table and the library's planet names are
/// borrowed and may be absent, in which case stars and unknown numbers get empty texts.
class TPlanetConstInfoProvider {
public:
    explicit TPlanetConstInfoProvider(const TFixedStarLookup* stars = nullptr,
                                      const TLibraryPlanetNames* libraryNames = nullptr)
        : m_Stars(stars), m_LibraryNames(libraryNames) {}

    /// The text that draws body `id`; empty for ids without one.
    QString SymbolText(int id) const;
    /// The name shown for body `id`.
    QString DisplayName(int id) const;

private:
    const TFixedStarLookup* m_Stars;
    const TLibraryPlanetNames* m_LibraryNames;
};

} // namespace velkaris
