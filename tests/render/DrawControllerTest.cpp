#include "render/DrawController.h"

#include "WheelFixture.h"
#include "core/SegedUtils.h"
#include "render/RecordingCanvas.h"
#include "render/WheelGeometry.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace velkaris;
using namespace velkaris::test;
namespace S = velkaris::SettingsSection;
namespace K = velkaris::SettingsKey;

namespace {

/// A controller that notes every drawing step it is asked for, can leave out the
/// frame's steps, and marks cusps as crossed in the body step like the body code does.
class TProbeDrawer : public TNatalChartDrawer {
public:
    using TNatalChartDrawer::DrawHouseCusps;
    using TNatalChartDrawer::TNatalChartDrawer;

    QStringList Calls;
    bool Signs = true;
    bool Numbers = true;
    bool Cusps = true;
    /// Cusps the first body pass reports as crossed.
    std::vector<int> CrossCusps;
    /// Centre and radius of each wheel when its base circles were drawn.
    std::vector<std::array<int, 3>> Wheels;
    /// Where the log stood when each step began.
    std::map<QString, qsizetype> LogAt;
    TRecordingCanvas* Recording = nullptr;

protected:
    void Note(const QString& call) {
        Calls << call;
        if (Recording)
            LogAt[call] = Recording->Log().size();
    }
    static QString Asc(double a) { return QString::number(a, 'f', 2); }
    void DrawBaseCircles(int i, double asc) override {
        Note(QStringLiteral("BaseCircles %1 %2").arg(i).arg(Asc(asc)));
        Wheels.push_back({CenterX, CenterY, Radius});
        TNatalChartDrawer::DrawBaseCircles(i, asc);
    }
    void DrawZodiacSigns(int i, double asc) override {
        Note(QStringLiteral("Signs %1 %2").arg(i).arg(Asc(asc)));
        if (Signs)
            TNatalChartDrawer::DrawZodiacSigns(i, asc);
    }
    void DrawHouseNumbers(int i, const THouseList& h, double asc) override {
        Note(QStringLiteral("Numbers %1 %2").arg(i).arg(Asc(asc)));
        if (Numbers)
            TNatalChartDrawer::DrawHouseNumbers(i, h, asc);
    }
    void DrawHouseCusps(int i, const THouseList& h, bool second, double asc) override {
        Note(QStringLiteral("Cusps %1 %2 %3").arg(i).arg(second).arg(Asc(asc)));
        if (Cusps)
            TNatalChartDrawer::DrawHouseCusps(i, h, second, asc);
    }
    void DrawPlanets(int i, const TPlanetList&, const TAxisList&, bool second, const THouseList&,
                     const TAspectInfoList&, const TSelfMarkerList&, double asc) override {
        Note(QStringLiteral("Planets %1 %2 %3").arg(i).arg(second).arg(Asc(asc)));
        if (!second)
            for (int n : CrossCusps)
                CrossedCusps.Add(n);
    }
    void DrawAspects(int i, const TAspectInfoList&, const THouseList&, const TAxisList&,
                     const TPlanetList&, double asc) override {
        Note(QStringLiteral("Aspects %1 %2").arg(i).arg(Asc(asc)));
    }
    void DrawSelfMarkers(int i, const TSelfMarkerList&, double asc) override {
        Note(QStringLiteral("SelfMarkers %1 %2").arg(i).arg(Asc(asc)));
    }
};

/// A screen (or paper) controller on a recording canvas of 800 x 600.
struct TRig {
    explicit TRig(bool paper = false, int width = 800, int height = 600)
        : Canvas(width, height), Drawer(Canvas, -1, -1, paper, Settings, nullptr) {
        UseChartFonts();
        Drawer.Recording = &Canvas;
    }
    void Draw(std::initializer_list<const TCalcResult*> charts, bool overlay = true) {
        for (const TCalcResult* r : charts)
            Drawer.AddChart(r, false);
        Canvas.ClearLog();
        Drawer.ReDrawCalculatedResults(overlay);
    }
    /// The log lines of one step (from its start to the next step's start).
    QStringList LinesOfStep(const QString& call) const {
        const qsizetype from = Drawer.LogAt.at(call);
        qsizetype to = Canvas.Log().size();
        for (const auto& [name, at] : Drawer.LogAt)
            if (at > from && at < to)
                to = at;
        return Canvas.Log().mid(from, to - from);
    }
    TWheelSettings Settings;
    TRecordingCanvas Canvas;
    TProbeDrawer Drawer;
};

int Half(int length) {
    return static_cast<int>(RoundHalfEven(length * 0.5));
}

int Count(const QStringList& lines, const QString& operation) {
    return static_cast<int>(std::count_if(lines.begin(), lines.end(), [&](const QString& l) {
        return l.startsWith(operation + QLatin1Char(' '));
    }));
}

/// The points of the LineTo lines (with the MoveTo before each), as "x1,y1-x2,y2".
QStringList Segments(const QStringList& lines) {
    QStringList segments;
    QString from;
    for (const QString& line : lines) {
        const QStringList parts = line.split(QLatin1Char(' '));
        if (parts[0] == QLatin1String("MoveTo"))
            from = parts[1];
        else if (parts[0] == QLatin1String("LineTo"))
            segments << from + QLatin1Char('-') + parts[1] + QLatin1Char(' ') + parts[2];
    }
    return segments;
}

} // namespace

