#include "AspectSearch.h"

#include "AspectOrbProvider.h"
#include "core/CalcResult.h"
#include "core/Messages.h"
#include "core/SegedUtils.h"
#include "core/VelkarisError.h"
#include "core/ZentavoConsts.h"
#include "data/SettingsProvider.h"

#include <cmath>
#include <optional>

namespace velkaris {

namespace {

struct TMatch {
    double Deviation;
    quint8 Exactness;
};

/// Separation of two longitudes folded into 0-180 and tested against the aspect.
std::optional<TMatch> Matches(int aspectId, double orb, double a, double b) {
    double separation = std::fabs(a - b);
    if (separation > 180)
        separation = std::fabs(separation - 360);
    const double exact = AspectInfo(aspectId).ExactAngle;
    if (separation == exact)
        return TMatch{0, 1};
    if (exact - orb <= separation && separation <= exact + orb)
        return TMatch{std::fabs(exact - separation), 4};
    return std::nullopt;
}

double HalvedOrb(double orb) {
    return RoundHalfEven(orb / 2 * 100) / 100;
}

class TSearch {
public:
    TSearch(TCalcResult& result, const TAspectOrbProvider& orbs, const TAspectSearchSettings& s)
        : m_Result(result), m_Orbs(orbs), m_Settings(s) {}

    void Run() {
        m_Result.Aspects.Clear();
        m_Result.Planets.ForEach([](TPlanet& p) {
            p.HasShownAspect = false;
            if (p.BodyId >= 0 && p.BodyId <= 9) {
                p.IsFeral = false;
                p.IsIsolated = false;
            }
        });
        std::vector<TPlanet*> bodies;
        for (int id : m_Settings.BodyIds) {
            if (TPlanet* p = m_Result.Planets.Find(id))
                bodies.push_back(p);
        }
        for (TPlanet* a : bodies) {
            for (TPlanet* b : bodies) {
                if (a != b)
                    BodyPair(*a, *b);
            }
            AxesOf(*a);
            CuspsOf(*a);
        }
        MarkFeralAndIsolated();
    }

private:
    bool AspectOn(const std::bitset<13>& set, int aspectId) const {
        return set.test(static_cast<size_t>(aspectId));
    }

    void BodyPair(TPlanet& a, TPlanet& b) {
        const bool aStar = IsFixedStarId(a.BodyId);
        const bool bStar = IsFixedStarId(b.BodyId);
        for (int f = 1; f <= AspectCount; ++f) {
            double orb = m_Orbs.OrbFor(f, a.BodyId, m_Settings.Simple, TOrbPointKind::Body);
            if (a.BodyId == BodyId::MeanNode || a.BodyId == BodyId::TrueNode)
                orb = m_Orbs.OrbFor(f, a.BodyId, m_Settings.Simple, TOrbPointKind::Node);
            if (aStar || bStar)
                orb = m_Settings.FixedStarOrb;
            if (f == 1 && (a.House != b.House || a.SignIndex() != b.SignIndex()))
                orb = HalvedOrb(orb);
            const auto match = Matches(f, orb, a.Longitude, b.Longitude);
            if (!match)
                continue;
            if (m_Result.Aspects.AddIfNew(a.BodyId, PointBody, orb, match->Deviation,
                                          match->Exactness, f, PointBody, b.BodyId)) {
                MarkShown(a, b, f);
                MarkShown(b, a, f);
            }
        }
    }

    void MarkShown(TPlanet& a, const TPlanet& b, int f) {
        const bool aStar = IsFixedStarId(a.BodyId);
        const bool bStar = IsFixedStarId(b.BodyId);
        if (!aStar && AspectOn(m_Settings.EnabledAspects, f) && bStar &&
            m_Settings.AspectedBodies.contains(a.BodyId))
            a.HasShownAspect = true;
        else if (aStar && AspectOn(m_Settings.StarAspects, f) && !bStar &&
                 m_Settings.AspectedBodies.contains(b.BodyId))
            a.HasShownAspect = true;
        else if (!aStar && !bStar)
            a.HasShownAspect = true;
    }

    void PointAspects(TPlanet& a, int pointId, quint8 kind, double longitude, TOrbPointKind orbKind,
                      bool aspectedPoint) {
        const bool aStar = IsFixedStarId(a.BodyId);
        for (int f = 1; f <= AspectCount; ++f) {
            const double orb = m_Orbs.OrbFor(f, 1, m_Settings.Simple, orbKind);
            const auto match = Matches(f, orb, a.Longitude, longitude);
            if (!match)
                continue;
            m_Result.Aspects.AddIfNew(a.BodyId, PointBody, orb, match->Deviation, match->Exactness,
                                      f, kind, pointId);
            if ((!aStar && AspectOn(m_Settings.EnabledAspects, f)) ||
                (aStar && AspectOn(m_Settings.StarAspects, f) && aspectedPoint))
                a.HasShownAspect = true;
        }
    }

