#pragma once

#include "CanvasTypes.h"

#include <QString>
#include <algorithm>
#include <span>

namespace velkaris {

/// The drawing surface every chart drawing goes through, so that the drawing logic builds
/// and runs without a window. Integer pixel coordinates, origin at the top left, y growing
/// downward; colours in the settings' form (red in the low byte). There is no
/// antialiasing: shapes and text are made of whole pixels of the colours asked for, which
/// the flood fills rely on.
///
/// The surface keeps the pen, brush, font and current point; the drawing operations are
/// what an implementation provides. Coordinates far outside the surface are accepted and
/// simply draw nothing there.
class TChartCanvas {
public:
    /// Widest pen a surface draws, pixels; wider requests draw this wide.
    static constexpr int MaxPenWidth = 1000;
    /// Largest font size, points; larger requests draw this large.
    static constexpr int MaxFontSize = 1000;

    TChartCanvas() = default;
    TChartCanvas(const TChartCanvas&) = delete;
    TChartCanvas& operator=(const TChartCanvas&) = delete;
    virtual ~TChartCanvas() = default;

    const TCanvasPen& Pen() const { return m_Pen; }
    TCanvasColour PenColour() const { return m_Pen.Colour; }
    void SetPenColour(TCanvasColour colour) { m_Pen.Colour = colour & 0xFFFFFF; }
    /// Pen width in pixels.
    int PenWidth() const { return m_Pen.Width; }
    /// Sets the pen width in pixels; values below 1 draw 1 pixel wide (as GDI's width 0
    /// does), values above MaxPenWidth draw MaxPenWidth wide.
    void SetPenWidth(int pixels) { m_Pen.Width = std::clamp(pixels, 1, MaxPenWidth); }
    TPenStyle PenStyle() const { return m_Pen.Style; }
    void SetPenStyle(TPenStyle style) { m_Pen.Style = style; }

    const TCanvasBrush& Brush() const { return m_Brush; }
    TCanvasColour BrushColour() const { return m_Brush.Colour; }
    void SetBrushColour(TCanvasColour colour) { m_Brush.Colour = colour & 0xFFFFFF; }
    TBrushStyle BrushStyle() const { return m_Brush.Style; }
    void SetBrushStyle(TBrushStyle style) { m_Brush.Style = style; }

    const TCanvasFont& Font() const { return m_Font; }
    const QString& FontName() const { return m_Font.Name; }
    /// Sets the font face; a face the system lacks falls back to its default face.
    void SetFontName(const QString& name) { m_Font.Name = name; }
    /// Font size in points.
    int FontSize() const { return m_Font.Size; }
    /// Sets the font size in points, kept within 1 to MaxFontSize.
    void SetFontSize(int points) { m_Font.Size = std::clamp(points, 1, MaxFontSize); }
    bool FontBold() const { return m_Font.Bold; }
    void SetFontBold(bool bold) { m_Font.Bold = bold; }
    TCanvasColour FontColour() const { return m_Font.Colour; }
    void SetFontColour(TCanvasColour colour) { m_Font.Colour = colour & 0xFFFFFF; }

    /// The current point, where the next LineTo starts.
    TCanvasPoint PenPos() const { return m_PenPos; }
    /// Makes (x, y) the current point without drawing.
    void MoveTo(int x, int y) {
        m_PenPos = {x, y};
        MovedTo(m_PenPos);
    }
    /// Draws a straight line with the pen from the current point to (x, y) and makes
    /// (x, y) the current point. As in GDI, the end point's own pixel is left out of a
    /// 1-pixel line, so that a chain of lines draws every joint once.
    void LineTo(int x, int y) {
        DrawLine(m_PenPos, {x, y});
        m_PenPos = {x, y};
    }

    /// Draws the ellipse inscribed in the box left..right-1 by top..bottom-1 (GDI's
    /// convention: right and bottom are outside the box): outlined with the pen, the
    /// interior filled with the brush when the brush is solid. A turned-round box is
    /// straightened; an empty box draws nothing.
    virtual void Ellipse(int left, int top, int right, int bottom) = 0;
    /// Fills the rectangle (right and bottom edges excluded) with the brush colour, whatever
    /// the brush style.
    virtual void FillRect(const TCanvasRect& rect) = 0;
    /// Fills with the brush colour, whatever the brush style, the 4-connected area around
    /// (x, y) that is bounded by pixels of the colour `border` (and by the surface's edge).
    /// A start point outside the surface or on a pixel of the border colour does nothing.
    virtual void FloodFill(int x, int y, TCanvasColour border) = 0;
    /// Draws the text in the current font and font colour with the top-left corner of its
    /// cell (TextWidth by TextHeight) at (x, y); the cell is filled with the brush colour
    /// first when the brush is solid, and left as it is when clear.
    virtual void TextOut(int x, int y, const QString& text) = 0;
    /// Like TextOut, with the text and its cell turned counter-clockwise about (x, y) by
    /// `angle` tenths of a degree: 900 makes the text read upward, its cell lying above
    /// and to the right of (x, y).
    virtual void TextOutRotated(int x, int y, const QString& text, int angle) = 0;
    /// Width of the text's cell in the current font, pixels; 0 for an empty text.
    virtual int TextWidth(const QString& text) const = 0;
    /// Height of the text's cell in the current font (ascent plus descent), pixels.
    virtual int TextHeight(const QString& text) const = 0;
    /// Draws the closed polygon through the points: interior filled with the brush (even-odd
    /// rule) when the brush is solid, outlined with the pen. Fewer than two points draw
    /// nothing.
    virtual void Polygon(std::span<const TCanvasPoint> points) = 0;
    /// The rectangle of the whole drawable area: 0, 0, width, height.
    virtual TCanvasRect ClipRect() const = 0;
    /// Draws the whole picture of another surface scaled into `rect` (right and bottom
    /// excluded) with no smoothing: each target pixel takes the source pixel under its
    /// centre.
    virtual void StretchDraw(const TCanvasRect& rect, const TChartCanvas& picture) = 0;
    /// Freezes the window showing the surface while a redraw runs; a surface no window
    /// shows ignores it.
    virtual void SuspendUpdates() = 0;
    /// Lets the window showing the surface repaint again.
    virtual void ResumeUpdates() = 0;

protected:
    /// Draws the line of LineTo from `from` to `to` with the current pen.
    virtual void DrawLine(TCanvasPoint from, TCanvasPoint to) = 0;
    /// Tells the surface that MoveTo made `to` the current point.
    virtual void MovedTo(TCanvasPoint to) { (void)to; }

private:
    TCanvasPen m_Pen;
    TCanvasBrush m_Brush;
    TCanvasFont m_Font;
    TCanvasPoint m_PenPos;
};

} // namespace velkaris