TEST(DrawController, ScreenWheelOf800By600) {
    TRig rig;
    const auto chart = HandBuiltChart(EqualCusps(0));
    rig.Draw({chart.get()});
    EXPECT_EQ(rig.Drawer.Layout.Margin, 60);
    EXPECT_EQ(rig.Drawer.Layout.Diameter(), 480);
    EXPECT_EQ(rig.Drawer.Radius, 240);
    EXPECT_EQ(rig.Drawer.CenterX, 400);
    EXPECT_EQ(rig.Drawer.CenterY, 300);
    EXPECT_EQ(rig.Drawer.BaseFontSize(), 12);
    EXPECT_EQ(rig.Canvas.Log().first(), QStringLiteral("SuspendUpdates"));
    EXPECT_EQ(rig.Canvas.Log().last(), QStringLiteral("ResumeUpdates"));
}

TEST(DrawController, RedrawSequenceOfOneChart) {
    TRig rig;
    const auto chart = HandBuiltChart(EqualCusps(123.5));
    rig.Draw({chart.get()});
    EXPECT_EQ(rig.Drawer.Calls,
              (QStringList{"BaseCircles 0 123.50", "Signs 0 123.50", "Numbers 0 123.50",
                           "Cusps 0 0 123.50", "Planets 0 0 123.50", "Aspects 0 123.50",
                           "SelfMarkers 0 123.50"}));
}

TEST(DrawController, SecondChartOfAnOverlayIsAnOuterRing) {
    TRig rig;
    const auto first = HandBuiltChart(EqualCusps(100));
    const auto second = HandBuiltChart(EqualCusps(250), ChartKind::Transit);
    rig.Draw({first.get(), second.get()});
    // No frame, no aspects and the first chart's turn for the outer ring; with two
    // charts the ego-state markers are not drawn.
    EXPECT_EQ(rig.Drawer.Calls,
              (QStringList{"BaseCircles 0 100.00", "Signs 0 100.00", "Numbers 0 100.00",
                           "Cusps 0 0 100.00", "Planets 0 0 100.00", "Aspects 0 100.00",
                           "Cusps 1 0 100.00", "Planets 1 0 100.00"}));
}

TEST(DrawController, ShiftedChartsDrawWheelsOfTheirOwn) {
    TRig rig;
    const auto first = HandBuiltChart(EqualCusps(100));
    const auto second = HandBuiltChart(EqualCusps(250));
    rig.Draw({first.get(), second.get()}, false);
    EXPECT_TRUE(rig.Drawer.Calls.contains("BaseCircles 1 250.00"));
    EXPECT_TRUE(rig.Drawer.Calls.contains("Aspects 1 250.00"));
    EXPECT_FALSE(rig.Drawer.Calls.contains("SelfMarkers 1 250.00"));
    // Vertically shifted: each wheel at 0.6 of the area (margin 22, diameter 316), the
    // second moved right and down by D0 - D = 556 - 316.
    ASSERT_EQ(rig.Drawer.Wheels.size(), 2u);
    EXPECT_EQ(rig.Drawer.Wheels[0], (std::array<int, 3>{240, 180, 158}));
    EXPECT_EQ(rig.Drawer.Wheels[1], (std::array<int, 3>{480, 420, 158}));
}

