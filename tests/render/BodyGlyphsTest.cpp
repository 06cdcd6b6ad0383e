#include "WheelFixture.h"
#include "core/FixedStarLookup.h"
#include "core/SegedUtils.h"
#include "render/DrawController.h"
#include "render/RecordingCanvas.h"
#include "render/WheelGeometry.h"

#include <gtest/gtest.h>

using namespace velkaris;
using namespace velkaris::test;
namespace S = velkaris::SettingsSection;
namespace K = velkaris::SettingsKey;

namespace {

/// Equal houses from `firstCusp` (0° Aries unless given), each body in its house.
std::unique_ptr<TCalcResult>
ChartWithBodies(std::initializer_list<std::tuple<int, double, double>> bodies,
                quint8 kind = ChartKind::Natal, double firstCusp = 0) {
    auto chart = HandBuiltChart(EqualCusps(firstCusp), kind);
    for (const auto& [id, longitude, speed] : bodies)
        chart->Planets.AddOrUpdate(id, longitude, speed).House =
            static_cast<int>(std::fmod(longitude - firstCusp + 360, 360) / 30) + 1;
    return chart;
}

class TStars : public TFixedStarLookup {
public:
    std::optional<TFixedStarName> FindStar(int id) const override {
        return TFixedStarName{QStringLiteral("Star%1").arg(id - BodyId::FixedStarFirst), {}};
    }
};

/// A screen controller of an 800 x 800 recording canvas (R = 320) with the default
/// settings.
struct TBodyRig {
    explicit TBodyRig(bool paper = false)
        : Canvas(800, 800), Drawer(Canvas, -1, -1, paper, Settings, nullptr) {
        UseChartFonts();
        Drawer.FixedStars = &Stars;
    }
    void Draw(std::initializer_list<const TCalcResult*> charts, bool overlay = true) {
        for (const TCalcResult* r : charts)
            Drawer.AddChart(r, false);
        Canvas.ClearLog();
        Drawer.ReDrawCalculatedResults(overlay);
    }
    const TPlanetSignGraphicControl& Glyph(int id, int chart = 0) const {
        const auto* e = Drawer.PlanetElements.Find(chart, id);
        EXPECT_NE(e, nullptr) << "no glyph for body " << id;
        return *e;
    }
    QStringList Texts() const {
        QStringList texts;
        for (const QString& line : Canvas.LinesOf(QStringLiteral("TextOut")))
            texts << line.section(QLatin1Char('"'), 1, 1);
        return texts;
    }
    TWheelSettings Settings;
    TStars Stars;
    TRecordingCanvas Canvas;
    TNatalChartDrawer Drawer;
};

bool Overlap(const TBaseGraphicControl& a, const TBaseGraphicControl& b) {
    return a.Left < b.Left + b.Width && b.Left < a.Left + a.Width && a.Top < b.Top + b.Height &&
           b.Top < a.Top + a.Height;
}

} // namespace

