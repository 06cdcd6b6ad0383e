#pragma once

#include "AspectOrbProvider.h"
#include "BaseCalculator.h"

namespace velkaris {

class TFixedStarLookup;

/// The chart calculator on the Swiss Ephemeris.
///
/// Every operation recomputes from `Birth`; nothing is kept between calculations. The
/// library keeps global state, so a calculator is used from one thread only.
class TSWECalculator : public TBaseCalculator {
public:
    using TBaseCalculator::TBaseCalculator;

    /// Fills the result set with `SetResult` from `birth`: houses and axes, bodies, fixed
    /// stars, then `PostProcess`. Nothing happens for a null record. Throws
    /// EVelkarisError when the record's date or zone cannot give a moment.
    void Calculate(const TSzuletesiKepletInfo* birth);

    /// The steps after the positions, in this order: house placement and closed signs,
    /// the aspect search, the ego states, the life-strategy table, the house lords.
    void PostProcess();

    /// The aspect search of `PostProcess` with the orb table and the settings.
    void FindAspects();
    void FindSelfMarkers();
    void BuildLifeStrategy();
    void FindHouseLords();

    /// Julian day (UT) of the chart moment, from hour and minute of `LocalToUT`.
    double JulianDayUT() const;
    /// `JulianDayUT` plus delta T.
    double JulianDayET() const;
    /// The chart moment in UT (signed year; BC year Y is -Y).
    TDateTime LocalToUT(const TLocalToUTOverrides& overrides = {}) const;
    /// Local sidereal time in hours (not brought into 0-24).
    double LocalSiderealTime() const;
    /// True obliquity of the ecliptic at the chart moment, degrees.
    double Obliquity() const;

    /// The star table the selected fixed stars are looked up in; not owned, may be null.
    void SetFixedStars(const TFixedStarLookup* stars) { m_FixedStars = stars; }

    /// Latitude and longitude of the record in signed degrees (north, east positive).
    double Latitude() const;
    double Longitude() const;

protected:
    void CalcHouses() override;
    void CalcBodies() override;
    void CalcFixedStars() override;

    /// Library flags for positions and houses: SEFLG_SIDEREAL when the zodiac is
    /// sidereal.
    int SiderealFlag() const;
    void PlaceBodiesInHouses();

private:
    const TFixedStarLookup* m_FixedStars = nullptr;
    /// The default orbs, for a calculator created without an orb table.
    TAspectOrbProvider m_DefaultOrbs;

    double ZoneOffsetHours(const TSzuletesiKepletInfo& birth, const TLocalToUTOverrides& o,
                           const TDateTime& local) const;
    static double JulianDayOfMoment(const TDateTime& t);
    static double ObliquityAt(double jdET);
};

} // namespace velkaris
