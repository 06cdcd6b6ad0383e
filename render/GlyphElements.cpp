#include "GlyphElements.h"

#include "ImageCanvas.h"
#include "RenderMath.h"
#include "WheelGeometry.h"
#include "core/LangManager.h"
#include "core/Planet.h"
#include "core/PlanetConstInfoProvider.h"
#include "core/SegedUtils.h"
#include "core/ZentavoConsts.h"
#include "data/SettingsProvider.h"

#include <algorithm>
#include <cmath>

namespace velkaris {

using RenderMath::Rnd;

namespace {

/// Pixels the symbol font's glyphs sit below the top of their cell; body elements crop
/// them away.
constexpr int SymbolCellCrop = 6;

} // namespace

namespace GlyphText {

QString Sign(int sign) {
    return QString(QChar(ZodiacSign(sign).SignSymbol));
}

QString SignRuler(int sign) {
    return QString(QChar(ZodiacSign(sign).RulerSymbol));
}

QString HouseNumeral(int house, bool arabic) {
    return arabic ? HousePlainNumber(house) : HouseWheelLabel(house);
}

QString Aspect(int aspect) {
    return QString(QChar(AspectInfo(aspect).Symbol));
}

} // namespace GlyphText

// The base element.

TBaseGraphicControl::TBaseGraphicControl() : m_Picture(std::make_unique<TImageCanvas>(2, 2)) {
    Font.Name = SymbolFontName;
    Font.Size = GlyphSize;
}

TBaseGraphicControl::~TBaseGraphicControl() = default;

void TBaseGraphicControl::SetPosition(int left, int top) {
    Left = left;
    Top = top;
}

void TBaseGraphicControl::ApplyFont(TChartCanvas& canvas) const {
    canvas.SetFontName(Font.Name);
    canvas.SetFontSize(Font.Size);
    canvas.SetFontBold(Font.Bold);
    canvas.SetFontColour(Font.Colour);
}

void TBaseGraphicControl::SetElementId(int id) {
    const QString face = Font.Name;
    Font.Size = GlyphSize;
    ElementId = id;
    GlyphText = GlyphTextFor(id);
    PrepareForId();
    ResizeToText(CentreText);
    if (!Transparent) {
        m_Picture->SetBrushColour(Colour);
        m_Picture->FillRect(m_Picture->ClipRect());
        PaintText();
    }
    Font.Size = GlyphSize;
    Font.Name = face;
}

void TBaseGraphicControl::PaintText() {
    ApplyFont(*m_Picture);
    m_Picture->SetBrushStyle(TBrushStyle::Clear);
    if (CentreText)
        m_Picture->TextOut((Width - m_Picture->TextWidth(GlyphText)) / 2, TextTop, GlyphText);
    else
        m_Picture->TextOut(1, TextTop / 2, GlyphText);
}

void TBaseGraphicControl::AddExtraExtent(const TChartCanvas& measure, int& extraHeight,
                                         int& extraWidth) const {
    (void)measure;
    (void)extraHeight;
    (void)extraWidth;
}

void TBaseGraphicControl::ResizeToText(bool centred) {
    ApplyFont(*m_Picture);
    int extraHeight = 0;
    int extraWidth = 0;
    if (!LordsText.trimmed().isEmpty()) {
        extraHeight = Rnd(Rnd(m_Picture->TextHeight(LordsText) / 7.0) * 2.5);
        extraWidth = m_Picture->TextWidth(LordsText) / 7;
    }
    AddExtraExtent(*m_Picture, extraHeight, extraWidth);
    int height = m_Picture->TextHeight(GlyphText) + extraHeight;
    if (centred)
        height += PadHeight + TextTop;
    Height = std::max(height, 1);
    Width = std::max(m_Picture->TextWidth(GlyphText) + extraWidth + 1, 1);
    ResizePicture();
    Resized();
}

void TBaseGraphicControl::ResizePicture() {
    if (m_Picture->Width() != Width || m_Picture->Height() != Height)
        m_Picture = std::make_unique<TImageCanvas>(Width, Height);
}

void TBaseGraphicControl::SetHintSource(const QString& text) {
    HintSource = text;
    LongHint = text;
    LongHint.replace(QLatin1Char('@'), QChar(13));
}

void TBaseGraphicControl::PaintCentredText(TChartCanvas& surface, const QString& text) const {
    surface.TextOut(Left + (Width - surface.TextWidth(text)) / 2,
                    Top + (Height - surface.TextHeight(text)) / 2, text);
}

void TBaseGraphicControl::PaintOnto(TChartCanvas& surface, const QString& face, int size,
                                    TBrushStyle brushStyle, const TSettingsProvider&) const {
    surface.SetFontName(face);
    surface.SetFontSize(size);
    surface.SetBrushStyle(brushStyle);
    PaintCentredText(surface, GlyphText);
}

// Signs and their rulers.

QString TZodiacSignGraphicControl::GlyphTextFor(int id) const {
    return GlyphText::Sign(id);
}

QString TPlanetZodiacSignGraphicControl::GlyphTextFor(int id) const {
    return GlyphText::SignRuler(id);
}

// House numbers.

THouseNumberGraphicControl::THouseNumberGraphicControl() {
    Font.Name = RenderMath::LabelFace();
}

QString THouseNumberGraphicControl::GlyphTextFor(int id) const {
    return GlyphText::HouseNumeral(id, ArabicNumerals);
}

// Bodies.

TPlanetSignGraphicControl::TPlanetSignGraphicControl() {
    PadHeight = -SymbolCellCrop;
    TextTop = -SymbolCellCrop;
}

QString TPlanetSignGraphicControl::GlyphTextFor(int id) const {
    if (SymbolSource)
        return SymbolSource(id);
    return TPlanetConstInfoProvider().SymbolText(id);
}

void TPlanetSignGraphicControl::PrepareForId() {
    if (GlyphText.size() == 1) {
        LordsText = Body ? Body->HouseLords.ToText() : QString();
        DegreeText = Body ? FormatDegreesDotMinutes(Body->DegreesInSign()) : QString();
        return;
    }
    Font.Name = RenderMath::LabelFace();
    GlyphSize = Font.Size / 3 * 2;
    Font.Size = GlyphSize;
    CentreText = false;
}

void TPlanetSignGraphicControl::SetBody(const TPlanet* body) {
    Body = body;
    SetElementId(ElementId);
}

void TPlanetSignGraphicControl::Place(int x, int y) {
    PlannedLeft = PlacedLeft = x;
    PlannedTop = PlacedTop = y;
    SetPosition(x, y);
}

void TPlanetSignGraphicControl::PaintOnto(TChartCanvas& surface, const QString& face, int size,
                                          TBrushStyle brushStyle, const TSettingsProvider&) const {
    surface.SetFontName(face);
    surface.SetFontSize(size);
    surface.SetBrushStyle(brushStyle);
    surface.TextOut(Left + (Width - surface.TextWidth(GlyphText)) / 2, Top + std::abs(TextTop),
                    GlyphText);
}

// Ego-state markers.

namespace {

struct TMarkerBox {
    int Left;
    int Top;
    int Width;
    int Height;
};

void DrawMarkerDisc(TChartCanvas& surface, const TCanvasRect& rect, TCanvasColour outlineBrush,
                    bool onPage, int width, int height, int penWidth, TCanvasColour penColour,
                    TCanvasColour fill) {
    if (!onPage)
        surface.FillRect(rect);
    surface.SetBrushColour(outlineBrush);
    surface.SetBrushStyle(TBrushStyle::Solid);
    surface.SetPenColour(penColour);
    surface.SetPenWidth(penWidth);
    surface.SetPenStyle(TPenStyle::Solid);
    const int diameter = std::min(width, height);
    surface.Ellipse(rect.Left, rect.Top, rect.Left + diameter, rect.Top + diameter);
    surface.SetBrushColour(fill);
    surface.FloodFill(rect.Left + diameter / 2, rect.Top + diameter / 2, penColour);
}

/// The corner of the box the arrowhead starts from when no side faces the target.
TCanvasPoint FallbackApex(const TCanvasRect& edges, TCanvasPoint target) {
    if (target.X < edges.Right && target.Y < edges.Top)
        return {edges.Left, edges.Top};
    if (target.X > edges.Right && target.Y < edges.Bottom)
        return {edges.Right, edges.Top};
    if (target.X > edges.Left && target.Y > edges.Bottom)
        return {edges.Right, edges.Bottom};
    return {edges.Left, edges.Bottom};
}

void DrawMarkerPointer(TChartCanvas& surface, const TCanvasRect& rect, TCanvasColour brush,
                       bool onPage, TCanvasPoint target, const TMarkerBox& box, int penWidth,
                       TCanvasColour penColour, TCanvasColour fill) {
    if (!onPage)
        surface.FillRect(rect);
    surface.SetBrushColour(brush);
    surface.SetBrushStyle(TBrushStyle::Solid);
    surface.SetPenColour(penColour);
    surface.SetPenWidth(penWidth);
    surface.SetPenStyle(TPenStyle::Solid);

    // The box's edges as the last pixels inside it, in page coordinates.
    const TCanvasRect edges{box.Left, box.Top, box.Left + box.Width - 1, box.Top + box.Height - 1};
    const TCanvasPoint centre{(edges.Left + edges.Right) / 2, (edges.Top + edges.Bottom) / 2};
    const int side = WheelGeometry::FacingEdge(edges, target);
    // Where the line from the centre to the target meets an edge; none when the target
    // is the centre pixel or the line runs along the edge.
    bool crossed = true;
    auto crossing = [&](TCanvasPoint from, TCanvasPoint to) {
        const auto meeting = WheelGeometry::SegmentIntersection(centre, target, from, to);
        crossed = meeting.State >= 2;
        return meeting.Point;
    };
    TCanvasPoint apex;
    switch (side) {
    case 1:
        apex = {edges.Right, crossing({edges.Right, edges.Top}, {edges.Right, edges.Bottom}).Y};
        break;
    case 2:
        apex = {crossing({edges.Left, edges.Bottom}, {edges.Right, edges.Bottom}).X, edges.Bottom};
        break;
    case 3:
        apex = {edges.Left, crossing({edges.Left, edges.Top}, {edges.Left, edges.Bottom}).Y};
        break;
    case 4:
        apex = {crossing({edges.Left, edges.Top}, {edges.Right, edges.Top}).X, edges.Top};
        break;
    default:
        crossed = false;
        break;
    }
    if (!crossed)
        apex = FallbackApex(edges, target);
    const TCanvasPoint origin = onPage ? TCanvasPoint{0, 0} : TCanvasPoint{box.Left, box.Top};
    const double tx = apex.X - origin.X;
    const double ty = apex.Y - origin.Y;
    const double dx = (centre.X - origin.X) - tx;
    const double dy = (centre.Y - origin.Y) - ty;
    const double length = std::hypot(dx, dy);
    if (length == 0)
        return;
    const int divisor = onPage ? 4 : 5;
    const double along = box.Width / divisor * 3;
    const double across = box.Height / divisor * 3;
    const double ux = dx / length;
    const double uy = dy / length;
    const double mx = tx + along * ux;
    const double my = ty + along * uy;
    const TCanvasPoint tip{Rnd(tx), Rnd(ty)};
    const TCanvasPoint points[] = {tip,
                                   {Rnd(mx - uy * across / 2), Rnd(my + ux * across / 2)},
                                   {Rnd(mx + uy * across / 2), Rnd(my - ux * across / 2)},
                                   tip};
    surface.SetBrushColour(fill);
    surface.Polygon(points);
}

} // namespace

TSelfMarkerGraphicControl::TSelfMarkerGraphicControl() {
    Transparent = true;
}

QString TSelfMarkerGraphicControl::GlyphTextFor(int) const {
    return QString(GlyphText::SelfMarker);
}

void TSelfMarkerGraphicControl::AddExtraExtent(const TChartCanvas& measure, int& extraHeight,
                                               int& extraWidth) const {
    const int h = measure.TextHeight(GlyphText);
    const int w = measure.TextWidth(GlyphText);
    if (PointerMode) {
        extraHeight += Rnd(h * 1.0);
        extraWidth += Rnd(w * 3.0);
    } else {
        extraHeight += Rnd(h * 0.2);
        extraWidth += Rnd(w * 0.7);
    }
}

void TSelfMarkerGraphicControl::SetTarget(int x, int y) {
    TargetX = x;
    TargetY = y;
    if (!Painted)
        PaintShape();
}

void TSelfMarkerGraphicControl::PaintShape() {
    TImageCanvas& picture = PictureCanvas();
    picture.SetBrushColour(Colour);
    const TCanvasRect rect{0, 0, Width, Height};
    if (PointerMode)
        DrawMarkerPointer(picture, rect, Colour, false, {TargetX, TargetY},
                          {Left, Top, Width, Height}, PenWidth, CanvasBlack, Font.Colour);
    else
        DrawMarkerDisc(picture, rect, Colour, false, Width, Height, PenWidth, CanvasBlack,
                       Font.Colour);
    Painted = true;
}

void TSelfMarkerGraphicControl::PaintOnto(TChartCanvas& surface, const QString& face, int size,
                                          TBrushStyle brushStyle,
                                          const TSettingsProvider& settings) const {
    surface.SetFontName(face);
    surface.SetFontSize(size);
    surface.SetBrushStyle(brushStyle);
    const bool colour = settings.GetPrintInColour();
    const TCanvasColour fill = colour ? Font.Colour : CanvasWhite;
    const TCanvasColour outline = colour ? Colour : CanvasWhite;
    const TCanvasRect rect = BoundsRect();
    if (PointerMode)
        DrawMarkerPointer(surface, rect, outline, true, {TargetX, TargetY},
                          {Left, Top, Width, Height}, 2, CanvasBlack, fill);
    else
        DrawMarkerDisc(surface, rect, outline, true, Width, Height, 2 * settings.GetBaseLineWidth(),
                       CanvasBlack, fill);
}

// House lords.

THouseLordGraphicControl::THouseLordGraphicControl() {
    Font.Name = RenderMath::LabelFace();
}

QString THouseLordGraphicControl::GlyphTextFor(int) const {
    return LordText;
}

void THouseLordGraphicControl::SetCaption(const QString& text) {
    GlyphText = text;
    TImageCanvas& picture = PictureCanvas();
    ApplyFont(picture);
    Height = std::max(picture.TextHeight(text), 1);
    Width = picture.TextWidth(text) + 1;
    ResizePicture();
    TImageCanvas& sized = PictureCanvas();
    if (!Transparent) {
        sized.SetBrushColour(Colour);
        sized.FillRect(sized.ClipRect());
    }
    ApplyFont(sized);
    sized.SetBrushStyle(TBrushStyle::Clear);
    sized.TextOut(1, TextTop / 2, text);
    Font.Size = GlyphSize;
}

} // namespace velkaris
