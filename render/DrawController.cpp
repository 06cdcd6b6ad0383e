#include "DrawController.h"

#include "ChartCanvas.h"
#include "RenderMath.h"
#include "WheelGeometry.h"
#include "core/CalcResult.h"
#include "core/SegedUtils.h"
#include "core/ZentavoConsts.h"
#include "data/SettingsProvider.h"

#include <QTime>
#include <algorithm>
#include <cmath>

namespace velkaris {

using RenderMath::Rnd;

namespace {

QString ElapsedText(qint64 milliseconds) {
    return QTime::fromMSecsSinceStartOfDay(static_cast<int>(milliseconds % 86'400'000))
        .toString(QStringLiteral("ss.zzz"));
}

/// One channel of the gradient's row `row` of `rows`: it moves from start to end,
/// rounded up.
int GradientChannel(int start, int end, int row, int rows) {
    return start + static_cast<int>(std::ceil(static_cast<double>(row) * (end - start) / rows));
}

} // namespace

TDrawControllerBase::TTimedStep::TTimedStep(const TDrawControllerBase& owner, const char* name)
    : m_Owner(owner), m_Name(QString::fromLatin1(name)) {
    if (!m_Owner.TimingLog)
        return;
    m_Timer.start();
    m_Owner.TimingLog(m_Name + QStringLiteral(" START"));
}

TDrawControllerBase::TTimedStep::~TTimedStep() {
    if (m_Owner.TimingLog)
        m_Owner.TimingLog(m_Name + QStringLiteral(" END: ") + ElapsedText(m_Timer.elapsed()));
}

TDrawControllerBase::TDrawControllerBase(TChartCanvas& canvas, int heightOverride,
                                         int widthOverride, bool paperMode,
                                         const TSettingsProvider& settings,
                                         const TAspectOrbProvider* orbProvider,
                                         TRectInformations::TSizeSource sizeControl)
    : Canvas(canvas), PaperMode(paperMode),
      Layout(sizeControl ? std::move(sizeControl) : TRectInformations::TSizeSource([&canvas] {
                 const TCanvasRect clip = canvas.ClipRect();
                 return TAreaSize{clip.Width(), clip.Height()};
             }),
             widthOverride, heightOverride),
      Settings(settings), OrbProvider(orbProvider) {}

TDrawControllerBase::~TDrawControllerBase() = default;

void TDrawControllerBase::AddChart(const TCalcResult* result, bool redraw, int extra) {
    if (result && std::find(Charts.begin(), Charts.end(), result) == Charts.end())
        Charts.push_back(result);
    if (redraw)
        ReDrawCalculatedResults(Overlay, extra);
}

void TDrawControllerBase::ReDrawCalculatedResults(bool overlay, int extra) {
    QElapsedTimer timer;
    if (TimingLog) {
        timer.start();
        TimingLog(QStringLiteral("ReDrawCalculatedResults START"));
    }
    Overlay = overlay;
    LinesToPlanets = Settings.GetAspectLinesToPlanets();
    if (LockRedraw)
        Canvas.SuspendUpdates();
    Canvas.SetFontName(SymbolFontName);
    Canvas.SetFontSize(BaseFontSize());
    Layout.Overlay = overlay;
    Layout.HorizontalShift = Settings.GetMultiChartShiftMode() == 1;
    FontMultiplier = Settings.GetGlyphSizeFactor();

    if (DrawWheel) {
        double ascendant = 0;
        for (int i = 0; i < ChartCount(); ++i) {
            const TCalcResult& r = *Charts[static_cast<size_t>(i)];
            CrossedCusps.Clear();
            CrossingPlanets.Clear();
            Layout.ChartIndex = i;
            if (!PaperMode)
                Layout.ResetMargin(false);
            Radius = std::max(Layout.Diameter() / 2, 0);
            CenterX = Layout.CenterX();
            CenterY = Layout.CenterY();
            const bool outerRing = i > 0 && overlay;
            if (!outerRing) {
                const TAxis* asc = r.Axes.Find(AxisId::Ascendant);
                ascendant = asc ? asc->Longitude : 0;
                DrawBaseCircles(i, ascendant);
                DrawZodiacSigns(i, ascendant);
                DrawHouseNumbers(i, r.Houses, ascendant);
            }
            DrawHouseCusps(i, r.Houses, false, ascendant);
            DrawPlanets(i, r.Planets, r.Axes, false, r.Houses, r.Aspects, r.SelfMarkers, ascendant);
            if (CrossedCusps.Count() > 0) {
                DrawHouseCusps(i, r.Houses, true, ascendant);
                DrawPlanets(i, r.Planets, r.Axes, true, r.Houses, r.Aspects, r.SelfMarkers,
                            ascendant);
            }
            if (i == 0 || !overlay)
                DrawAspects(i, r.Aspects, r.Houses, r.Axes, r.Planets, ascendant);
            if (ChartCount() != 1 || r.ChartKind == ChartKind::AriesZero) {
                HideSelfMarkerElements(true);
            } else {
                HideSelfMarkerElements(false);
                DrawSelfMarkers(i, r.SelfMarkers, ascendant);
            }
        }
    } else if (ClearBackground) {
        FillBackground();
    }
    DrawAdditions(Canvas, Layout.WidthOverride, Layout.HeightOverride, extra);
    RefreshElementHints();
    if (LockRedraw)
        Canvas.ResumeUpdates();
    if (TimingLog) {
        TimingLog(QStringLiteral("ReDrawCalculatedResults END: ") + ElapsedText(timer.elapsed()));
        TimingLog(QString(28, QLatin1Char('-')));
    }
}

void TDrawControllerBase::HideSelfMarkerElements(bool hide) {
    for (const auto& marker : SelfMarkerElements)
        marker->Visible = !hide;
}

bool TDrawControllerBase::IsBodyGlyphVisible(int bodyId) const {
    for (const auto& element : PlanetElements) {
        const int id = element->Body ? element->Body->BodyId : element->ElementId;
        if (id == bodyId)
            return element->Visible;
    }
    return false;
}

void TDrawControllerBase::FillBackground() {
    Canvas.SetBrushColour(BackgroundColour());
    Canvas.SetBrushStyle(TBrushStyle::Solid);
    if (!DrawWheel)
        Canvas.FillRect(Canvas.ClipRect());
}

void TDrawControllerBase::ForEachElement(
    const std::function<void(const TBaseGraphicControl&)>& visit) const {
    auto all = [&](const auto& list) {
        for (const auto& element : list)
            visit(*element);
    };
    all(SignElements);
    all(AnalogPlanetElements);
    all(HouseNumberElements);
    all(PlanetElements);
    all(HouseLordElements);
    all(SelfMarkerElements);
}

void TDrawControllerBase::MakeVisible(TBaseGraphicControl& element, int chartIndex) const {
    if (chartIndex == 0 || !Overlay)
        element.Visible = true;
}

void TDrawControllerBase::CentreOn(TBaseGraphicControl& element, TCanvasPoint p) {
    const int smaller = std::min(element.Height, element.Width);
    const int larger = std::max(element.Height, element.Width);
    element.SetPosition(p.X - Rnd(smaller * 0.5), p.Y - Rnd(larger * 0.5));
}

TBaseGraphicControl* TDrawControllerBase::ElementAt(int x, int y) const {
    TBaseGraphicControl* topmost = nullptr;
    ForEachElement([&](const TBaseGraphicControl& e) {
        if (e.Visible && x >= e.Left && x < e.Left + e.Width && y >= e.Top && y < e.Top + e.Height)
            topmost = const_cast<TBaseGraphicControl*>(&e);
    });
    return topmost;
}

// Geometry.

int TDrawControllerBase::BaseFontSize() const {
    return WheelGeometry::BaseFontSize(Layout.Diameter());
}

int TDrawControllerBase::ZodiacRingWidth() const {
    return WheelGeometry::ZodiacRingWidth(Radius);
}

int TDrawControllerBase::DegreeBandWidth() const {
    return WheelGeometry::DegreeBandWidth(Radius);
}

int TDrawControllerBase::PlanetRingBase() const {
    return WheelGeometry::PlanetRingBase(Radius);
}

double TDrawControllerBase::DampedFontScale() const {
    return WheelGeometry::DampedFontScale(FontMultiplier);
}

int TDrawControllerBase::InnerCircleOffset() const {
    return WheelGeometry::InnerCircleOffset(Radius, LinesToPlanets);
}

int TDrawControllerBase::HouseNumberCircleOffset() const {
    return WheelGeometry::HouseNumberCircleOffset(Radius, LinesToPlanets);
}

int TDrawControllerBase::AspectCircleOffset() const {
    return WheelGeometry::AspectCircleOffset(Radius);
}

int TDrawControllerBase::PlanetRingOffset(int chartIndex) const {
    return WheelGeometry::PlanetRingOffset(Radius, chartIndex, Overlay, Layout.Margin,
                                           FontMultiplier);
}

TCanvasColour TDrawControllerBase::SignElementColour(int sign) const {
    return Settings.GetElementBackground(((sign % 4) + 4) % 4);
}

TCanvasColour TDrawControllerBase::PaperColour(TCanvasColour colour) const {
    return !PaperMode || Settings.GetPrintInColour() ? colour : CanvasBlack;
}

TCanvasPoint TDrawControllerBase::PointAt(double r, double longitude, double ascendant) const {
    return WheelGeometry::WheelPoint(CenterX, CenterY, r, longitude,
                                     WheelGeometry::WheelTurn(ascendant));
}

// Base circles and degree ticks.

void TDrawControllerBase::DrawBaseCircles(int chartIndex, double ascendant) {
    const TTimedStep timed(*this, "  DrawBaseCircles");
    Canvas.SetBrushColour(BackgroundColour());
    Canvas.SetBrushStyle(TBrushStyle::Solid);
    if ((chartIndex == 0 && !PaperMode) || ClearBackground)
        Canvas.FillRect(Canvas.ClipRect());
    if (Gradient && !PaperMode) {
        DrawGradient(Canvas.ClipRect());
        Canvas.SetBrushColour(BackgroundColour());
    }
    Canvas.SetPenStyle(TPenStyle::Solid);
    Canvas.SetPenWidth(Settings.GetBaseLineWidth() * (PaperMode ? 2 : 1));
    Canvas.SetPenColour(CanvasBlack);

    const TCanvasRect square{Layout.WheelLeft(), Layout.WheelTop(), Layout.WheelRight(),
                             Layout.WheelBottom()};
    auto circle = [&](int inset) {
        Canvas.Ellipse(square.Left + inset, square.Top + inset, square.Right - inset,
                       square.Bottom - inset);
    };
    circle(0);
    if (Settings.GetZodiacDegreesOnOwnArc())
        circle(DegreeBandWidth());
    circle(ZodiacRingWidth());
    if (LinesToPlanets)
        circle(AspectCircleOffset());
    circle(HouseNumberCircleOffset() + 3);
    circle(InnerCircleOffset());

    DrawDegreeTicks(ascendant);

    if (!PaperMode || Settings.GetPrintInColour()) {
        Canvas.SetBrushColour(Settings.GetAspectCircleBackground());
        Canvas.FloodFill(CenterX, CenterY, CanvasBlack);
        Canvas.SetBrushColour(WindowFaceColour);
    }
}

void TDrawControllerBase::DrawDegreeTicks(double ascendant) {
    const int ring = ZodiacRingWidth();
    const int turn = WheelGeometry::WheelTurn(ascendant);
    const bool outer = ChartCount() > 1 || Settings.GetOuterZodiacTicks();
    const bool inner = Settings.GetInnerZodiacTicks();
    const bool aspectCircle = Settings.GetInnerAspectCircleTicks();
    const int aspectInset = LinesToPlanets ? AspectCircleOffset() : InnerCircleOffset();
    for (int d = 359; d >= 0; --d) {
        const int length = d % 30 == 0   ? ring
                           : d % 10 == 0 ? ring / 8
                           : d % 5 == 0  ? ring / 12
                                         : ring / 16;
        const double angle = d + turn + 180;
        if (outer)
            DrawTick(angle, 0, -length);
        if (inner)
            DrawTick(angle, ring, length);
        if (d % 30 == 0)
            DrawTick(angle, ring + 2, length + 1);
        if (aspectCircle)
            DrawTick(angle, aspectInset, -(d % 30 == 0 ? ring / 4 : length));
    }
}

void TDrawControllerBase::DrawTick(double screenAngle, int a, int b) {
    constexpr double DegToRad = 0.017453292519943295;
    const double c = std::cos(screenAngle * DegToRad);
    const double s = std::sin(screenAngle * DegToRad);
    auto point = [&](int r) { return TCanvasPoint{CenterX + Rnd(r * c), CenterY + Rnd(r * s)}; };
    const TCanvasPoint from = point(Radius - a + b);
    const TCanvasPoint to = point(Radius - a);
    Canvas.MoveTo(from.X, from.Y);
    Canvas.LineTo(to.X, to.Y);
}

void TDrawControllerBase::DrawGradient(const TCanvasRect& rect) {
    constexpr TCanvasColour Start = 0x00FFFF;
    constexpr TCanvasColour End = CanvasBlack;
    const int rows = rect.Height();
    const TCanvasPen pen = Canvas.Pen();
    Canvas.SetPenWidth(1);
    Canvas.SetPenStyle(TPenStyle::Solid);
    for (int row = 0; row < rows; ++row) {
        Canvas.SetPenColour(CanvasColour(GradientChannel(RedOf(Start), RedOf(End), row, rows),
                                         GradientChannel(GreenOf(Start), GreenOf(End), row, rows),
                                         GradientChannel(BlueOf(Start), BlueOf(End), row, rows)));
        Canvas.MoveTo(rect.Left, rect.Top + row);
        Canvas.LineTo(rect.Right, rect.Top + row);
    }
    Canvas.SetPenColour(pen.Colour);
    Canvas.SetPenWidth(pen.Width);
    Canvas.SetPenStyle(pen.Style);
}

// What a derived controller adds.

void TDrawControllerBase::DrawAdditions(TChartCanvas&, int, int, int) {}

} // namespace velkaris
