#pragma once

#include "AspectInfo.h"
#include "Axis.h"
#include "DateTime.h"
#include "HouseCusp.h"
#include "PlanetList.h"
#include "SelfMarkerList.h"

#include <QByteArray>
#include <QtGlobal>
#include <optional>

namespace velkaris {

/// How a chart is shown.
namespace ChartKind {
inline constexpr quint8 Unassigned = 0;
inline constexpr quint8 Natal = 1;
inline constexpr quint8 FirstOfTwo = 3;
inline constexpr quint8 SynastryPartner = 4;
inline constexpr quint8 Transit = 5;
inline constexpr quint8 PrimaryDirection = 6;
inline constexpr quint8 ProgressedMoon = 7;
inline constexpr quint8 SolarReturn = 8;
inline constexpr quint8 Perspective = 9;
inline constexpr quint8 SelfMarkerView = 10;
inline constexpr quint8 CurrentSky = 11;
inline constexpr quint8 PlanetReturn = 12;
inline constexpr quint8 AriesZero = 13;
} // namespace ChartKind

/// Everything the calculator derives from a birth record.
class TCalcResult {
public:
    TAspectInfoList Aspects;
    TAxisList Axes;
    quint8 ChartKind = ChartKind::Unassigned;
    /// Cusps 0-12; cusp 0 is a placeholder that no calculation reads.
    THouseList Houses;
    TPlanetList Planets;
    TSelfMarkerList SelfMarkers;
    quint8 BaseChartKind = ChartKind::Unassigned;
    /// Ayanamsa at the chart's UT, degrees; filled for tropical charts too.
    double Ayanamsa = 0;
    /// True obliquity of the ecliptic, degrees.
    double Obliquity = 0;
    /// Local sidereal time; only hours and minutes are meaningful.
    TDateTime SiderealTime;
    TDateTime UniversalTime;
    /// Owned copies of the Ascendant and the Medium Coeli, made on first calculation.
    std::optional<TAxis> AscendantAxis;
    std::optional<TAxis> MidheavenAxis;
    /// Life-strategy scores; use `LifeStrategy(row, column)` with 1-based indices.
    quint16 LifeStrategyTable[4][5] = {};
    QByteArray EmphasizedSigns;
    QByteArray UntroddenSigns;

    /// Cell (row 1-4, column 1-5) of the life-strategy table.
    quint16& LifeStrategy(int row, int column) { return LifeStrategyTable[row - 1][column - 1]; }
    quint16 LifeStrategy(int row, int column) const {
        return LifeStrategyTable[row - 1][column - 1];
    }

    void SetChartKind(quint8 kind);
    void RestoreChartKind() { ChartKind = BaseChartKind; }
};

} // namespace velkaris
