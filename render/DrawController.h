#pragma once

#include "ChartCanvas.h"
#include "GraphicControlList.h"
#include "RectInformations.h"
#include "core/IntSet.h"

#include <QElapsedTimer>
#include <QSet>
#include <functional>
#include <vector>

namespace velkaris {

class TAspectInfo;
class TAspectInfoList;
class TAspectOrbProvider;
class TFixedStarLookup;
class TLibraryPlanetNames;
class TPlanet;
class TAxisList;
class TCalcResult;
class TChartCanvas;
class THouseList;
class TPlanetList;
class TSelfMarkerList;
class TSettingsProvider;

/// Where the timing lines of a redraw go (the logging window); empty for no timing.
using TTimingLog = std::function<void(const QString& line)>;

/// Turns calculation results into a chart wheel on a drawing surface: the layout of the
/// wheels, the rings and ticks, and the glyph elements placed over them, which survive
/// from one redraw to the next.
///
/// The surface stands for the window too: its clip rectangle is the window's client area
/// and its update suspension freezes the window while a redraw runs. The elements are
/// plain objects in the six lists; whoever shows the surface shows them over it.
class TDrawControllerBase {
public:
    /// A controller drawing on `canvas`. The drawing area is the size `sizeControl` gives
    /// (the canvas size when it is empty), with -1 or an explicit page size in the two
    /// overrides. `settings` and `orbProvider` are borrowed and must outlive it.
    TDrawControllerBase(TChartCanvas& canvas, int heightOverride, int widthOverride, bool paperMode,
                        const TSettingsProvider& settings, const TAspectOrbProvider* orbProvider,
                        TRectInformations::TSizeSource sizeControl = {});
    TDrawControllerBase(const TDrawControllerBase&) = delete;
    TDrawControllerBase& operator=(const TDrawControllerBase&) = delete;
    virtual ~TDrawControllerBase();

    TChartCanvas& Canvas;
    TGraphicControlList<THouseNumberGraphicControl> HouseNumberElements;
    /// False: a chart window; true: print, preview or image export.
    const bool PaperMode;
    TRectInformations Layout;
    TGraphicControlList<TPlanetSignGraphicControl> PlanetElements;
    TGraphicControlList<TSelfMarkerGraphicControl> SelfMarkerElements;
    /// House numbers whose cusp line a displaced body glyph crosses.
    TIntSet CrossedCusps;
    /// Bodies whose glyph crosses a cusp line.
    TIntSet CrossingPlanets;
    TGraphicControlList<TPlanetZodiacSignGraphicControl> AnalogPlanetElements;
    TGraphicControlList<TZodiacSignGraphicControl> SignElements;
    /// Outer radius and centre of the wheel being drawn.
    int Radius = 0;
    int CenterX = 0;
    int CenterY = 0;
    /// Glyph and label size multiplier.
    double FontMultiplier = 1.0;
    /// Aspect lines reach up to the bodies.
    bool LinesToPlanets = false;
    TGraphicControlList<THouseLordGraphicControl> HouseLordElements;
    const TSettingsProvider& Settings;
    const TAspectOrbProvider* OrbProvider;
    /// The charts drawn, in order; not owned.
    std::vector<const TCalcResult*> Charts;
    bool ExportMode = false;
    /// Suspend window updates during a redraw.
    bool LockRedraw = true;
    /// Several charts drawn over each other (else shifted).
    bool Overlay = true;
    /// Handed to every element created.
    TElementClickHandler OnElementClick;
    /// Clear the drawing area even when no wheel is drawn.
    bool ClearBackground = false;
    /// Draw the charts; false leaves only the additions.
    bool DrawWheel = true;
    /// The program was started with "GRADIENT": a gradient behind the screen wheel.
    bool Gradient = false;
    /// The program was started with "DEBUG": every drawing step logs its time here.
    TTimingLog TimingLog;
    /// Names of the fixed stars and of the library's numbered bodies, for the texts of
    /// their glyphs; borrowed, none by default.
    const TFixedStarLookup* FixedStars = nullptr;
    const TLibraryPlanetNames* LibraryNames = nullptr;

