#include "WheelFixture.h"
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

/// A controller that draws only the bodies, the aspects and the ego-state markers of an
/// 800 x 800 recording canvas (R = 320), so that the log holds their lines alone.
class TAspectDrawer : public TNatalChartDrawer {
public:
    using TNatalChartDrawer::TNatalChartDrawer;
    qsizetype AspectsFrom = -1;
    qsizetype AspectsTo = -1;
    TRecordingCanvas* Recording = nullptr;

protected:
    void DrawBaseCircles(int, double) override {}
    void DrawZodiacSigns(int, double) override {}
    void DrawHouseNumbers(int, const THouseList&, double) override {}
    void DrawHouseCusps(int, const THouseList&, bool, double) override {}
    void DrawAspects(int i, const TAspectInfoList& aspects, const THouseList& houses,
                     const TAxisList& axes, const TPlanetList& bodies, double asc) override {
        AspectsFrom = Recording->Log().size();
        TNatalChartDrawer::DrawAspects(i, aspects, houses, axes, bodies, asc);
        AspectsTo = Recording->Log().size();
    }
};

struct TAspectRig {
    explicit TAspectRig(bool paper = false)
        : Canvas(800, 800), Drawer(Canvas, -1, -1, paper, Settings, nullptr) {
        UseChartFonts();
        Drawer.Recording = &Canvas;
        Chart = HandBuiltChart(EqualCusps(0));
        // Every aspect looked for and drawn with its glyph.
        for (int a = 0; a < 12; ++a) {
            Settings.Set(S::chkbFenyszogek, K::AspectSwitches[a], true);
            Settings.Set(S::chkbFenyszogJelek, K::AspectSwitches[a], true);
        }
    }
    TPlanet& Body(int id, double longitude) {
        TPlanet& p = Chart->Planets.AddOrUpdate(id, longitude, 1);
        p.House = static_cast<int>(longitude / 30) % 12 + 1;
        return p;
    }
    void Aspect(int id1, quint8 kind1, int id2, quint8 kind2, int aspect) {
        Chart->Aspects.AddIfNew(id1, kind1, 8, 1, 4, aspect, kind2, id2);
    }
    void Draw() {
        Drawer.AddChart(Chart.get(), false);
        Canvas.ClearLog();
        Drawer.ReDrawCalculatedResults(true);
    }
    /// The aspect step's segments: "x1,y1-x2,y2".
    QStringList Lines() const {
        QStringList segments;
        QString from;
        for (const QString& line :
             Canvas.Log().mid(Drawer.AspectsFrom, Drawer.AspectsTo - Drawer.AspectsFrom)) {
            const QStringList parts = line.split(QLatin1Char(' '));
            if (parts[0] == QLatin1String("MoveTo"))
                from = parts[1];
            else if (parts[0] == QLatin1String("LineTo"))
                segments << from + QLatin1Char('-') + parts[1];
        }
        return segments;
    }
    QStringList Glyphs() const {
        QStringList glyphs;
        for (const QString& line :
             Canvas.Log().mid(Drawer.AspectsFrom, Drawer.AspectsTo - Drawer.AspectsFrom))
            if (line.startsWith(QLatin1String("TextOut")))
                glyphs << line;
        return glyphs;
    }
    /// The point of the inner circle (R - 184) at a longitude.
    QString At(double longitude) const {
        const TCanvasPoint p = WheelGeometry::WheelPoint(400, 400, 320 - 184, longitude, 0);
        return QStringLiteral("%1,%2").arg(p.X).arg(p.Y);
    }
    TWheelSettings Settings;
    TRecordingCanvas Canvas;
    TAspectDrawer Drawer;
    std::unique_ptr<TCalcResult> Chart;
};

} // namespace

TEST(AspectLines, WhichAspectsGetALine) {
    struct TCase {
        const char* What;
        std::function<void(TAspectRig&)> Setup;
        int Lines;
    };
    const TCase cases[] = {
        {"two shown bodies", [](TAspectRig&) {}, 1},
        {"second body not shown",
         [](TAspectRig& r) { r.Settings.Set(S::chkbBolygok, K::Planets[4].Key, false); }, 0},
        {"first body not aspected",
         [](TAspectRig& r) { r.Settings.Set(S::chkbFenyszogeltBolygok, K::Planets[0].Key, false); },
         0},
        {"aspect switched off",
         [](TAspectRig& r) { r.Settings.Set(S::chkbFenyszogek, K::AspectSwitches[5], false); }, 0},
    };
    for (const TCase& c : cases) {
        TAspectRig rig;
        rig.Body(BodyId::Sun, 10);
        rig.Body(BodyId::Mars, 130);
        rig.Aspect(BodyId::Sun, PointBody, BodyId::Mars, PointBody, 6); // trine
        c.Setup(rig);
        rig.Draw();
        EXPECT_EQ(rig.Lines().size(), c.Lines) << c.What;
    }
}