    void AxesOf(TPlanet& a) {
        m_Result.Axes.ForEach([&](const TAxis& x) {
            // The ninth value of the library's axis output is an unused placeholder at 0°.
            if (x.AxisId < 0 || x.AxisId >= AxisId::CountPlaceholder)
                return;
            const TOrbPointKind kind = x.AxisId == AxisId::Ascendant ? TOrbPointKind::Ascendant
                                       : x.AxisId == AxisId::MediumCoeli
                                           ? TOrbPointKind::MediumCoeli
                                           : TOrbPointKind::OtherPoint;
            PointAspects(a, x.AxisId, PointAxis, x.Longitude, kind,
                         m_Settings.AspectedAxes.test(static_cast<size_t>(x.AxisId)));
        });
    }

    void CuspsOf(TPlanet& a) {
        for (int n : {2, 3, 4, 5, 6, 7, 8, 9, 11, 12}) {
            const THouseCusp* c = m_Result.Houses.Find(n);
            if (!c)
                continue;
            PointAspects(a, n, PointHouse, c->Longitude, TOrbPointKind::OtherPoint,
                         m_Settings.AspectedHouses.test(static_cast<size_t>(n)));
        }
    }

    TAspectInfoList PlanetAspectsOf(int id) const {
        TByteSet planets;
        for (int p : TenPlanets)
            planets.set(static_cast<size_t>(p));
        TAspectInfoList collected;
        m_Result.Aspects.CollectAspectsOf(id, PointBody, planets, collected);
        return collected;
    }

    static bool IsSingleConjunction(const TAspectInfoList& list) {
        return list.Count() == 1 && list.At(0)->AspectId == 1;
    }

    void MarkFeralAndIsolated() {
        for (int id : TenPlanets) {
            TPlanet* p = m_Result.Planets.Find(id);
            if (!p)
                continue;
            const TAspectInfoList own = PlanetAspectsOf(id);
            if (own.IsEmpty()) {
                p->IsFeral = true;
                continue;
            }
            bool allConjunctions = true;
            own.ForEach([&](const TAspectInfo& a) { allConjunctions &= a.AspectId == 1; });
            p->IsIsolated = allConjunctions;
            if (IsSingleConjunction(own)) {
                const TAspectInfo& c = *own.At(0);
                if (IsSingleConjunction(PlanetAspectsOf(c.Id1)) &&
                    IsSingleConjunction(PlanetAspectsOf(c.Id2))) {
                    p->IsIsolated = false;
                    p->IsFeral = true;
                }
            }
        }
    }

    TCalcResult& m_Result;
    const TAspectOrbProvider& m_Orbs;
    const TAspectSearchSettings& m_Settings;
};

} // namespace

TAspectSearchSettings AspectSearchSettingsFrom(const TSettingsProvider& settings) {
    TAspectSearchSettings s;
    s.BodyIds.assign(TenPlanets.begin(), TenPlanets.end());
    if (settings.GetShowMinorBodies())
        s.BodyIds.insert(s.BodyIds.end(), MinorBodyIds.begin(), MinorBodyIds.end());
    if (settings.GetShowFixedStars()) {
        QString stars = settings.GetSelectedStarIds();
        if (stars.endsWith(QLatin1Char(',')))
            stars.chop(1);
        for (const QString& entry : stars.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
            bool ok = false;
            const int id = entry.trimmed().toInt(&ok);
            if (!ok)
                throw EVelkarisError(GetMessageText(u"uZentavoCalculator_BadStarId") +
                                     QLatin1Char(' ') + entry);
            s.BodyIds.push_back(id);
        }
    }
    for (int node :
         {BodyId::MeanNode, BodyId::MeanSouthNode, BodyId::TrueNode, BodyId::TrueSouthNode})
        s.BodyIds.push_back(node);
    s.Simple = !settings.GetUseDetailedOrbs();
    s.FixedStarOrb = settings.GetFixedStarOrbDeg();
    const TIntSet enabled = settings.GetLookedForAspectSet();
    const TIntSet stars = settings.GetFixedStarAspectSet();
    for (int aspect = 1; aspect <= AspectCount; ++aspect) {
        s.EnabledAspects.set(static_cast<size_t>(aspect), enabled.Contains(aspect));
        s.StarAspects.set(static_cast<size_t>(aspect), stars.Contains(aspect));
    }
    for (const QString& id :
         settings.GetAspectedBodyIds().split(QLatin1Char(';'), Qt::SkipEmptyParts))
        s.AspectedBodies.insert(id.toInt());
    const TIntSet axes = settings.GetAspectedAxisSet();
    for (int axis : {AxisId::Ascendant, AxisId::MediumCoeli})
        s.AspectedAxes.set(static_cast<size_t>(axis), axes.Contains(axis));
    const TIntSet houses = settings.GetAspectedHouseSet();
    for (int house = 1; house <= HouseCount; ++house)
        s.AspectedHouses.set(static_cast<size_t>(house), houses.Contains(house));
    return s;
}

void FindAspects(TCalcResult& result, const TAspectOrbProvider& orbs,
                 const TAspectSearchSettings& settings) {
    TSearch(result, orbs, settings).Run();
}

} // namespace velkaris
