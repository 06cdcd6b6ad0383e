#include "calc/AspectSearch.h"

#include "HandBuiltResult.h"
#include "calc/AspectOrbProvider.h"
#include "core/CalcResult.h"

#include <gtest/gtest.h>

using namespace velkaris;
using namespace velkaris::test;

namespace {

TAspectSearchSettings AllShown(std::vector<int> ids) {
    TAspectSearchSettings s;
    s.BodyIds = std::move(ids);
    s.EnabledAspects.set();
    s.StarAspects.set();
    return s;
}

void Fill(TCalcResult& r, const std::vector<TBody>& bodies) {
    AddBodies(r, bodies);
}

const TAspectInfo* Find(const TCalcResult& r, int id1, int id2, int aspect) {
    for (int i = 0; i < r.Aspects.Count(); ++i) {
        const TAspectInfo* a = r.Aspects.At(i);
        if (a->AspectId == aspect &&
            ((a->Id1 == id1 && a->Id2 == id2) || (a->Id1 == id2 && a->Id2 == id1)))
            return a;
    }
    return nullptr;
}

} // namespace

TEST(AspectOrbProvider, RowsColumnsAndDefaults) {
    TAspectOrbProvider orbs;
    EXPECT_DOUBLE_EQ(orbs.OrbFor(2, 0, true, TOrbPointKind::Body), 7.5);
    EXPECT_DOUBLE_EQ(orbs.OrbFor(2, 0, false, TOrbPointKind::Ascendant), 0);
    orbs.SetRow(3, "1|2|3|4|5|6|7|8|9|10|11,5|12.5|13|14", false);
    struct {
        int body;
        TOrbPointKind kind;
        double orb;
    } cases[] = {{0, TOrbPointKind::Body, 1},         {9, TOrbPointKind::Body, 10},
                 {15, TOrbPointKind::Body, 1},        {146199, TOrbPointKind::Body, 1},
                 {1, TOrbPointKind::Ascendant, 11.5}, {1, TOrbPointKind::MediumCoeli, 12.5},
                 {10, TOrbPointKind::Node, 13},       {1, TOrbPointKind::OtherPoint, 14}};
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(orbs.OrbFor(3, c.body, false, c.kind), c.orb) << c.body;

    orbs.KeepCopy();
    orbs.SetRow(3, "1|2|3", false); // wrong length: the default row
    EXPECT_EQ(orbs.Row(3, false).count('|'), 13);
    EXPECT_DOUBLE_EQ(orbs.OrbFor(3, 0, false, TOrbPointKind::Body), 4);
    EXPECT_DOUBLE_EQ(orbs.OrbFor(3, 0, false, TOrbPointKind::OtherPoint), 0);
    orbs.SetRow(4, "x|2|2|2|2|2|2|2|2|2|2|2|2|2", true); // unreadable number counts as 0
    EXPECT_DOUBLE_EQ(orbs.OrbFor(4, 0, true, TOrbPointKind::Body), 0);
    orbs.RestoreCopy();
    EXPECT_DOUBLE_EQ(orbs.OrbFor(3, 9, false, TOrbPointKind::Body), 10);
    EXPECT_DOUBLE_EQ(orbs.OrbFor(4, 0, true, TOrbPointKind::Body), 2);
}

TEST(AspectSearch, OrbsDeviationsAndTheHalvedConjunction) {
    const TAspectOrbProvider orbs;
    struct {
        const char* what;
        std::vector<TBody> bodies;
        int aspect;
        bool found;
        double orb, deviation;
        int exactness;
    } cases[] = {
        {"conjunction in one house", {{0, 10, 1}, {1, 22, 1}}, 1, true, 15, 12, 4},
        {"conjunction across houses", {{0, 10, 1}, {1, 22, 2}}, 1, false, 0, 0, 0},
        {"conjunction across signs", {{0, 25, 1}, {1, 31, 1}}, 1, true, 7.5, 6, 4},
        {"exact trine", {{0, 10, 1}, {5, 130, 5}}, 6, true, 5, 0, 1},
        {"opposition over 180", {{0, 0, 1}, {1, 187.5, 7}}, 2, true, 7.5, 7.5, 4},
        {"opposition just outside", {{0, 0, 1}, {1, 187.6, 7}}, 2, false, 0, 0, 0},
        {"sextile across 0 degrees", {{0, 350, 12}, {6, 50, 2}}, 7, true, 2.5, 0, 1},
    };
    for (const auto& c : cases) {
        TCalcResult r;
        Fill(r, c.bodies);
        FindAspects(r, orbs, AllShown({0, 1, 5, 6}));
        const TAspectInfo* a = Find(r, c.bodies[0].Id, c.bodies[1].Id, c.aspect);
        ASSERT_EQ(a != nullptr, c.found) << c.what;
        if (!a)
            continue;
        EXPECT_DOUBLE_EQ(a->Orb, c.orb) << c.what;
        EXPECT_NEAR(a->Deviation, c.deviation, 1e-9) << c.what;
        EXPECT_EQ(a->Exactness, c.exactness) << c.what;
        EXPECT_EQ(r.Aspects.Count(), 1) << c.what << ": each pair once";
    }
}

