#include "calc/ChartAnalysis.h"

#include "HandBuiltResult.h"
#include "core/CalcResult.h"

#include <gtest/gtest.h>
#include <vector>

using namespace velkaris;
using namespace velkaris::test;

namespace {

/// A result with the given cusps 1-12 (the Ascendant on cusp 1) and bodies.
void Fill(TCalcResult& r, const std::vector<double>& cusps, const std::vector<TBody>& bodies) {
    r.Houses.AddOrUpdate(0, 0);
    for (size_t i = 0; i < cusps.size(); ++i)
        r.Houses.AddOrUpdate(static_cast<int>(i) + 1, cusps[i]);
    r.Axes.AddOrUpdate(0, cusps[0]);
    r.Axes.AddOrUpdate(1, cusps[9]);
    AddBodies(r, bodies);
}

/// Equal-ish cusps starting at `asc`, each house 30 degrees.
std::vector<double> EvenCusps(double asc) {
    std::vector<double> cusps;
    for (int i = 0; i < 12; ++i)
        cusps.push_back(std::fmod(asc + 30 * i, 360));
    return cusps;
}

std::vector<int> BodyMarkers(const TCalcResult& r) {
    std::vector<int> ids;
    for (int i = 0; i < r.SelfMarkers.Count(); ++i) {
        if (const auto* p = std::get_if<TPlanet>(r.SelfMarkers.At(i)))
            ids.push_back(p->BodyId);
    }
    return ids;
}

// The ten planets spread over houses 2-12 so that none is in the first house.
std::vector<TBody> PlanetsOutsideFirstHouse(const std::vector<double>& cusps) {
    std::vector<TBody> bodies;
    for (int id = 0; id <= 9; ++id) {
        const int house = 2 + id % 11;
        bodies.push_back({id, std::fmod(cusps[static_cast<size_t>(house - 1)] + 10, 360), house});
    }
    return bodies;
}

} // namespace

TEST(ChartAnalysis, AscendantInLeoGivesNoSecondSun) {
    TCalcResult r;
    const auto cusps = EvenCusps(125);
    Fill(r, cusps, PlanetsOutsideFirstHouse(cusps));
    FindSelfMarkers(r);
    ASSERT_EQ(r.SelfMarkers.Count(), 3);
    EXPECT_EQ(BodyMarkers(r), (std::vector<int>{0, 1}));
    EXPECT_TRUE(std::holds_alternative<THouseCusp>(*r.SelfMarkers.At(2)));
    EXPECT_TRUE(r.Planets.Find(0)->IsSelfMarker);
    EXPECT_FALSE(r.Planets.Find(4)->IsSelfMarker);
}

TEST(ChartAnalysis, ClosedSignsOfTheFirstHouseAndTheirRulers) {
    TCalcResult r;
    std::vector<double> cusps = EvenCusps(325);
    cusps[1] = 70; // cusp 2 at 10° Gemini: Pisces, Aries and Taurus lie in house 1
    Fill(r, cusps, {{0, 100, 3}, {1, 200, 6}, {8, 250, 8}, {4, 260, 8}, {3, 330, 1}});
    FindSelfMarkers(r);
    EXPECT_EQ(ClosedSignsOfFirstHouse(r), (QList<int>{11, 0, 1}));
    // Sun, Moon, cusp 1, Uranus (ruler of Aquarius, absent here), Venus from house 1,
    // three sign markers, then Neptune, Mars, and Venus refused as already present.
    ASSERT_EQ(r.SelfMarkers.Count(), 9);
    const double longitudes[] = {345, 15, 45};
    for (int i = 0; i < 3; ++i) {
        const auto* sign = std::get_if<TZodiacSignForSelfMarkers>(r.SelfMarkers.At(4 + i));
        ASSERT_NE(sign, nullptr);
        EXPECT_DOUBLE_EQ(sign->Longitude, longitudes[i]);
        EXPECT_EQ(sign->SignNumber, (i == 0 ? 12 : i));
    }
    EXPECT_EQ(BodyMarkers(r), (std::vector<int>{0, 1, 3, 8, 4}));
    EXPECT_TRUE(r.Planets.Find(8)->IsSelfMarker);

    TCalcResult same;
    std::vector<double> tight = EvenCusps(2);
    tight[1] = 20; // cusps 1 and 2 both in Aries
    Fill(same, tight, {{0, 100, 4}, {1, 200, 7}});
    FindSelfMarkers(same);
    EXPECT_TRUE(ClosedSignsOfFirstHouse(same).isEmpty());
    EXPECT_EQ(same.SelfMarkers.Count(), 3); // Sun, Moon, cusp 1; Mars is absent
}

