#pragma once

#include "core/CalcResult.h"
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