TEST(AspectSearch, AxesAndCuspsInDetailedMode) {
    const TAspectOrbProvider orbs;
    TCalcResult r;
    Fill(r, {{0, 100, 4}, {4, 283, 10}});
    r.Axes.AddOrUpdate(0, 10);     // Sun square the Ascendant, 0° off
    r.Axes.AddOrUpdate(1, 281);    // Sun opposite the MC, 1° off
    r.Axes.AddOrUpdate(8, 0);      // the unused placeholder axis
    r.Houses.AddOrUpdate(3, 161);  // Sun sextile cusp 3, 1° off
    r.Houses.AddOrUpdate(10, 281); // cusp 10 is the MC's: never searched as a cusp
    TAspectSearchSettings s = AllShown({0, 4});
    s.Simple = false;
    FindAspects(r, orbs, s);
    auto has = [&](int id2, quint8 kind, int aspect) {
        for (int i = 0; i < r.Aspects.Count(); ++i) {
            const TAspectInfo* a = r.Aspects.At(i);
            if (a->Id1 == 0 && a->Id2 == id2 && a->Kind2 == kind && a->AspectId == aspect)
                return true;
        }
        return false;
    };
    EXPECT_TRUE(has(0, PointAxis, 3));   // exact: allowed even with orb 0
    EXPECT_FALSE(has(1, PointAxis, 2));  // 1° off with the detailed orb 0
    EXPECT_FALSE(has(3, PointHouse, 7)); // likewise for a cusp
    EXPECT_FALSE(has(10, PointHouse, 2));
    EXPECT_TRUE(Find(r, 0, 4, 2) != nullptr) << "planets keep their orbs";

    s.Simple = true;
    FindAspects(r, orbs, s);
    EXPECT_TRUE(has(1, PointAxis, 2));
    EXPECT_TRUE(has(3, PointHouse, 7));
    for (int i = 0; i < r.Aspects.Count(); ++i)
        EXPECT_NE(r.Aspects.At(i)->Kind2 == PointAxis ? r.Aspects.At(i)->Id2 : -1, 8);
}

TEST(AspectSearch, FeralAndIsolatedPlanets) {
    const TAspectOrbProvider orbs;
    TCalcResult alone;
    // Separations of 105 and 165 degrees are no aspect at all.
    Fill(alone, {{3, 10, 1}, {4, 12, 1}, {0, 115, 4}});
    FindAspects(alone, orbs, AllShown({0, 3, 4}));
    EXPECT_TRUE(alone.Planets.Find(3)->IsFeral);
    EXPECT_TRUE(alone.Planets.Find(4)->IsFeral);
    EXPECT_FALSE(alone.Planets.Find(3)->IsIsolated);
    EXPECT_FALSE(alone.Planets.Find(4)->IsIsolated);

    TCalcResult squared;
    Fill(squared, {{3, 10, 1}, {4, 16, 1}, {6, 106, 4}});
    FindAspects(squared, orbs, AllShown({3, 4, 6}));
    EXPECT_TRUE(squared.Planets.Find(3)->IsIsolated);
    EXPECT_FALSE(squared.Planets.Find(3)->IsFeral);
    EXPECT_FALSE(squared.Planets.Find(4)->IsIsolated);
    EXPECT_FALSE(squared.Planets.Find(4)->IsFeral);

    TCalcResult none;
    Fill(none, {{2, 10, 1}, {5, 90, 3}});
    FindAspects(none, orbs, AllShown({2, 5}));
    EXPECT_TRUE(none.Planets.Find(2)->IsFeral);
}

TEST(AspectSearch, ShownAspectsOfFixedStars) {
    const TAspectOrbProvider orbs;
    for (bool moonAspected : {false, true}) {
        TCalcResult r;
        Fill(r, {{1, 69, 3}, {10000001, 70, 3}});
        TAspectSearchSettings s = AllShown({1, 10000001});
        if (moonAspected)
            s.AspectedBodies.insert(1);
        FindAspects(r, orbs, s);
        ASSERT_NE(Find(r, 1, 10000001, 1), nullptr);
        EXPECT_DOUBLE_EQ(Find(r, 1, 10000001, 1)->Orb, 2.5);
        EXPECT_EQ(r.Planets.Find(10000001)->HasShownAspect, moonAspected);
        EXPECT_EQ(r.Planets.Find(1)->HasShownAspect, moonAspected);
    }
}
