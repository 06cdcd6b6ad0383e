#pragma once

#include "ChartCanvas.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <memory>

class QPainter;
class QPen;

namespace velkaris {

class TEllipseRaster;
struct TPixelSpan;

/// The drawing surface on an image: every window, thumbnail, preview, print and export is
/// drawn into one. Shapes and text are drawn without antialiasing, so the image holds only
/// the colours asked for.
class TImageCanvas : public TChartCanvas {
public:
    /// Longest side of a surface, pixels.
    static constexpr int MaxSide = 16384;
    /// Most pixels a surface holds (512 MiB of image).
    static constexpr qint64 MaxPixels = qint64(1) << 27;

    /// A white surface of `width` by `height` pixels on which a font of one point is
    /// `pixelsPerInch` / 72 pixels high (96 is the screen's, a printer page has more).
    /// A size of 0 or less, a side past MaxSide, more than MaxPixels pixels or an image
    /// that cannot be allocated give an empty surface (IsNull) on which every operation
    /// does nothing. `pixelsPerInch` is kept within 1 to 9600; a font is never more than
    /// MaxSide pixels high.
    TImageCanvas(int width, int height, int pixelsPerInch = 96);
    ~TImageCanvas() override;

    /// Gives the surface a new size, white all over (the pen, brush and font stay); the
    /// same size keeps the drawing. A size the constructor refuses leaves it empty.
    void Resize(int width, int height);
    /// True when the surface has no pixels (see the constructor).
    bool IsNull() const { return m_Image.isNull(); }
    int Width() const { return m_Image.width(); }
    int Height() const { return m_Image.height(); }
    int PixelsPerInch() const { return m_PixelsPerInch; }
    /// The drawing so far (Format_RGB32). A copy taken from it is a snapshot.
    const QImage& Image() const { return m_Image; }
    /// The colour of one pixel, or -1 for a point outside the surface.
    TCanvasColour Pixel(int x, int y) const;

    void Ellipse(int left, int top, int right, int bottom) override;
    void FillRect(const TCanvasRect& rect) override;
    void FloodFill(int x, int y, TCanvasColour border) override;
    void TextOut(int x, int y, const QString& text) override;
    void TextOutRotated(int x, int y, const QString& text, int angle) override;
    int TextWidth(const QString& text) const override;
    int TextHeight(const QString& text) const override;
    void Polygon(std::span<const TCanvasPoint> points) override;
    TCanvasRect ClipRect() const override;
    /// Draws the picture of another image surface; a surface of any other kind has no
    /// pixels to give, and nothing is drawn.
    void StretchDraw(const TCanvasRect& rect, const TChartCanvas& picture) override;
    /// An image has no window of its own to freeze: nothing to do.
    void SuspendUpdates() override {}
    void ResumeUpdates() override {}

protected:
    void DrawLine(TCanvasPoint from, TCanvasPoint to) override;

private:
    QPen MakePen() const;
    const QFont& CurrentFont() const;
    QFontMetrics Metrics() const;
    /// The pixel size of a `points` font, rounded as GDI rounds it, at most MaxSide.
    int FontPixelSize(int points) const;
    /// True when a box of the given extent around (x, y) could touch the image.
    bool MayTouch(qint64 left, qint64 top, qint64 right, qint64 bottom) const;
    void DrawTextCell(const QString& text);
    /// Sets the pixels of the span in row y that lie in the image.
    void PaintSpan(int y, TPixelSpan span, QRgb colour);
    /// The 1-pixel outline of a dashed or dotted pen, its pattern laid along the ring.
    void DrawPatternedOutline(const TEllipseRaster& raster, int firstRow, int lastRow, QRgb ink);

    QImage m_Image;
    std::unique_ptr<QPainter> m_Painter;
    int m_PixelsPerInch = 96;
    mutable TCanvasFont m_MadeFontFor;
    mutable QFont m_MadeFont;
    mutable bool m_FontMade = false;
};

} // namespace velkaris