TEST(DrawController, SelfMarkersOnlyForOneChartThatIsNotAriesZero) {
    for (const auto& [kind, drawn] :
         {std::pair{ChartKind::Natal, true}, {ChartKind::AriesZero, false}}) {
        TRig rig;
        const auto chart = HandBuiltChart(EqualCusps(0), kind);
        rig.Drawer.SelfMarkerElements.AddOrReplace(std::make_unique<TSelfMarkerGraphicControl>());
        rig.Draw({chart.get()});
        EXPECT_EQ(rig.Drawer.Calls.contains("SelfMarkers 0 0.00"), drawn) << int(kind);
        EXPECT_EQ(rig.Drawer.SelfMarkerElements.At(0).Visible, drawn) << int(kind);
    }
}

TEST(DrawController, EmptyChartListDrawsOnlyTheBackgroundWhenAsked) {
    TRig rig;
    rig.Drawer.DrawWheel = false;
    rig.Drawer.ClearBackground = true;
    rig.Draw({});
    EXPECT_EQ(rig.Canvas.Log(),
              (QStringList{"SuspendUpdates", "FillRect 0,0,800,600 brush=16777215/solid",
                           "ResumeUpdates"}));
}

TEST(DrawController, BaseCirclesFromTheOutsideIn) {
    struct TCase {
        bool LinesToPlanets;
        QStringList Ellipses;
    };
    const TCase cases[] = {
        {false,
         {"160,60,640,540", "192,92,608,508", "200,100,600,500", "280,180,520,420",
          "298,198,502,402"}},
        // Aspect lines up to the bodies: the aspect circle, and the inner circles move in.
        {true,
         {"160,60,640,540", "192,92,608,508", "200,100,600,500", "244,144,556,456",
          "357,257,443,343", "371,271,429,329"}},
    };
    for (const TCase& c : cases) {
        TRig rig;
        rig.Settings.Set(S::chkbFenyszogVonalak, K::FSZVONALPLANETAIG, c.LinesToPlanets);
        rig.Drawer.Signs = rig.Drawer.Numbers = rig.Drawer.Cusps = false;
        const auto chart = HandBuiltChart(EqualCusps(0));
        rig.Draw({chart.get()});
        QStringList ellipses;
        for (const QString& line : rig.Canvas.LinesOf(QStringLiteral("Ellipse")))
            ellipses << line.split(QLatin1Char(' '))[1];
        EXPECT_EQ(ellipses, c.Ellipses) << c.LinesToPlanets;
    }
}

TEST(DrawController, DegreeTicksOnePerLongitudeAndBand) {
    struct TCase {
        bool Outer, Inner, AspectCircle;
        int Charts;
        int Lines;
    };
    const TCase cases[] = {
        {false, false, false, 1, 12}, // only the sign boundaries
        {false, true, false, 1, 12 + 360},
        {true, true, true, 1, 12 + 3 * 360},
        {false, false, true, 1, 12 + 360},
        {false, false, false, 2, 12 + 360}, // two charts always get the outer ticks
    };
    for (const TCase& c : cases) {
        TRig rig;
        rig.Settings.SetTicks(c.Outer, c.Inner, c.AspectCircle);
        rig.Drawer.Signs = rig.Drawer.Numbers = rig.Drawer.Cusps = false;
        const auto first = HandBuiltChart(EqualCusps(0));
        const auto second = HandBuiltChart(EqualCusps(0));
        if (c.Charts == 1)
            rig.Draw({first.get()});
        else
            rig.Draw({first.get(), second.get()});
        const QStringList lines = rig.LinesOfStep(QStringLiteral("BaseCircles 0 0.00"));
        EXPECT_EQ(Count(lines, QStringLiteral("LineTo")), c.Lines)
            << c.Outer << c.Inner << c.AspectCircle << c.Charts;
    }
}

TEST(DrawController, SignBoundariesCrossTheRingAtTheTurnedAngle) {
    TRig rig;
    rig.Settings.SetTicks(false, false, false);
    rig.Drawer.Signs = rig.Drawer.Numbers = rig.Drawer.Cusps = false;
    const auto chart = HandBuiltChart(EqualCusps(0.4)); // turned by 0
    rig.Draw({chart.get()});
    const QStringList segments = Segments(rig.Canvas.Log());
    ASSERT_EQ(segments.size(), 12);
    // R 240, ring 40: from R - 1 to R - 42. Longitude 0 lies left of the centre and
    // longitude 90 straight below it.
    EXPECT_TRUE(segments.contains("161,300-202,300 pen=0/1/0"))
        << segments.join("\n").toStdString();
    EXPECT_TRUE(segments.contains("400,539-400,498 pen=0/1/0"))
        << segments.join("\n").toStdString();
}