    /// What `DrawPlanetsInfo` draws: leader lines, degree labels, house lords, status
    /// letters.
    enum TInfoOption { InfoLeaderLines = 1, InfoDegrees = 2, InfoHouseLords = 4, InfoStatus = 8 };

    /// Appends `result` (unless already there) and redraws when asked.
    void AddChart(const TCalcResult* result, bool redraw, int extra = 0);
    /// Draws every chart again.
    void ReDrawCalculatedResults(bool overlay, int extra = 0);
    int ChartCount() const { return static_cast<int>(Charts.size()); }
    void ClearSelfMarkerElements() { SelfMarkerElements.Clear(); }
    void HideSelfMarkerElements(bool hide);
    /// Whether the first body element showing `bodyId` is visible.
    bool IsBodyGlyphVisible(int bodyId) const;
    void FillBackground();
    /// Brings the elements' hint texts up to date.
    virtual void RefreshElementHints() {}
    /// Pushes overlapping body glyphs apart along the ring, at most 250 counted steps.
    void RearrangePlanets(const THouseList& houses, double ascendant);
    /// Leader lines and labels of chart `chartIndex`'s body glyphs (`options` of
    /// TInfoOption).
    void DrawPlanetsInfo(int chartIndex, const TPlanetList& bodies, bool secondPass, int options,
                         double ascendant);
    /// Calls `visit` for every element of the six lists, in drawing order.
    void ForEachElement(const std::function<void(const TBaseGraphicControl&)>& visit) const;
    /// The visible element drawn topmost at (x, y) of the picture; null when there is none.
    TBaseGraphicControl* ElementAt(int x, int y) const;

    // Geometry of the wheel being drawn.
    int BaseFontSize() const;
    int ZodiacRingWidth() const;
    int DegreeBandWidth() const;
    int PlanetRingBase() const;
    double DampedFontScale() const;
    int InnerCircleOffset() const;
    int HouseNumberCircleOffset() const;
    int AspectCircleOffset() const;
    virtual int PlanetRingOffset(int chartIndex) const;
    /// Cell colour of sign 0-11 by its element.
    TCanvasColour SignElementColour(int sign) const;
    /// `colour`, or black on paper printed without colour.
    virtual TCanvasColour PaperColour(TCanvasColour colour) const;
    virtual TCanvasColour BackgroundColour() const { return CanvasWhite; }
    /// The point at distance `r` from the centre at `longitude` on a wheel turned by
    /// `ascendant`.
    TCanvasPoint PointAt(double r, double longitude, double ascendant) const;

    /// Colour the brush returns to after the aspect area is filled.
    static constexpr TCanvasColour WindowFaceColour = 0xF0F0F0;

protected:
    virtual void DrawAspects(int chartIndex, const TAspectInfoList& aspects,
                             const THouseList& houses, const TAxisList& axes,
                             const TPlanetList& bodies, double ascendant);
    virtual void DrawBaseCircles(int chartIndex, double ascendant);
    virtual void DrawHouseCusps(int chartIndex, const THouseList& houses, bool secondPass,
                                double ascendant);
    virtual void DrawHouseNumbers(int chartIndex, const THouseList& houses, double ascendant);
    virtual void DrawPlanets(int chartIndex, const TPlanetList& bodies, const TAxisList& axes,
                             bool secondPass, const THouseList& houses,
                             const TAspectInfoList& aspects, const TSelfMarkerList& markers,
                             double ascendant);
    virtual void DrawSelfMarkers(int chartIndex, const TSelfMarkerList& markers, double ascendant);
    virtual void DrawZodiacSigns(int chartIndex, double ascendant);
    /// What a derived controller draws besides the wheels (notes, tables).
    virtual void DrawAdditions(TChartCanvas& surface, int widthOverride, int heightOverride,
                               int extra);

