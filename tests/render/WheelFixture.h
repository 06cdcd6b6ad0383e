#pragma once

#include "calc/AspectOrbProvider.h"
#include "calc/CalcFixture.h"
#include "core/CalcResult.h"
#include "core/SzuletesiKepletInfo.h"
#include "core/ZentavoConsts.h"
#include "data/SettingsINIFileLoader.h"
#include "data/SettingsKeys.h"
#include "data/SettingsProvider.h"
#include "render/ChartFonts.h"

#include <QString>
#include <array>
#include <memory>

namespace velkaris::test {

/// The store behind TWheelSettings, built before the provider that reads it.
struct TWheelSettingsStore {
    TSettingsINIFileLoader Store;
};

/// The default settings of a fresh installation, in memory, with setters for the keys
/// the wheel reads.
class TWheelSettings : private TWheelSettingsStore, public TSettingsProvider {
public:
    TWheelSettings() : TSettingsProvider(Store) { Store.RestoreDefaults(); }
    void Set(QLatin1StringView section, QLatin1StringView key, bool on) {
        Store.WriteBool(section, key, on);
    }
    void SetInteger(QLatin1StringView section, QLatin1StringView key, int value) {
        Store.WriteInteger(section, key, value);
    }
    void SetString(QLatin1StringView section, QLatin1StringView key, const QString& value) {
        Store.WriteString(section, key, value);
    }
    void SetTicks(bool outer, bool inner, bool aspectCircle) {
        Set(SettingsSection::chkbFokjelolok, SettingsKey::OUTERZODIACDEG, outer);
        Set(SettingsSection::chkbFokjelolok, SettingsKey::INNERZODIACDEG, inner);
        Set(SettingsSection::chkbFokjelolok, SettingsKey::INNERASPECTDEG, aspectCircle);
    }
    void SetCuspLine(int house, bool on) {
        Set(SettingsSection::chkbHazHatarok, SettingsKey::Houses[house - 1], on);
    }
};

/// A chart of the given kind with cusps 1-12 at `cusps` and the ascendant and midheaven
/// at the longitudes of cusps 1 and 10 (or `mc`).
inline std::unique_ptr<TCalcResult> HandBuiltChart(const std::array<double, 12>& cusps,
                                                   quint8 kind = ChartKind::Natal, double mc = -1) {
    auto r = std::make_unique<TCalcResult>();
    r->SetChartKind(kind);
    r->Houses.AddOrUpdate(0, 0);
    for (int n = 1; n <= 12; ++n)
        r->Houses.AddOrUpdate(n, cusps[static_cast<size_t>(n - 1)]);
    r->Axes.AddOrUpdate(AxisId::Ascendant, cusps[0]);
    r->Axes.AddOrUpdate(AxisId::MediumCoeli, mc >= 0 ? mc : cusps[9]);
    return r;
}

/// Equal houses of 30 degrees from `ascendant`.
inline std::array<double, 12> EqualCusps(double ascendant) {
    std::array<double, 12> cusps{};
    for (int n = 0; n < 12; ++n) {
        double c = ascendant + 30 * n;
        cusps[static_cast<size_t>(n)] = c >= 360 ? c - 360 : c;
    }
    return cusps;
}

/// Placidus cusps of 15 June 1975, 08:30 CET, Budapest.
inline constexpr std::array<double, 12> BudapestCusps = {
    139.18244278006676, 158.9555, 184.2502, 216.85286105757543, 254.8049, 290.2258,
    319.18244278006676, 338.9555, 4.2502,   36.85286105757543,  74.8049,  110.2258};

/// A birth moment and place: local time with a whole-hour zone, degrees and minutes
/// north and east (west with `West`).
struct TBirthMoment {
    int Year, Month, Day, Hour, Minute, Zone;
    int LatDeg, LatMin, LonDeg, LonMin;
    bool West = false;
};

/// The natal chart of `moment` calculated with `settings` on the ephemeris files Debian
/// ships, with its analysis (aspects, ego states, house lords).
inline std::unique_ptr<TCalcResult> CalculatedChart(const TBirthMoment& m,
                                                    const TSettingsProvider& settings,
                                                    quint8 kind = ChartKind::Natal) {
    qunsetenv("SE_EPHE_PATH");
    const TSWESession session(QString::fromLatin1(EphemerisFolder));
    TSzuletesiKepletInfo birth;
    FillBirth(birth, m.Year, m.Month, m.Day, m.Hour, m.Minute,
              {m.LatDeg, m.LatMin, false, m.LonDeg, m.LonMin, m.West}, m.Zone, 0);
    TAspectOrbProvider orbs;
    orbs.LoadRows(settings);
    TSWECalculator calculator(nullptr, &orbs, &settings);
    auto result = std::make_unique<TCalcResult>();
    result->SetChartKind(kind);
    calculator.SetResult(result.get());
    calculator.Calculate(&birth);
    return result;
}

/// Every display option of the wheel on: degrees, status letters, house lords, the rulers
/// beside the signs, all tick bands, the nodes, Chiron and the other minor bodies, every
/// aspect with its glyph, the axes and the ego-state markers.
inline void SwitchEverythingOn(TWheelSettings& s) {
    namespace S = SettingsSection;
    namespace K = SettingsKey;
    for (const auto& key :
         {K::PLANETDEG, K::RETROGADE, K::STACIONER, K::FERALIS, K::HOUSELORDS, K::SELFMARKERS})
        s.Set(S::chkbEgyebMegjelenitesek, key, true);
    s.Set(S::chkbZodiakusJelek, K::KELL_E_ANALOG, true);
    s.SetTicks(true, true, true);
    for (const auto& key : {K::FELSZ_NODE, K::LESZ_NODE}) {
        s.Set(S::chkbHoldcsomo, key, true);
        s.Set(S::chkbFenyszogeltCsompontok, key, true);
    }
    s.Set(S::chkbKisBolygok, K::KELL_E_MEGJELENITES, true);
    for (int k : {0, 1, 2, 3, 4, 5, 7}) // Chiron, Pholus, the four asteroids, Lilith
        s.Set(S::chkbKisBolygok, K::MinorBodies[static_cast<size_t>(k)].Key, true);
    for (int a = 0; a < 12; ++a) {
        s.Set(S::chkbFenyszogek, K::AspectSwitches[static_cast<size_t>(a)], true);
        s.Set(S::chkbFenyszogJelek, K::AspectSwitches[static_cast<size_t>(a)], true);
    }
    for (int axis = 0; axis < 8; ++axis)
        s.Set(S::chkbTengelyek, K::Axes[static_cast<size_t>(axis)], true);
    for (int axis = 0; axis < 4; ++axis)
        s.Set(S::chkbFenyszogeltTengelyek, K::Axes[static_cast<size_t>(axis)], true);
}

/// The symbol font of the source tree, registered once for the test program.
inline void UseChartFonts() {
    static const bool done = [] {
        RegisterChartFonts(
            QStringLiteral(VELKARIS_SOURCE_DIR "/share/velkaris/fonts/VelkarisWIN.ttf"));
        return true;
    }();
    (void)done;
}

} // namespace velkaris::test