TEST(DrawController, AspectAreaAndSignCellsFilledUnlessPaperInBlack) {
    struct TCase {
        bool Paper, Colour;
        int Fills;
    };
    for (const TCase& c : {TCase{false, false, 13}, {true, false, 0}, {true, true, 13}}) {
        TRig rig(c.Paper);
        rig.Settings.Set(S::chkbNyomtatasSzinesben, K::NyomtatSzinesben, c.Colour);
        rig.Drawer.Numbers = rig.Drawer.Cusps = false;
        const auto chart = HandBuiltChart(EqualCusps(0));
        rig.Draw({chart.get()});
        EXPECT_EQ(Count(rig.Canvas.Log(), QStringLiteral("FloodFill")), c.Fills)
            << c.Paper << c.Colour;
        // The sign glyphs are there in every case.
        EXPECT_EQ(rig.Drawer.SignElements.Count(), 12);
    }
}

TEST(DrawController, PaperDoublesTheBaseLineWidth) {
    TRig rig(true);
    rig.Settings.SetInteger(S::Vonalvastagsagok, K::Alapvonalak, 2);
    rig.Drawer.Signs = rig.Drawer.Numbers = rig.Drawer.Cusps = false;
    const auto chart = HandBuiltChart(EqualCusps(0));
    rig.Draw({chart.get()});
    EXPECT_TRUE(rig.Canvas.LinesOf(QStringLiteral("Ellipse")).first().contains("pen=0/4/0"));
}

TEST(DrawController, GradientFromYellowToBlack) {
    TRig rig;
    rig.Drawer.Gradient = true;
    rig.Drawer.Signs = rig.Drawer.Numbers = rig.Drawer.Cusps = false;
    const auto chart = HandBuiltChart(EqualCusps(0));
    rig.Draw({chart.get()});
    const QStringList segments = Segments(rig.Canvas.Log());
    ASSERT_GE(segments.size(), 600);
    EXPECT_EQ(segments[0], QStringLiteral("0,0-800,0 pen=65535/1/0"));
    // Row 599 of 600: 255 + ceil(599 * -255 / 600) = 1 in red and green.
    EXPECT_EQ(segments[599], QStringLiteral("0,599-800,599 pen=257/1/0"));
}

TEST(DrawController, TimingLinesOfEveryStep) {
    TRig rig;
    QStringList log;
    rig.Drawer.TimingLog = [&log](const QString& line) { log << line; };
    const auto chart = HandBuiltChart(EqualCusps(0));
    rig.Draw({chart.get()});
    ASSERT_GE(log.size(), 4);
    EXPECT_EQ(log.first(), QStringLiteral("ReDrawCalculatedResults START"));
    EXPECT_EQ(log.last(), QString(28, QLatin1Char('-')));
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^ReDrawCalculatedResults END: \\d\\d\\.\\d{3}$"))
                    .match(log[log.size() - 2])
                    .hasMatch());
    for (const char* step :
         {"  DrawBaseCircles", "  DrawZodiacSigns", "  DrawHouseNumbers", "  DrawHouseCusps"}) {
        const QString name = QString::fromLatin1(step);
        const qsizetype start = log.indexOf(name + QStringLiteral(" START"));
        ASSERT_GE(start, 0) << step;
        EXPECT_TRUE(log[start + 1].startsWith(name + QStringLiteral(" END: "))) << step;
    }
}

TEST(DrawController, ElementsAreReusedAcrossRedraws) {
    TRig rig;
    rig.Settings.Set(S::chkbZodiakusJelek, K::KELL_E_ANALOG, true);
    const auto chart = HandBuiltChart(EqualCusps(0));
    rig.Draw({chart.get()});
    const TBaseGraphicControl* aries = rig.Drawer.SignElements.Find(0, 0);
    ASSERT_NE(aries, nullptr);
    rig.Drawer.ReDrawCalculatedResults(true);
    EXPECT_EQ(rig.Drawer.SignElements.Count(), 12);
    EXPECT_EQ(rig.Drawer.AnalogPlanetElements.Count(), 12);
    EXPECT_EQ(rig.Drawer.HouseNumberElements.Count(), 12);
    EXPECT_EQ(rig.Drawer.SignElements.Find(0, 0), aries);

    // A sign switched off stays in its list, hidden; the rulers too.
    rig.Settings.Set(S::chkbZodiakusJelek, K::Signs[0], false);
    rig.Settings.Set(S::chkbZodiakusJelek, K::KELL_E_ANALOG, false);
    rig.Drawer.ReDrawCalculatedResults(true);
    EXPECT_FALSE(aries->Visible);
    EXPECT_TRUE(rig.Drawer.SignElements.Find(0, 1)->Visible);
    for (const auto& ruler : rig.Drawer.AnalogPlanetElements)
        EXPECT_FALSE(ruler->Visible);
}

