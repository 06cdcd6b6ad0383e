#pragma once

#include <QSet>
#include <bitset>
#include <vector>

namespace velkaris {

class TAspectOrbProvider;
class TCalcResult;
class TSettingsProvider;

/// What the aspect search is told by the settings.
struct TAspectSearchSettings {
    /// The bodies searched, in order (bodies the result lacks are skipped).
    std::vector<int> BodyIds;
    /// Simple orb rows (else the detailed ones).
    bool Simple = true;
    /// Orb of every pair with a fixed star, degrees.
    double FixedStarOrb = 2.5;
    /// Aspects 1-12 shown between bodies, and with fixed stars.
    std::bitset<13> EnabledAspects;
    std::bitset<13> StarAspects;
    /// Bodies shown as aspected elements.
    QSet<int> AspectedBodies;
    /// Axis ids 0-8 and cusps 1-12 shown as aspected elements.
    std::bitset<9> AspectedAxes;
    std::bitset<13> AspectedHouses;
};

/// The search settings the settings give: the ten planets, then the minor bodies and the
/// selected fixed stars when they are shown, then the nodes. Throws EVelkarisError when
/// the fixed-star selection holds an entry that is not a number.
TAspectSearchSettings AspectSearchSettingsFrom(const TSettingsProvider& settings);

/// Finds every aspect between the listed bodies, and between them and the axis points
/// and the cusps 2-9, 11 and 12, with the orbs of `orbs`; marks which bodies take part
/// in a shown aspect, and the feral and isolated planets.
void FindAspects(TCalcResult& result, const TAspectOrbProvider& orbs,
                 const TAspectSearchSettings& settings);

} // namespace velkaris