TEST(AspectLines, TheMoonOffForAspectsKeepsItsLinesAwayWhateverTheNode) {
    TAspectRig rig;
    rig.Settings.Set(S::chkbFenyszogeltBolygok, K::Planets[1].Key, false);
    rig.Settings.Set(S::chkbHoldcsomo, K::FELSZ_NODE, true);
    rig.Settings.Set(S::chkbFenyszogeltCsompontok, K::FELSZ_NODE, true);
    rig.Body(BodyId::Moon, 40);
    rig.Body(BodyId::Sun, 100);
    rig.Aspect(BodyId::Moon, PointBody, BodyId::Sun, PointBody, 7);
    rig.Draw();
    EXPECT_TRUE(rig.Lines().isEmpty());
}

TEST(AspectLines, AxisAndCuspPartnersFollowTheirSwitches) {
    for (bool mc : {false, true}) {
        TAspectRig rig;
        rig.Settings.Set(S::chkbFenyszogeltTengelyek, K::Axes[1], mc);
        rig.Body(BodyId::Sun, 10);
        rig.Aspect(BodyId::Sun, PointBody, AxisId::MediumCoeli, PointAxis, 3);
        rig.Draw();
        EXPECT_EQ(rig.Lines().size(), mc ? 1 : 0) << mc;
    }
}

TEST(AspectLines, LinesEndWhereTheGlyphsWereMoved) {
    for (bool ownPlace : {false, true}) {
        TAspectRig rig;
        rig.Settings.Set(S::chkbEgyebMegjelenitesek, K::ASPECTSATORIGPLACE, ownPlace);
        rig.Body(BodyId::Venus, 31); // its glyph is pushed 3° off the cusp of house 2...
        rig.Body(BodyId::Saturn, 200);
        rig.Aspect(BodyId::Venus, PointBody, BodyId::Saturn, PointBody, 2);
        rig.Draw();
        const QStringList lines = rig.Lines();
        ASSERT_EQ(lines.size(), 1);
        // ...but its display longitude, where lines start, is its own until a
        // rearrangement moves it; with no neighbour both settings give 31°.
        EXPECT_EQ(lines[0], rig.At(31) + "-" + rig.At(200)) << ownPlace;
    }
    // A neighbour pushes the glyph: the line follows the glyph unless told otherwise.
    for (bool ownPlace : {false, true}) {
        TAspectRig rig;
        rig.Settings.Set(S::chkbEgyebMegjelenitesek, K::ASPECTSATORIGPLACE, ownPlace);
        rig.Body(BodyId::Venus, 200);
        rig.Body(BodyId::Mars, 200.5);
        rig.Body(BodyId::Saturn, 20);
        rig.Aspect(BodyId::Venus, PointBody, BodyId::Saturn, PointBody, 2);
        rig.Draw();
        const double shown = rig.Drawer.PlanetElements.Find(0, BodyId::Venus)->DisplayLongitude;
        ASSERT_NE(shown, 200);
        const QStringList lines = rig.Lines();
        ASSERT_EQ(lines.size(), 1);
        EXPECT_EQ(lines[0].section('-', 0, 0), rig.At(ownPlace ? 200 : shown)) << ownPlace;
    }
}

TEST(AspectLines, QuintilesAreThickOnPaperOnly) {
    for (bool paper : {false, true}) {
        TAspectRig rig(paper);
        rig.Settings.Set(S::chkbNyomtatasSzinesben, K::NyomtatSzinesben, true);
        rig.Body(BodyId::Sun, 10);
        rig.Body(BodyId::Jupiter, 82);
        rig.Aspect(BodyId::Sun, PointBody, BodyId::Jupiter, PointBody, 10);
        rig.Draw();
        EXPECT_EQ(rig.Lines().size(), paper ? 3 : 1) << paper;
    }
}

