#pragma once

#include "core/FixedStarLookup.h"

#include <QString>

namespace velkaris {

/// The ephemeris library's global state for one run: sets the search path for the
/// ephemeris files on creation and closes the library's files when destroyed.
class TSWESession {
public:
    explicit TSWESession(const QString& ephemerisPath);
    ~TSWESession();
    TSWESession(const TSWESession&) = delete;
    TSWESession& operator=(const TSWESession&) = delete;

    /// The library's version text.
    static QString LibraryVersion();
};

/// The planet names the ephemeris library gives.
class TSWEPlanetNames : public TLibraryPlanetNames {
public:
    QString LibraryPlanetName(int planetNumber) const override;
};

} // namespace velkaris