TEST(DrawController, SignGlyphsSitInTheMiddleOfTheirBand) {
    // R = 600 (a 1500 x 1500 area): the glyphs' band is the degree band of 80 when the
    // degrees have an arc of their own, else the ring of 100.
    for (const auto& [ownArc, radius] : {std::pair{true, 560}, {false, 550}}) {
        TRig rig(false, 1500, 1500);
        rig.Settings.Set(S::chkbFokjelolok, K::ZODIACDEGKULON, ownArc);
        rig.Drawer.Numbers = rig.Drawer.Cusps = false;
        const auto chart = HandBuiltChart(EqualCusps(0.4)); // Aries left, below the horizon
        rig.Draw({chart.get()});
        ASSERT_EQ(rig.Drawer.Radius, 600);
        const TCanvasPoint p = WheelGeometry::WheelPoint(750, 750, radius, 15, 0);
        EXPECT_LT(p.X, 750);
        EXPECT_GT(p.Y, 750);
        const QStringList fills = rig.LinesOfStep(QStringLiteral("Signs 0 0.40"));
        const QString fire = QString::number(rig.Settings.GetElementBackground(0));
        EXPECT_TRUE(fills.contains(
            QStringLiteral("FloodFill %1,%2 border=0 brush=%3/solid").arg(p.X).arg(p.Y).arg(fire)))
            << fills.join("\n").toStdString();
        const TBaseGraphicControl& aries = *rig.Drawer.SignElements.Find(0, 0);
        EXPECT_EQ(aries.Left, p.X - Half(std::min(aries.Width, aries.Height)));
        EXPECT_EQ(aries.Top, p.Y - Half(std::max(aries.Width, aries.Height)));
    }
}

TEST(DrawController, HorizonLevelAlthoughTheWheelTurnsByWholeDegrees) {
    TRig rig;
    rig.Drawer.Signs = rig.Drawer.Numbers = false;
    rig.Settings.Set(S::chkbFokjelolok, K::HOUSEDEG, false);
    const auto chart = HandBuiltChart(EqualCusps(10.45)); // turned by 10
    rig.Draw({chart.get()});
    const QStringList cusps = Segments(rig.LinesOfStep(QStringLiteral("Cusps 0 0 10.45")));
    ASSERT_EQ(cusps.size(), 12);
    for (int n : {0, 6}) {
        const QStringList ends = cusps[n].split(QLatin1Char(' '))[0].split(QLatin1Char('-'));
        EXPECT_EQ(ends[0].split(',')[1], ends[1].split(',')[1]) << cusps[n].toStdString();
    }
    // Angular cusps twice as wide as the others.
    EXPECT_TRUE(cusps[3].endsWith("pen=0/2/0"));
    EXPECT_TRUE(cusps[4].endsWith("pen=0/1/0"));
}

TEST(DrawController, CuspLabelsCarryRoundedMinutes) {
    TRig rig;
    rig.Drawer.Signs = rig.Drawer.Numbers = false;
    auto cusps = EqualCusps(0);
    cusps[0] = 17.995;            // 17° 59.7' -> 18° 00'
    cusps[1] = 30 + 5 + 7.0 / 60; // 5° 07' of Taurus
    const auto chart = HandBuiltChart(cusps);
    rig.Draw({chart.get()});
    QStringList texts;
    for (const QString& line :
         rig.LinesOfStep(QStringLiteral("Cusps 0 0 ") + QString::number(17.995, 'f', 2)))
        if (line.startsWith(QLatin1String("TextOut")))
            texts << line.section(QLatin1Char('"'), 1, 1);
    ASSERT_GE(texts.size(), 6);
    EXPECT_EQ(texts.mid(0, 3), (QStringList{"18°", "00'", "q"}));
    EXPECT_EQ(texts.mid(3, 3), (QStringList{"05°", "07'", "w"}));
    EXPECT_EQ(texts.size(), 36); // three labels for each of the twelve cusps
}