TEST(ChartAnalysis, LifeStrategyScoresAndTotals) {
    struct {
        const char* what;
        std::vector<double> cusps;
        int total;
    } cases[] = {
        {"no closed sign", EvenCusps(5), 28},
        {"one closed sign", {5, 65, 80, 100, 130, 160, 185, 245, 260, 280, 310, 340}, 28},
        {"two closed signs", {5, 95, 110, 130, 150, 170, 185, 275, 290, 310, 330, 350}, 29},
    };
    for (const auto& c : cases) {
        TCalcResult r;
        std::vector<TBody> bodies;
        for (int id = 0; id <= 9; ++id)
            bodies.push_back({id, 36.0 * id + 1, 1 + id});
        bodies.push_back({15, 10, 1}); // minor bodies do not score
        Fill(r, c.cusps, bodies);
        BuildLifeStrategy(r);
        EXPECT_EQ(r.LifeStrategy(4, 5), c.total) << c.what;
        int rows = 0, columns = 0;
        for (int i = 1; i <= 3; ++i)
            rows += r.LifeStrategy(i, 5);
        for (int j = 1; j <= 4; ++j)
            columns += r.LifeStrategy(4, j);
        EXPECT_EQ(rows, c.total) << c.what;
        EXPECT_EQ(columns, c.total) << c.what;
    }

    TCalcResult sun, mars;
    Fill(sun, EvenCusps(5), {{0, 130, 5}});
    Fill(mars, EvenCusps(5), {{4, 130, 5}});
    BuildLifeStrategy(sun);
    BuildLifeStrategy(mars);
    EXPECT_EQ(sun.LifeStrategy(2, 1), 4); // Fix / Tűz: house 5, Leo
    EXPECT_EQ(mars.LifeStrategy(2, 1), 2);
}

TEST(ChartAnalysis, EmphasizedAndUntroddenSignsComeFromTheExtremeRowsAndColumns) {
    // Ascendant in Aries (2 points, cell 1/1), the Sun in house 7 in Libra (4 points,
    // cell 1/3), the Moon in house 5 in Leo (4 points, cell 2/1).
    TCalcResult r;
    Fill(r, EvenCusps(5), {{0, 185, 7}, {1, 130, 5}});
    BuildLifeStrategy(r);
    EXPECT_EQ(r.LifeStrategy(1, 5), 6);
    EXPECT_EQ(r.LifeStrategy(2, 5), 4);
    EXPECT_EQ(r.LifeStrategy(4, 1), 6);
    // Best row 1 and best column 1 meet in Aries; the empty row 3 meets the empty
    // columns 2 and 4 in Virgo and Pisces.
    EXPECT_EQ(r.EmphasizedSigns, QByteArray(1, 0));
    EXPECT_EQ(r.UntroddenSigns, QByteArray("\x05\x0B"));

    // Rows 2 and 3 tie for the greatest sum and meet the one best column in Leo (4) and
    // Sagittarius (2): only the higher cell is emphasized.
    TCalcResult tie;
    Fill(tie, EvenCusps(5), {{0, 130, 5}, {4, 250, 9}, {6, 160, 6}});
    BuildLifeStrategy(tie);
    ASSERT_EQ(tie.LifeStrategy(2, 5), 4);
    ASSERT_EQ(tie.LifeStrategy(3, 5), 4);
    EXPECT_EQ(tie.EmphasizedSigns, QByteArray(1, 4));
}

TEST(ChartAnalysis, HouseLordsDirectAndThroughClosedSigns) {
    // Cusps: 1 Aries 0, 2 Taurus 40, 3 Gemini 70, 4 Gemini 85, 5 Cancer 100,
    // 6 Leo 130 (Virgo intercepted), 7 Libra 185 (Scorpio intercepted), 8 Sagittarius
    // 245, 9 Capricorn 275, 10 Aquarius 305, 11 Pisces 335, 12 Pisces 350.
    TCalcResult r;
    Fill(r, {0, 40, 70, 85, 100, 130, 185, 245, 275, 305, 335, 350},
         {{2, 10, 1}, {9, 10, 1}, {3, 10, 1}});
    FindHouseLords(r);
    const THouseLordsContainer& pluto = r.Planets.Find(9)->HouseLords;
    EXPECT_EQ(pluto.ClosedLordships, 1 << 7);
    EXPECT_EQ(pluto.ToText(), QStringLiteral("(7)"));
    const THouseLordsContainer& mercury = r.Planets.Find(2)->HouseLords;
    EXPECT_EQ(mercury.ToText(), QStringLiteral("3,4,(6)"));
    EXPECT_EQ(r.Planets.Find(3)->HouseLords.ToText(), QStringLiteral("2,7"));

    TCalcResult degenerate;
    Fill(degenerate, std::vector<double>(12, 0.0), {{4, 10, 1}, {9, 10, 1}});
    FindHouseLords(degenerate); // ends, whatever it finds
    EXPECT_EQ(degenerate.Planets.Find(4)->HouseLords.ToText(),
              QStringLiteral("1,2,3,4,5,6,7,8,9,10,11,12"));
    EXPECT_TRUE(degenerate.Planets.Find(9)->HouseLords.IsEmpty());
}
