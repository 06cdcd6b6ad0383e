#pragma once

#include "core/DateTime.h"

#include <QString>
#include <optional>

namespace velkaris {

class TAspectOrbProvider;
class TCalcResult;
class TSettingsProvider;
class TSzuletesiKepletInfo;
class TZoneProvider;

/// What `LocalToUT` may be told instead of the record's own values. The country and the
/// longitude take effect only together with a date.
struct TLocalToUTOverrides {
    const TSzuletesiKepletInfo* Birth = nullptr;
    std::optional<QString> Country;
    /// A local clock moment with a signed year (BC year Y is -Y).
    std::optional<TDateTime> Date;
    /// East-positive degrees; -999 for the record's own longitude.
    double Longitude = -999;
};

/// The calculator of charts: turns a birth record into a calculation result.
class TBaseCalculator {
public:
    TBaseCalculator(const TZoneProvider* zoneProvider, const TAspectOrbProvider* orbProvider,
                    const TSettingsProvider* settings)
        : OrbProvider(orbProvider), ZoneProvider(zoneProvider), Settings(settings) {}
    virtual ~TBaseCalculator() = default;
    TBaseCalculator(const TBaseCalculator&) = delete;
    TBaseCalculator& operator=(const TBaseCalculator&) = delete;

    /// The result the next calculation fills in place; not owned.
    void SetResult(TCalcResult* result) { Result = result; }
    TCalcResult* GetResult() const { return Result; }
    const TSzuletesiKepletInfo* GetBirth() const { return Birth; }

protected:
    virtual void CalcHouses() = 0;
    virtual void CalcBodies() = 0;
    virtual void CalcFixedStars() = 0;

    const TAspectOrbProvider* OrbProvider;
    const TZoneProvider* ZoneProvider;
    const TSettingsProvider* Settings;
    const TSzuletesiKepletInfo* Birth = nullptr;
    TCalcResult* Result = nullptr;
};

} // namespace velkaris