TEST(DrawController, NoCuspLabelsWithTwoCharts) {
    TRig rig;
    rig.Drawer.Signs = rig.Drawer.Numbers = false;
    const auto first = HandBuiltChart(EqualCusps(0));
    const auto second = HandBuiltChart(EqualCusps(40));
    rig.Draw({first.get(), second.get()});
    EXPECT_EQ(Count(rig.Canvas.Log(), QStringLiteral("TextOut")), 0);
}

TEST(DrawController, TransitRingMarksOnlyItsAscendantAndMidheaven) {
    TRig rig;
    rig.Drawer.Signs = rig.Drawer.Numbers = false;
    const auto natal = HandBuiltChart(EqualCusps(0));
    const auto transit = HandBuiltChart(EqualCusps(45), ChartKind::Transit, 300);
    rig.Draw({natal.get(), transit.get()});
    const QStringList marks = Segments(rig.LinesOfStep(QStringLiteral("Cusps 1 0 0.00")));
    ASSERT_EQ(marks.size(), 2) << marks.join("\n").toStdString();
    // Outside the wheel: from R + rnd(60 * 0.6) div 2 = 258 to R = 240.
    const TCanvasPoint s1 = WheelGeometry::WheelPoint(400, 300, 258, 45, 0);
    const TCanvasPoint e1 = WheelGeometry::WheelPoint(400, 300, 240, 45, 0);
    EXPECT_TRUE(
        marks[0].startsWith(QStringLiteral("%1,%2-%3,%4 ").arg(s1.X).arg(s1.Y).arg(e1.X).arg(e1.Y)))
        << marks[0].toStdString();
}

TEST(DrawController, SecondPassRedrawsOnlyTheCrossedCusps) {
    TRig rig;
    rig.Drawer.Signs = rig.Drawer.Numbers = false;
    rig.Settings.Set(S::chkbFokjelolok, K::HOUSEDEG, false);
    rig.Drawer.CrossCusps = {4};
    const auto chart = HandBuiltChart(EqualCusps(0));
    rig.Draw({chart.get()});
    const QStringList second = Segments(rig.LinesOfStep(QStringLiteral("Cusps 0 1 0.00")));
    ASSERT_EQ(second.size(), 3) << second.join("\n").toStdString();
    // Cusp 4 at 90° lies straight below: erased in white from the ring (R - 40) to the
    // inner circle (R - 138), black from the house-number circle (R - 117) inward, dotted
    // and thin across the body ring.
    EXPECT_EQ(second[0], QStringLiteral("400,500-400,402 pen=16777215/2/0"));
    EXPECT_EQ(second[1], QStringLiteral("400,423-400,402 pen=0/2/0"));
    EXPECT_EQ(second[2], QStringLiteral("400,500-400,423 pen=0/1/2"));
    EXPECT_TRUE(rig.Drawer.Calls.contains("Planets 0 1 0.00"));
}

TEST(DrawController, HouseNumbersHalfwayBetweenTheirCusps) {
    TRig rig;
    rig.Settings.Set(S::chkbEgyebMegjelenitesek, K::HOUSENUMSBYARABICNUMBERS, false);
    auto cusps = EqualCusps(10);
    cusps[5] = -1; // a cusp that was not calculated
    const auto chart = HandBuiltChart(cusps);
    rig.Draw({chart.get()});
    const auto& numbers = rig.Drawer.HouseNumberElements;
    EXPECT_EQ(numbers.Find(0, 6), nullptr);
    EXPECT_EQ(numbers.Find(0, 4)->GlyphText, QStringLiteral("IV"));
    EXPECT_EQ(numbers.Find(0, 5)->GlyphText, QStringLiteral("5"));
    // House 12 from 340° to 10°: its middle is 355°, at R - rnd(138 * 0.93) = 112.
    const TBaseGraphicControl& twelve = *numbers.Find(0, 12);
    const TCanvasPoint p = WheelGeometry::WheelPoint(400, 300, 112, 355, 10);
    EXPECT_EQ(twelve.Left, p.X - Half(std::min(twelve.Width, twelve.Height)));
    EXPECT_EQ(twelve.GlyphText, QStringLiteral("12"));
}