TEST(AspectLines, GlyphOfALineAcrossTheCentreSitsAtTheCentre) {
    TAspectRig rig;
    rig.Body(BodyId::Sun, 10);
    rig.Body(BodyId::Saturn, 190);
    rig.Aspect(BodyId::Sun, PointBody, BodyId::Saturn, PointBody, 2);
    rig.Draw();
    const QStringList glyphs = rig.Glyphs();
    ASSERT_EQ(glyphs.size(), 1);
    // The opposition glyph "x" at 15 - 3 points on the recording canvas: 8 x 16 pixels.
    EXPECT_TRUE(glyphs[0].startsWith("TextOut 396,392 \"x\"")) << glyphs[0].toStdString();
    EXPECT_TRUE(glyphs[0].contains("brush=16777215/clear"));
}

TEST(SelfMarkers, CuspMarkersSitAtOrAfterTheirCusp) {
    TAspectRig rig;
    rig.Settings.SetInteger(S::rgrpEnallapotJelolMod, K::JelolesMod, 0);
    THouseCusp first{1, 0};
    THouseCusp fourth{4, 90};
    rig.Chart->SelfMarkers.AddCopy(first);
    rig.Chart->SelfMarkers.AddCopy(fourth);
    rig.Draw();
    const auto& markers = rig.Drawer.SelfMarkerElements;
    ASSERT_EQ(markers.Count(), 2);
    const TRecordingCanvas measure;
    auto expectAt = [&](int key, double longitude) {
        const auto* m = markers.Find(0, key);
        ASSERT_NE(m, nullptr) << key;
        EXPECT_TRUE(m->Visible);
        EXPECT_FALSE(m->PointerMode);
        // The recording canvas measures "I" + "MMI" at 15 points as 10 + 31 pixels.
        const TCanvasPoint p = WheelGeometry::WheelPoint(400, 400, 320 + 10 + 31, longitude, 0);
        const int half = static_cast<int>(RoundHalfEven(m->Width * 0.5));
        EXPECT_EQ(m->Left, p.X - half) << key;
        EXPECT_EQ(m->Top, p.Y - half) << key;
        EXPECT_TRUE(m->Painted);
    };
    expectAt(13, 0);
    expectAt(16, 100);
}

TEST(SelfMarkers, CrowdedBodyMarkersMoveASixthTowardTheirGlyphs) {
    TAspectRig rig;
    rig.Settings.Set(S::chkbEgyebMegjelenitesek, K::SELFMARKERATORIGPLACE, true);
    // Two marked bodies 1° apart with two unmarked ones between them, so that the glyphs
    // of the outer two are pushed well apart.
    rig.Chart->SelfMarkers.AddCopy(rig.Body(BodyId::Sun, 100));
    rig.Body(BodyId::Mercury, 100.3);
    rig.Body(BodyId::Venus, 100.6);
    rig.Chart->SelfMarkers.AddCopy(rig.Body(BodyId::Mars, 101));
    rig.Draw();
    for (int id : {BodyId::Sun, BodyId::Mars}) {
        const auto& glyph = *rig.Drawer.PlanetElements.Find(0, id);
        const int a = static_cast<int>(RoundHalfEven(glyph.TrueLongitude));
        const int b = static_cast<int>(RoundHalfEven(glyph.DisplayLongitude));
        ASSERT_GE(std::abs(a - b), 6) << id; // the two glyphs were pushed apart
        const int d = std::abs(a - b) / 6;
        const double expected = a + (b < a ? -d : d);
        const auto& marker = *rig.Drawer.SelfMarkerElements.Find(0, id);
        const TCanvasPoint target =
            WheelGeometry::WheelPoint(400, 400, 320 - rig.Drawer.PlanetRingBase(), expected, 0);
        EXPECT_EQ(marker.TargetX, target.X) << id;
        EXPECT_EQ(marker.TargetY, target.Y) << id;
    }
}

TEST(SelfMarkers, SwitchedOffMarkersStayHidden) {
    TAspectRig rig;
    rig.Chart->SelfMarkers.AddCopy(rig.Body(BodyId::Sun, 100));
    rig.Draw();
    ASSERT_EQ(rig.Drawer.SelfMarkerElements.Count(), 1);
    EXPECT_TRUE(rig.Drawer.SelfMarkerElements.At(0).Visible);
    rig.Settings.Set(S::chkbEgyebMegjelenitesek, K::SELFMARKERS, false);
    rig.Drawer.ReDrawCalculatedResults(true);
    ASSERT_EQ(rig.Drawer.SelfMarkerElements.Count(), 1);
    EXPECT_FALSE(rig.Drawer.SelfMarkerElements.At(0).Visible);
}
