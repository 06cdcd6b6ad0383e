// The aspect search and the life-strategy table on calculated charts, checked against a
// plain count over every pair.

#include "CalcFixture.h"
#include "calc/AspectOrbProvider.h"
#include "calc/ChartAnalysis.h"
#include "core/SegedUtils.h"
#include "core/ZentavoConsts.h"

#include <cmath>

using namespace velkaris;
using namespace velkaris::test;

namespace {

struct TMoment {
    int y, mo, d, h, mi, zone;
    TPlace place;
    char house;
};

const TMoment Moments[] = {
    {2000, 1, 1, 13, 0, 1, {47, 30, false, 19, 3, false}, 'P'},
    {1955, 2, 24, 19, 15, -8, {37, 46, false, 122, 25, true}, 'K'},
    {1975, 6, 15, 14, 35, -3, {34, 36, true, 58, 23, true}, 'C'},
    {1912, 4, 15, 2, 20, -3, {41, 44, false, 49, 57, true}, 'O'},
    {2026, 12, 10, 10, 14, 1, {47, 30, false, 19, 3, false}, 'R'},
};

double Separation(double a, double b) {
    double s = std::fabs(a - b);
    return s > 180 ? std::fabs(s - 360) : s;
}

/// The orb a body pair gets: the larger of the two orders, halved for a conjunction
/// across houses or signs.
double PairOrb(const TAspectOrbProvider& orbs, int aspect, const TPlanet& a, const TPlanet& b) {
    auto orbOf = [&](const TPlanet& p) {
        const bool node = p.BodyId == BodyId::MeanNode || p.BodyId == BodyId::TrueNode;
        return orbs.OrbFor(aspect, p.BodyId, true,
                           node ? TOrbPointKind::Node : TOrbPointKind::Body);
    };
    double orb = std::max(orbOf(a), orbOf(b));
    if (aspect == 1 && (a.House != b.House || a.SignIndex() != b.SignIndex()))
        orb = RoundHalfEven(orb / 2 * 100) / 100;
    return orb;
}

class AspectsOnRealCharts : public TCalcTest {};

} // namespace

TEST_F(AspectsOnRealCharts, EveryPairWithinOrbAndNothingElse) {
    TTestSettings settings;
    const TAspectOrbProvider orbs;
    const std::vector<int> searched = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 24, 11, 25};
    for (const TMoment& m : Moments) {
        settings.SetHouse(QString(QLatin1Char(m.house)));
        TSzuletesiKepletInfo birth;
        FillBirth(birth, m.y, m.mo, m.d, m.h, m.mi, m.place, m.zone, 0);
        TCalcResult r;
        TSWECalculator calc(nullptr, &orbs, &settings);
        calc.SetResult(&r);
        calc.Calculate(&birth);

        int bodyPairs = 0;
        r.Aspects.ForEach([&](const TAspectInfo& a) {
            ASSERT_EQ(a.Kind1, PointBody);
            const TPlanet* p = r.Planets.Find(a.Id1);
            ASSERT_NE(p, nullptr);
            double other = 0;
            if (a.Kind2 == PointBody) {
                other = r.Planets.Find(a.Id2)->Longitude;
                ++bodyPairs;
            } else if (a.Kind2 == PointAxis) {
                other = r.Axes.Find(a.Id2)->Longitude;
            } else {
                other = r.Houses.LongitudeOf(a.Id2);
            }
            EXPECT_LE(
                std::fabs(Separation(p->Longitude, other) - AspectInfo(a.AspectId).ExactAngle),
                a.Orb + 1e-12);
            EXPECT_NEAR(
                a.Deviation,
                std::fabs(Separation(p->Longitude, other) - AspectInfo(a.AspectId).ExactAngle),
                1e-9);
        });

        int expectedPairs = 0;
        for (size_t i = 0; i < searched.size(); ++i) {
            for (size_t j = i + 1; j < searched.size(); ++j) {
                const TPlanet& a = *r.Planets.Find(searched[i]);
                const TPlanet& b = *r.Planets.Find(searched[j]);
                for (int f = 1; f <= AspectCount; ++f) {
                    const double deviation =
                        std::fabs(Separation(a.Longitude, b.Longitude) - AspectInfo(f).ExactAngle);
                    if (deviation > PairOrb(orbs, f, a, b))
                        continue;
                    ++expectedPairs;
                    EXPECT_TRUE(r.Aspects.Exists(a.BodyId, PointBody, b.BodyId, PointBody, f))
                        << m.y << ": " << a.BodyId << "-" << b.BodyId << " aspect " << f;
                }
            }
        }
        EXPECT_EQ(bodyPairs, expectedPairs) << m.y;

        const int closed = static_cast<int>(ClosedSignsOfFirstHouse(r).size());
        EXPECT_EQ(r.LifeStrategy(4, 5), closed == 0 ? 28 : 27 + closed) << m.y;
    }
}