    /// True while chart `chartIndex` is drawn as an outer ring of the first wheel.
    bool IsOuterRing(int chartIndex) const { return chartIndex > 0 && Overlay; }
    /// Visible when the element belongs to the first chart or the charts are shifted.
    void MakeVisible(TBaseGraphicControl& element, int chartIndex) const;
    /// The element of `list` for (chart, id), created with the current brush colour and
    /// the click handler when it is not there yet.
    template <typename TElement>
    TElement& FindOrCreate(TGraphicControlList<TElement>& list, int chartIndex, int id);
    /// Puts a rendered element with its centre on `p` (the wheel's rule: half the smaller
    /// side left, half the larger side up).
    static void CentreOn(TBaseGraphicControl& element, TCanvasPoint p);

    /// Logs the start and the end of one drawing step when timing is on.
    class TTimedStep {
    public:
        TTimedStep(const TDrawControllerBase& owner, const char* name);
        ~TTimedStep();
        TTimedStep(const TTimedStep&) = delete;
        TTimedStep& operator=(const TTimedStep&) = delete;

    private:
        const TDrawControllerBase& m_Owner;
        QString m_Name;
        QElapsedTimer m_Timer;
    };

private:
    // The bodies' glyphs and labels.
    QString ShownBodyIds(int chartIndex, const TCalcResult& chart) const;
    void PlaceBodies(int chartIndex, const TCalcResult& chart, const TPlanetList& bodies,
                     bool secondPass, double ascendant);
    void PlaceAxisPoints(int chartIndex, const TCalcResult& chart, const TAxisList& axes,
                         bool secondPass, double ascendant);
    void PlaceBodyGlyph(int chartIndex, int id, const TPlanet* body, double longitude,
                        bool secondPass, const THouseList& houses, double ascendant);
    void MoveBodyElement(TPlanetSignGraphicControl& element, double step, double ascendant) const;
    void FindCrossedCusps(int chartIndex, const THouseList& houses);
    void DrawLeaderLine(const TPlanetSignGraphicControl& element, double ascendant);
    void DrawStatusLetters(const TPlanetSignGraphicControl& element, double ascendant);
    void DrawDegreeLabel(const TPlanetSignGraphicControl& element, double ascendant);
    void DrawHouseLords(const TPlanetSignGraphicControl& element);
    int BodyGlyphFontSize() const;
    /// Size of the small labels: rnd(f × (rnd(fs × 1.5) − rnd(rnd(fs × 1.5) × 3 / 5) − 1)).
    int StatusFontSize() const;

    // Aspect lines and ego-state markers.
    /// The settings that decide which aspects get a line, read once per drawing.
    struct TAspectFilter {
        QSet<int> AspectedBodies;
        QSet<int> ShownBodies;
        TIntSet Axes;
        TIntSet Houses;
        TIntSet Aspects;
        TIntSet Glyphs;
    };
    TAspectFilter AspectFilter() const;
    bool AspectLineWanted(const TAspectInfo& aspect, const TAspectFilter& filter) const;
    double AspectEndLongitude(int chartIndex, int id, quint8 kind, const TCalcResult& chart) const;

    void DrawDegreeTicks(double ascendant);
    void DrawTick(double screenAngle, int a, int b);
    void DrawGradient(const TCanvasRect& rect);
    void DrawCuspLabels(const THouseList& houses, int cusp, double ascendant);
    void DrawLabelAt(const QString& text, double longitude, int radius, double ascendant);
};

template <typename TElement>
TElement& TDrawControllerBase::FindOrCreate(TGraphicControlList<TElement>& list, int chartIndex,
                                            int id) {
    if (TElement* found = list.Find(chartIndex, id))
        return *found;
    auto element = std::make_unique<TElement>();
    element->Colour = Canvas.BrushColour();
    element->ElementId = id;
    element->ChartIndex = chartIndex;
    element->OnMouseUp = OnElementClick;
    return list.AddOrReplace(std::move(element));
}

/// The controller of a natal chart; the chart window and the page derive from it.
class TNatalChartDrawer : public TDrawControllerBase {
public:
    using TDrawControllerBase::TDrawControllerBase;
};

} // namespace velkaris
