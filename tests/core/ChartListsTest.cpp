#include "core/CalcResult.h"
#include "core/IntSet.h"
#include "core/PlanetRevDetails.h"
#include "core/SorOszlopList.h"

#include <gtest/gtest.h>

using namespace velkaris;

TEST(Planet, StationaryWindowsAreOpen) {
    struct {
        int id;
        double speed;
        bool stationary;
    } cases[] = {{2, 0.123, false},   {2, 0.1229, true},   {2, -0.123, false}, {2, -0.1229, true},
                 {4, -0.0565, false}, {4, 0.0569, true},   {6, 0.0069, false}, {6, -0.0069, true},
                 {9, 0.00163, false}, {9, -0.00185, true}, {0, 0.0, false},    {1, 0.0, false},
                 {10, 0.0, false},    {15, 0.0, false}};
    for (const auto& c : cases) {
        TPlanet p;
        p.BodyId = c.id;
        p.Speed = c.speed;
        EXPECT_EQ(p.IsStationary(), c.stationary) << c.id << " " << c.speed;
    }
}

TEST(Planet, SignAndRetrograde) {
    TPlanet p;
    p.Longitude = 280.5;
    p.Speed = -0.01;
    EXPECT_EQ(p.SignIndex(), 9);
    EXPECT_DOUBLE_EQ(p.DegreesInSign(), 10.5);
    EXPECT_TRUE(p.IsRetrograde());
}

TEST(PlanetList, NorthNodeBringsItsSouthTwin) {
    TPlanetList list;
    list.AddOrUpdate(10, 350, -0.05);
    ASSERT_EQ(list.Count(), 2);
    EXPECT_EQ(list.At(0)->BodyId, 10);
    EXPECT_EQ(list.At(1)->BodyId, 24);
    EXPECT_DOUBLE_EQ(list.Find(24)->Longitude, 170);
    EXPECT_DOUBLE_EQ(list.Find(24)->Speed, -0.05);
    list.AddOrUpdate(11, 10, 0.01);
    EXPECT_DOUBLE_EQ(list.Find(25)->Longitude, 190);
    EXPECT_EQ(list.At(4), nullptr);
    EXPECT_EQ(list.At(-1), nullptr);
}

TEST(PlanetList, UpdateKeepsIdentityAndResetsMarks) {
    TPlanetList list;
    TPlanet& sun = list.AddOrUpdate(0, 10, 1);
    sun.InClosedSign = true;
    sun.ClosedSign = 3;
    sun.IsSelfMarker = true;
    sun.House = 7;
    TPlanet& again = list.AddOrUpdate(0, 11, 0.9);
    EXPECT_EQ(&again, &sun);
    EXPECT_EQ(list.Count(), 1);
    EXPECT_FALSE(sun.InClosedSign);
    EXPECT_EQ(sun.ClosedSign, -1);
    EXPECT_FALSE(sun.IsSelfMarker);
    EXPECT_EQ(sun.House, 7);
    EXPECT_DOUBLE_EQ(sun.Longitude, 11);
}

TEST(PlanetList, CountsByCategoryAndRemoves) {
    TPlanetList list;
    list.AddOrUpdate(0, 1, 1);
    list.AddOrUpdate(146199, 2, 0).HasShownAspect = true;
    list.AddOrUpdate(10000001, 3, 0).HasShownAspect = true;
    list.AddOrUpdate(10000002, 4, 0);
    EXPECT_EQ(list.CountByCategory(TBodyCategory::Planet), 2);
    EXPECT_EQ(list.CountByCategory(TBodyCategory::Planet, true), 1);
    EXPECT_EQ(list.CountByCategory(TBodyCategory::FixedStar), 2);
    EXPECT_EQ(list.CountByCategory(TBodyCategory::FixedStar, true), 1);
    list.Remove(146199);
    EXPECT_FALSE(list.Contains(146199));
    EXPECT_EQ(list.Count(), 3);
}

TEST(HouseAndAxisLists, AddOrUpdateByNumber) {
    THouseList houses;
    THouseCusp& first = houses.AddOrUpdate(1, 100);
    EXPECT_EQ(&houses.AddOrUpdate(1, 101), &first);
    EXPECT_DOUBLE_EQ(houses.LongitudeOf(1), 101);
    EXPECT_DOUBLE_EQ(houses.LongitudeOf(5), 0);
    EXPECT_FALSE(houses.Contains(5));
    TAxisList axes;
    axes.AddOrUpdate(1, 270);
    axes.AddOrUpdate(1, 271);
    EXPECT_EQ(axes.Count(), 1);
    EXPECT_EQ(axes.Find(1)->SignIndex(), 9);
}

TEST(AspectInfoList, AddIfNewInEitherOrderOrStrictly) {
    TAspectInfoList list;
    EXPECT_TRUE(list.AddIfNew(0, PointBody, 15, 1.5, 4, 1, PointBody, 1));
    EXPECT_FALSE(list.AddIfNew(0, PointBody, 15, 1.5, 4, 1, PointBody, 1));
    EXPECT_FALSE(list.AddIfNew(1, PointBody, 15, 1.5, 4, 1, PointBody, 0));
    EXPECT_TRUE(list.AddIfNew(1, PointBody, 4, 1, 4, 3, PointBody, 0));  // other aspect
    EXPECT_TRUE(list.AddIfNew(0, PointAxis, 15, 1, 4, 1, PointBody, 1)); // other kind
    EXPECT_EQ(list.Count(), 3);

    TAspectInfoList strict;
    EXPECT_TRUE(strict.AddIfNewStrict(0, PointBody, 7.5, 0, 1, 2, PointBody, 1));
    EXPECT_FALSE(strict.AddIfNewStrict(0, PointBody, 7.5, 0, 1, 2, PointBody, 1));
    EXPECT_TRUE(strict.AddIfNewStrict(1, PointBody, 7.5, 0, 1, 2, PointBody, 0));
    EXPECT_EQ(strict.Count(), 2);
    EXPECT_TRUE(strict.Exists(1, PointBody, 0, PointBody, 2));
    EXPECT_EQ(strict.CopyOf(0).Exactness, 1);
    EXPECT_EQ(strict.CopyOf(5).AspectId, -1);
}