TEST(BodyGlyphs, StepAlongTheRingWrapsAtTheEnds) {
    struct {
        double From, Step, To;
    } cases[] = {{359.5, 2, 0}, {0.5, -2, 360}, {100, 2, 102}, {358, 2, 360}, {2, -2, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(WheelGeometry::StepAlongRing(c.From, c.Step), c.To) << c.From << " " << c.Step;
}

TEST(BodyGlyphs, CollidingGlyphsArePushedApart) {
    struct TCase {
        double First, Second;
        bool SecondMovesUp; // the second body's glyph moves to larger longitudes
    };
    for (const TCase& c : {TCase{100.0, 100.5, true}, {359.0, 1.0, true}, {1.0, 359.0, false}}) {
        TBodyRig rig;
        // Cusps at 15° and 345°, away from the bodies.
        const auto chart = ChartWithBodies(
            {{BodyId::Mars, c.First, 1}, {BodyId::Jupiter, c.Second, 1}}, ChartKind::Natal, 15);
        rig.Draw({chart.get()});
        const auto& first = rig.Glyph(BodyId::Mars);
        const auto& second = rig.Glyph(BodyId::Jupiter);
        EXPECT_FALSE(Overlap(first, second)) << c.First << " " << c.Second;
        const double moved = second.DisplayLongitude - c.Second;
        const double wrapped = moved > 180 ? moved - 360 : moved < -180 ? moved + 360 : moved;
        EXPECT_EQ(wrapped > 0, c.SecondMovesUp)
            << c.First << " " << c.Second << " -> " << second.DisplayLongitude;
        // The true places stay.
        EXPECT_EQ(first.TrueLongitude, c.First);
        EXPECT_EQ(second.TrueLongitude, c.Second);
    }
}

TEST(BodyGlyphs, GlyphsKeepOffTheCuspLines) {
    // 1° after the cusp of house 2 (30°) -> drawn at 34°; 1° before the cusp of house 4
    // (90°) -> drawn at 86°.
    for (const auto& [longitude, drawn] : {std::pair{31.0, 34.0}, {89.0, 86.0}, {45.0, 45.0}}) {
        TBodyRig rig;
        const auto chart = ChartWithBodies({{BodyId::Saturn, longitude, 1}});
        rig.Draw({chart.get()});
        const auto& glyph = rig.Glyph(BodyId::Saturn);
        const int ring = rig.Drawer.Radius - rig.Drawer.PlanetRingOffset(0);
        const TCanvasPoint p = WheelGeometry::WheelPoint(400, 400, ring, drawn, 0);
        const int half = static_cast<int>(RoundHalfEven(glyph.Width * 0.5));
        EXPECT_EQ(glyph.Left, p.X - half) << longitude;
        EXPECT_EQ(glyph.Top, p.Y - half) << longitude;
        EXPECT_EQ(glyph.DisplayLongitude, longitude);
    }
}

TEST(BodyGlyphs, AxisPointsOfAnOuterRingStayPut) {
    TBodyRig rig;
    const auto natal = ChartWithBodies({{BodyId::Sun, 100, 1}});
    auto transit = ChartWithBodies({{BodyId::Moon, 100.5, 13}}, ChartKind::Transit);
    transit->Axes.AddOrUpdate(AxisId::Ascendant, 100.2);
    rig.Draw({natal.get(), transit.get()});
    const auto& ascendant = rig.Glyph(AxisToBodyId(AxisId::Ascendant), 1);
    EXPECT_EQ(ascendant.DisplayLongitude, 100.2);
    EXPECT_TRUE(ascendant.Visible);
    EXPECT_NE(rig.Glyph(BodyId::Moon, 1).DisplayLongitude, 100.5);
}

TEST(BodyGlyphs, ACrowdedClusterNeverOverlapsAndLeadsToTheTruePlaces) {
    TBodyRig rig;
    for (const auto& key : {K::FELSZ_NODE, K::LESZ_NODE})
        rig.Settings.Set(S::chkbHoldcsomo, key, true);
    rig.Settings.Set(S::chkbKisBolygok, K::KELL_E_MEGJELENITES, true);
    rig.Settings.Set(S::chkbKisBolygok, K::MinorBodies[0].Key, true); // Chiron
    rig.Settings.Set(S::chkbFixedStars, K::KELL_E_MEGJELENITES, true);
    rig.Settings.SetString(
        S::chkbFixedStars, K::SELECTED_STARIDS,
        QStringLiteral("%1,%2").arg(BodyId::FixedStarFirst).arg(BodyId::FixedStarFirst + 1));
    auto chart = ChartWithBodies({{BodyId::Sun, 70, 1},
                                  {BodyId::Mercury, 72, 1},
                                  {BodyId::Venus, 73.5, 1},
                                  {BodyId::Mars, 75, 1},
                                  {BodyId::Jupiter, 77, 1},
                                  {BodyId::Saturn, 79.5, 1},
                                  {BodyId::MeanNode, 74, -0.05},
                                  {BodyId::Chiron, 76, 0.05},
                                  {BodyId::FixedStarFirst, 71, 0},
                                  {BodyId::FixedStarFirst + 1, 78, 0}});
    rig.Draw({chart.get()});
    std::vector<const TPlanetSignGraphicControl*> shown;
    for (const auto& e : rig.Drawer.PlanetElements)
        if (e->Visible)
            shown.push_back(e.get());
    EXPECT_EQ(shown.size(), 11u); // ten bodies and the south node
    for (size_t j = 0; j < shown.size(); ++j)
        for (size_t k = j + 1; k < shown.size(); ++k)
            EXPECT_FALSE(Overlap(*shown[j], *shown[k]))
                << shown[j]->ElementId << " and " << shown[k]->ElementId;

    // Every leader line ends on the zodiac ring's inner edge at its body's own degree.
    const int inner = rig.Drawer.Radius - rig.Drawer.ZodiacRingWidth();
    QStringList ends;
    for (const QString& line : rig.Canvas.LinesOf(QStringLiteral("LineTo")))
        ends << line.split(QLatin1Char(' '))[1];
    for (const auto* e : shown) {
        const TCanvasPoint t = WheelGeometry::WheelPoint(400, 400, inner, e->TrueLongitude, 0);
        EXPECT_TRUE(ends.contains(QStringLiteral("%1,%2").arg(t.X).arg(t.Y))) << e->ElementId;
    }
}

TEST(BodyGlyphs, ADisplacedGlyphCrossingACuspGetsASecondPass) {
    TBodyRig rig;
    rig.Settings.Set(S::chkbFokjelolok, K::HOUSEDEG, false);
    // Five bodies just before the cusp of house 2 spread over it.
    const auto chart = ChartWithBodies({{BodyId::Sun, 27.5, 1},
                                        {BodyId::Mercury, 28, 1},
                                        {BodyId::Venus, 28.5, 1},
                                        {BodyId::Mars, 29, 1},
                                        {BodyId::Jupiter, 29.5, 1}});
    rig.Draw({chart.get()});
    EXPECT_TRUE(rig.Drawer.CrossedCusps.Contains(2));
    bool past = false;
    for (const auto& e : rig.Drawer.PlanetElements)
        past |= e->Visible && e->DisplayLongitude >= 30;
    EXPECT_TRUE(past);
    // Cusp 2 redrawn dotted and thin across the body ring.
    EXPECT_TRUE(std::any_of(rig.Canvas.Log().begin(), rig.Canvas.Log().end(),
                            [](const QString& l) { return l.endsWith("pen=0/1/2"); }));
}

TEST(BodyGlyphs, StatusLettersAndDegreeLabels) {
    struct TCase {
        double Longitude, Speed;
        bool Isolated;
        QStringList Expected; // texts in drawing order, house lords left out
    };
    const TCase cases[] = {
        // Retrograde and isolated: "R, i" before and after the degree label.
        {30 + 15 + 7.0 / 60, -0.2, true, {"R, i", "15", "07", "R, i"}},
        // Stationary and retrograde: "S".
        {60 + 5, -0.0001, false, {"S", " 5", "00", "S"}},
        // Direct, not isolated: the degrees only.
        {90 + 29 + 59.8 / 60, 0.5, false, {"30", "00"}},
    };
    for (const TCase& c : cases) {
        TBodyRig rig;
        rig.Settings.Set(S::chkbEgyebMegjelenitesek, K::PLANETDEG, true);
        rig.Settings.Set(S::chkbEgyebMegjelenitesek, K::RETROGADE, true);
        rig.Settings.Set(S::chkbEgyebMegjelenitesek, K::STACIONER, true);
        rig.Settings.Set(S::chkbEgyebMegjelenitesek, K::FERALIS, true);
        rig.Settings.Set(S::chkbEgyebMegjelenitesek, K::HOUSELORDS, false);
        rig.Settings.Set(S::chkbFokjelolok, K::HOUSEDEG, false);
        auto chart = ChartWithBodies({{BodyId::Mars, c.Longitude, c.Speed}});
        chart->Planets.Find(BodyId::Mars)->IsIsolated = c.Isolated;
        rig.Draw({chart.get()});
        QStringList texts = rig.Texts();
        EXPECT_EQ(texts, c.Expected) << c.Longitude;
    }
}

TEST(BodyGlyphs, MinutesAreRaisedToTheRightOfTheDegrees) {
    TBodyRig rig;
    rig.Settings.Set(S::chkbEgyebMegjelenitesek, K::PLANETDEG, true);
    rig.Settings.Set(S::chkbEgyebMegjelenitesek, K::HOUSELORDS, false);
    rig.Settings.Set(S::chkbFokjelolok, K::HOUSEDEG, false);
    const auto chart = ChartWithBodies({{BodyId::Venus, 180 + 15 + 7.0 / 60, 1}});
    rig.Draw({chart.get()});
    const QStringList lines = rig.Canvas.LinesOf(QStringLiteral("TextOut"));
    ASSERT_EQ(lines.size(), 2);
    auto at = [](const QString& line) {
        const QStringList xy = line.split(QLatin1Char(' '))[1].split(QLatin1Char(','));
        return TCanvasPoint{xy[0].toInt(), xy[1].toInt()};
    };
    EXPECT_GT(at(lines[1]).X, at(lines[0]).X);
    EXPECT_LT(at(lines[1]).Y, at(lines[0]).Y);
}

TEST(BodyGlyphs, HouseLordsSideBySideUnderTheGlyph) {
    TBodyRig rig;
    auto chart = ChartWithBodies({{BodyId::Mercury, 200, 1}});
    TPlanet& mercury = *chart->Planets.Find(BodyId::Mercury);
    mercury.HouseLords.AddClosedLordship(3);
    mercury.HouseLords.AddLordship(7);
    rig.Draw({chart.get()});
    const auto& lords = rig.Drawer.HouseLordElements;
    ASSERT_EQ(lords.Count(), 2);
    const auto* first = lords.FindLord(0, BodyId::Mercury, QStringLiteral("(3)"));
    const auto* second = lords.FindLord(0, BodyId::Mercury, QStringLiteral("7"));
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(first->GlyphText, QStringLiteral("(3),"));
    EXPECT_EQ(second->GlyphText, QStringLiteral("7"));
    EXPECT_EQ(second->Left, first->Left + first->Width);
    EXPECT_EQ(first->Top + first->Height, second->Top + second->Height);
    const auto& glyph = rig.Glyph(BodyId::Mercury);
    EXPECT_GT(first->Top + first->Height, glyph.Top + glyph.Height);
    EXPECT_TRUE(first->Visible && second->Visible);

    // A redraw recreates them without multiplying them.
    rig.Drawer.ReDrawCalculatedResults(true);
    EXPECT_EQ(rig.Drawer.HouseLordElements.Count(), 2);
}

TEST(BodyGlyphs, ManyFixedStarsShowOnlyThoseInShownAspects) {
    TBodyRig rig;
    rig.Settings.Set(S::chkbFixedStars, K::KELL_E_MEGJELENITES, true);
    QStringList ids;
    for (int k = 0; k < 25; ++k)
        ids << QString::number(BodyId::FixedStarFirst + k);
    rig.Settings.SetString(S::chkbFixedStars, K::SELECTED_STARIDS, ids.join(','));
    auto chart = HandBuiltChart(EqualCusps(0));
    for (int k = 0; k < 25; ++k) {
        TPlanet& star = chart->Planets.AddOrUpdate(BodyId::FixedStarFirst + k, 14.4 * k, 0);
        star.House = static_cast<int>(14.4 * k / 30) + 1;
        star.HasShownAspect = k % 4 != 3; // 19 of them
    }
    rig.Draw({chart.get()});
    int visible = 0;
    for (const auto& e : rig.Drawer.PlanetElements) {
        visible += e->Visible;
        if (e->Visible) {
            EXPECT_TRUE(e->Body->HasShownAspect) << e->ElementId;
        }
    }
    EXPECT_EQ(visible, 19);

    // With every star taking part, at most 21 are drawn; the setting lifts the limit.
    chart->Planets.ForEach([](TPlanet& p) { p.HasShownAspect = true; });
    rig.Drawer.ReDrawCalculatedResults(true);
    visible = 0;
    for (const auto& e : rig.Drawer.PlanetElements)
        visible += e->Visible;
    EXPECT_EQ(visible, 21);
    rig.Settings.Set(S::chkbFixedStars, K::MEGJELENITES_MINDENKEPP, true);
    rig.Drawer.ReDrawCalculatedResults(true);
    visible = 0;
    for (const auto& e : rig.Drawer.PlanetElements)
        visible += e->Visible;
    EXPECT_EQ(visible, 25);
}

TEST(BodyGlyphs, EgoStateViewShowsConjunctBodiesOfTheShownList) {
    TBodyRig rig;
    rig.Settings.Set(S::chkbBolygok, K::Planets[6].Key, false); // Saturn not shown
    auto chart = ChartWithBodies({{BodyId::Sun, 100, 1},
                                  {BodyId::Venus, 102, 1},
                                  {BodyId::Saturn, 98, 1},
                                  {BodyId::Mars, 250, 1}},
                                 ChartKind::SelfMarkerView);
    chart->SelfMarkers.AddCopy(*chart->Planets.Find(BodyId::Sun));
    chart->Aspects.AddIfNew(BodyId::Sun, PointBody, 8, 2, 4, 1, PointBody, BodyId::Venus);
    chart->Aspects.AddIfNew(BodyId::Saturn, PointBody, 8, 2, 4, 1, PointBody, BodyId::Sun);
    rig.Draw({chart.get()});
    EXPECT_TRUE(rig.Glyph(BodyId::Sun).Visible);
    EXPECT_TRUE(rig.Glyph(BodyId::Venus).Visible);
    EXPECT_EQ(rig.Drawer.PlanetElements.Find(0, BodyId::Saturn), nullptr);
    EXPECT_EQ(rig.Drawer.PlanetElements.Find(0, BodyId::Mars), nullptr);
}
