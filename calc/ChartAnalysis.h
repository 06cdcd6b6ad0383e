#pragma once

#include <QList>

namespace velkaris {

class TCalcResult;

/// The closed signs of the first house: the signs passed when stepping forward from
/// the sign of cusp 1 to the sign of cusp 2, both excluded.
QList<int> ClosedSignsOfFirstHouse(const TCalcResult& result);

/// Rebuilds the ego-state markers: the Sun, the Moon, cusp 1, the Ascendant's ruler, the
/// planets of the first house, the closed signs of the first house and their rulers.
/// Sets `IsSelfMarker` of the marked planets.
void FindSelfMarkers(TCalcResult& result);

/// Fills the life-strategy table and the emphasized and untrodden signs.
void BuildLifeStrategy(TCalcResult& result);

/// Fills the house lordships of the ten planets, direct and through closed signs.
void FindHouseLords(TCalcResult& result);

} // namespace velkaris