TEST(AspectInfoList, CollectsTheAspectsOfOnePoint) {
    TAspectInfoList list;
    list.AddIfNew(0, PointBody, 1, 1, 4, 1, PointBody, 1);       // Sun-Moon: collected
    list.AddIfNew(4, PointBody, 1, 1, 4, 3, PointBody, 0);       // Mars-Sun: collected
    list.AddIfNew(0, PointBody, 1, 1, 4, 2, PointBody, 15);      // Chiron not in the set
    list.AddIfNew(0, PointBody, 1, 1, 4, 2, PointAxis, 1);       // mixed kinds
    list.AddIfNew(2, PointBody, 1, 1, 4, 2, PointBody, 3);       // Sun not in it
    list.AddIfNew(0, PointBody, 1, 1, 4, 6, PointBody, 1009043); // beyond 0-255
    TByteSet planets;
    for (int id = 0; id <= 9; ++id)
        planets.set(static_cast<size_t>(id));
    TAspectInfoList target;
    list.CollectAspectsOf(0, PointBody, planets, target);
    ASSERT_EQ(target.Count(), 2);
    EXPECT_EQ(target.At(0)->Id2, 1);
    EXPECT_EQ(target.At(1)->Id1, 4);
}

TEST(HouseLordsContainer, TextListsClosedLordshipsInParentheses) {
    THouseLordsContainer lords;
    EXPECT_EQ(lords.ToText(), QString());
    lords.AddClosedLordship(3);
    lords.AddLordship(7);
    EXPECT_EQ(lords.ToText(), QStringLiteral("(3),7"));
    lords.AddLordship(12);
    lords.AddLordship(1);
    EXPECT_EQ(lords.ToText(), QStringLiteral("1,(3),7,12"));
}

TEST(SelfMarkerList, RefusesASecondCopyOfABody) {
    TSelfMarkerList markers;
    TPlanet sun;
    sun.BodyId = 0;
    EXPECT_TRUE(markers.AddCopy(sun));
    EXPECT_FALSE(markers.AddCopy(sun));
    THouseCusp cusp{1, 10};
    markers.AddCopy(cusp);
    markers.AddCopy(cusp);
    markers.AddCopy(TZodiacSignForSelfMarkers{45, 2});
    EXPECT_EQ(markers.Count(), 4);
    EXPECT_TRUE(markers.ContainsBody(0));
    EXPECT_FALSE(markers.ContainsBody(1));
    EXPECT_TRUE(std::holds_alternative<TZodiacSignForSelfMarkers>(*markers.At(3)));
    EXPECT_EQ(markers.At(4), nullptr);
}

TEST(IntSet, AddsOnceAndSearchesFromTheEnd) {
    TIntSet set;
    set.Add(5);
    set.Add(7);
    set.Add(5);
    EXPECT_EQ(set.Count(), 2);
    EXPECT_EQ(set.IndexOf(7), 1);
    EXPECT_EQ(set.IndexOf(9), -1);
    set.Clear();
    EXPECT_FALSE(set.Contains(5));
}

TEST(SorOszlopList, KeepsEveryIndexThatReachedTheExtreme) {
    struct {
        TSorOszlopList::TMode mode;
        std::vector<std::pair<int, int>> offers;
        std::vector<int> kept;
    } cases[] = {
        {TSorOszlopList::KeepMaxima, {{1, 3}, {2, 5}, {3, 5}, {4, 2}}, {2, 3}},
        {TSorOszlopList::KeepMinima, {{1, 3}, {2, 5}, {3, 1}, {4, 1}, {5, 2}}, {3, 4}},
        {TSorOszlopList::KeepMaxima, {{1, 0}, {2, 0}, {3, 0}}, {1, 2, 3}},
    };
    for (const auto& c : cases) {
        TSorOszlopList list(c.mode);
        for (const auto& [index, value] : c.offers)
            list.Offer(index, value);
        ASSERT_EQ(list.Count(), static_cast<int>(c.kept.size()));
        for (int i = 0; i < list.Count(); ++i)
            EXPECT_EQ(list.At(i).Index, c.kept[static_cast<size_t>(i)]);
    }
}

TEST(PlanetRevDetails, OneLineText) {
    TPlanetRevDetails d;
    d.FoundLocal = *TDateTime::FromParts(2024, 3, 5, 7, 8, 9);
    d.ZoneHour = 1;
    d.ZoneMinute = 0;
    d.Speed = 0.5;
    EXPECT_EQ(d.ToText(), QStringLiteral("2024.03.05. 07:08:09 (+01:00)"));
    d.ZoneHour = -3;
    d.ZoneMinute = -30;
    d.Speed = -0.1;
    EXPECT_EQ(d.ToText(), QStringLiteral("2024.03.05. 07:08:09 (-3:30) R"));
}

TEST(CalcResult, ChartKindRemembersTheFirstKind) {
    TCalcResult r;
    r.SetChartKind(ChartKind::Natal);
    r.SetChartKind(ChartKind::SelfMarkerView);
    EXPECT_EQ(r.BaseChartKind, ChartKind::Natal);
    r.RestoreChartKind();
    EXPECT_EQ(r.ChartKind, ChartKind::Natal);
    r.LifeStrategy(4, 5) = 12;
    EXPECT_EQ(r.LifeStrategyTable[3][4], 12);
}
