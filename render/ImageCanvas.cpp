#include "ImageCanvas.h"

#include "EllipseRaster.h"

#include <QFontMetrics>
#include <QLineF>
#include <QPainter>
#include <QPen>
#include <QPolygon>
#include <cmath>
#include <numbers>
#include <vector>

namespace velkaris {

namespace {

// Settings colours keep red in the low byte; QRgb keeps it in the third.
QRgb ToRgb(TCanvasColour colour) {
    return qRgb(RedOf(colour), GreenOf(colour), BlueOf(colour));
}

QColor ToQColor(TCanvasColour colour) {
    return QColor::fromRgb(ToRgb(colour));
}

TCanvasColour FromRgb(QRgb rgb) {
    return CanvasColour(qRed(rgb), qGreen(rgb), qBlue(rgb));
}

bool SizeFits(int width, int height) {
    return width > 0 && height > 0 && width <= TImageCanvas::MaxSide &&
           height <= TImageCanvas::MaxSide && qint64(width) * height <= TImageCanvas::MaxPixels;
}

// Past this distance from the origin a line is cut to the image before Qt sees it, so that
// its fixed-point rasteriser never meets a coordinate it cannot hold.
constexpr double FarCoordinate = 1 << 20;

/// Cuts the segment to the rectangle (Liang-Barsky); false when nothing of it is inside.
bool ClipSegment(QLineF& line, const QRectF& box) {
    const double dx = line.dx();
    const double dy = line.dy();
    double t0 = 0;
    double t1 = 1;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {line.x1() - box.left(), box.right() - line.x1(), line.y1() - box.top(),
                         box.bottom() - line.y1()};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0)
                return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1)
            return false;
    }
    const QPointF start = line.p1();
    line = QLineF(start + QPointF(dx, dy) * t0, start + QPointF(dx, dy) * t1);
    return true;
}

} // namespace

TImageCanvas::TImageCanvas(int width, int height, int pixelsPerInch)
    : m_PixelsPerInch(std::clamp(pixelsPerInch, 1, 9600)) {
    Resize(width, height);
}

void TImageCanvas::Resize(int width, int height) {
    if (!m_Image.isNull() && m_Image.width() == width && m_Image.height() == height)
        return;
    m_Painter.reset();
    m_Image = QImage();
    if (SizeFits(width, height))
        m_Image = QImage(width, height, QImage::Format_RGB32);
    if (m_Image.isNull())
        return;
    const int dotsPerMeter = qRound(m_PixelsPerInch / 0.0254);
    m_Image.setDotsPerMeterX(dotsPerMeter);
    m_Image.setDotsPerMeterY(dotsPerMeter);
    m_Image.fill(ToRgb(CanvasWhite));
    m_Painter = std::make_unique<QPainter>(&m_Image);
    m_Painter->setRenderHint(QPainter::Antialiasing, false);
    m_Painter->setRenderHint(QPainter::TextAntialiasing, false);
    m_Painter->setRenderHint(QPainter::SmoothPixmapTransform, false);
}

TImageCanvas::~TImageCanvas() = default;

TCanvasColour TImageCanvas::Pixel(int x, int y) const {
    if (!m_Image.valid(x, y))
        return -1;
    return FromRgb(m_Image.pixel(x, y));
}

QPen TImageCanvas::MakePen() const {
    QPen pen(ToQColor(PenColour()));
    pen.setWidth(PenWidth());
    // Qt's square cap draws both end pixels of a 1-pixel line (its flat cap leaves out
    // whichever end lies right or below, not the end point); wider GDI pens have round
    // ends and joins.
    pen.setCapStyle(PenWidth() == 1 ? Qt::SquareCap : Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    // GDI's dash and dot lengths on the screen, in pen widths.
    if (PenStyle() == TPenStyle::Dashed)
        pen.setDashPattern({18, 6});
    else if (PenStyle() == TPenStyle::Dotted)
        pen.setDashPattern({3, 3});
    return pen;
}

int TImageCanvas::FontPixelSize(int points) const {
    // No glyph needs to be taller than the tallest surface.
    return std::clamp((points * m_PixelsPerInch + 36) / 72, 1, MaxSide);
}

QFontMetrics TImageCanvas::Metrics() const {
    return IsNull() ? QFontMetrics(CurrentFont()) : QFontMetrics(CurrentFont(), &m_Image);
}

const QFont& TImageCanvas::CurrentFont() const {
    if (m_FontMade && m_MadeFontFor == Font())
        return m_MadeFont;
    QFont font(FontName());
    font.setPixelSize(FontPixelSize(FontSize()));
    font.setBold(FontBold());
    // Render hints alone still give grey glyph edges; the font itself must refuse them.
    font.setStyleStrategy(QFont::NoAntialias);
    font.setKerning(false);
    m_MadeFont = font;
    m_MadeFontFor = Font();
    m_FontMade = true;
    return m_MadeFont;
}

bool TImageCanvas::MayTouch(qint64 left, qint64 top, qint64 right, qint64 bottom) const {
    return right >= 0 && bottom >= 0 && left <= Width() && top <= Height();
}

void TImageCanvas::DrawLine(TCanvasPoint from, TCanvasPoint to) {
    if (IsNull())
        return;
    QLineF line(from.X, from.Y, to.X, to.Y);
    const auto far = [](double v) { return std::abs(v) > FarCoordinate; };
    if (far(line.x1()) || far(line.y1()) || far(line.x2()) || far(line.y2())) {
        const double margin = 2.0 * PenWidth() + 2;
        if (!ClipSegment(line,
                         QRectF(-margin, -margin, Width() + 2 * margin, Height() + 2 * margin)))
            return;
    }
    // GDI leaves out the end point of a 1-pixel line: it is put back as it was.
    const bool keepEnd = PenWidth() == 1 && m_Image.valid(to.X, to.Y);
    const QRgb end = keepEnd ? m_Image.pixel(to.X, to.Y) : 0;
    m_Painter->setPen(MakePen());
    m_Painter->drawLine(line);
    if (keepEnd)
        m_Image.setPixel(to.X, to.Y, end);
}

void TImageCanvas::Ellipse(int left, int top, int right, int bottom) {
    if (IsNull())
        return;
    if (right < left)
        std::swap(left, right);
    if (bottom < top)
        std::swap(top, bottom);
    if (right == left || bottom == top)
        return;
    const int reach = PenWidth();
    if (!MayTouch(qint64(left) - reach, qint64(top) - reach, qint64(right) + reach,
                  qint64(bottom) + reach))
        return;
    // Qt's aliased ellipse is lopsided and overshoots flat boxes by a pixel; GDI's covers
    // exactly left..right-1 by top..bottom-1. The interior and a 1-pixel outline are laid
    // down pixel by pixel here instead.
    const TEllipseRaster raster(left, top, right, bottom);
    const int firstRow = std::max(top, 0);
    const int lastRow = std::min(bottom, Height()) - 1;
    if (BrushStyle() == TBrushStyle::Solid) {
        const QRgb fill = ToRgb(BrushColour());
        for (int y = firstRow; y <= lastRow; ++y)
            PaintSpan(y, raster.Row(y), fill);
    }
    if (PenWidth() > 1) {
        // A wide pen is stroked about the curve through the outermost pixels' centres,
        // which Qt's fill rules put half a pixel in.
        m_Painter->setPen(MakePen());
        m_Painter->setBrush(Qt::NoBrush);
        m_Painter->drawEllipse(
            QRectF(left + 0.5, top + 0.5, double(right) - left - 1, double(bottom) - top - 1));
        return;
    }
    const QRgb ink = ToRgb(PenColour());
    if (PenStyle() == TPenStyle::Solid) {
        for (int y = firstRow; y <= lastRow; ++y) {
            const TPixelSpan run = raster.OutlineLeftRun(y);
            PaintSpan(y, run, ink);
            if (!run.IsEmpty())
                PaintSpan(y, {raster.MirrorX(run.Right), raster.MirrorX(run.Left)}, ink);
        }
        return;
    }
    DrawPatternedOutline(raster, firstRow, lastRow, ink);
}

void TImageCanvas::DrawPatternedOutline(const TEllipseRaster& raster, int firstRow, int lastRow,
                                        QRgb ink) {
    struct TOutlinePixel {
        double Angle;
        int X, Y;
    };
    std::vector<TOutlinePixel> pixels;
    const auto add = [&](int y, TPixelSpan run) {
        for (int x = std::max(run.Left, 0); x <= std::min(run.Right, Width() - 1); ++x) {
            // Counter-clockwise on the screen from the rightmost point, as GDI walks it.
            double angle = std::atan2(raster.CentreY() - y, x - raster.CentreX());
            if (angle < 0)
                angle += 2 * std::numbers::pi;
            pixels.push_back({angle, x, y});
        }
    };
    for (int y = firstRow; y <= lastRow; ++y) {
        const TPixelSpan run = raster.OutlineLeftRun(y);
        if (run.IsEmpty())
            continue;
        add(y, run);
        const TPixelSpan mirrored{raster.MirrorX(run.Right), raster.MirrorX(run.Left)};
        if (mirrored.Left > run.Right)
            add(y, mirrored);
        else if (mirrored.Right > run.Right)
            add(y, {run.Right + 1, mirrored.Right});
    }
    std::sort(pixels.begin(), pixels.end(),
              [](const TOutlinePixel& a, const TOutlinePixel& b) { return a.Angle < b.Angle; });
    const auto [on, off] = PenStyle() == TPenStyle::Dashed ? std::pair{18, 6} : std::pair{3, 3};
    for (std::size_t i = 0; i < pixels.size(); ++i)
        if (int(i % std::size_t(on + off)) < on)
            m_Image.setPixel(pixels[i].X, pixels[i].Y, ink);
}

void TImageCanvas::PaintSpan(int y, TPixelSpan span, QRgb colour) {
    const int first = std::max(span.Left, 0);
    const int last = std::min(span.Right, Width() - 1);
    if (y < 0 || y >= Height() || first > last)
        return;
    QRgb* pixels = reinterpret_cast<QRgb*>(m_Image.scanLine(y));
    std::fill(pixels + first, pixels + last + 1, colour);
}

void TImageCanvas::FillRect(const TCanvasRect& rect) {
    if (IsNull())
        return;
    const int left = std::clamp(rect.Left, 0, Width());
    const int right = std::clamp(rect.Right, 0, Width());
    const int top = std::clamp(rect.Top, 0, Height());
    const int bottom = std::clamp(rect.Bottom, 0, Height());
    if (right <= left || bottom <= top)
        return;
    m_Painter->fillRect(QRect(left, top, right - left, bottom - top), ToQColor(BrushColour()));
}

void TImageCanvas::FloodFill(int x, int y, TCanvasColour border) {
    if (!m_Image.valid(x, y))
        return;
    const QRgb borderRgb = ToRgb(border) & RGB_MASK;
    const QRgb fill = ToRgb(BrushColour());
    const int width = Width();
    const auto row = [this](int line) { return reinterpret_cast<QRgb*>(m_Image.scanLine(line)); };
    // Marks the pixels already filled, so that a fill in the border colour, or over pixels
    // that have the brush colour already, still ends.
    std::vector<bool> done(std::size_t(width) * std::size_t(Height()));
    const auto open = [&](const QRgb* pixels, int line, int column) {
        return !done[std::size_t(line) * width + column] &&
               (pixels[column] & RGB_MASK) != borderRgb;
    };
    std::vector<TCanvasPoint> seeds{{x, y}};
    while (!seeds.empty()) {
        const TCanvasPoint seed = seeds.back();
        seeds.pop_back();
        QRgb* pixels = row(seed.Y);
        if (!open(pixels, seed.Y, seed.X))
            continue;
        int first = seed.X;
        while (first > 0 && open(pixels, seed.Y, first - 1))
            --first;
        int last = seed.X;
        while (last + 1 < width && open(pixels, seed.Y, last + 1))
            ++last;
        for (int column = first; column <= last; ++column) {
            pixels[column] = fill;
            done[std::size_t(seed.Y) * width + column] = true;
        }
        // One seed for every open run in the rows above and below the span.
        for (const int line : {seed.Y - 1, seed.Y + 1}) {
            if (line < 0 || line >= Height())
                continue;
            const QRgb* next = row(line);
            bool inRun = false;
            for (int column = first; column <= last; ++column) {
                const bool isOpen = open(next, line, column);
                if (isOpen && !inRun)
                    seeds.push_back({column, line});
                inRun = isOpen;
            }
        }
    }
}

void TImageCanvas::DrawTextCell(const QString& text) {
    const QFontMetrics metrics = Metrics();
    if (BrushStyle() == TBrushStyle::Solid)
        m_Painter->fillRect(QRect(0, 0, metrics.horizontalAdvance(text), metrics.height()),
                            ToQColor(BrushColour()));
    m_Painter->setFont(CurrentFont());
    m_Painter->setPen(ToQColor(FontColour()));
    m_Painter->drawText(QPoint(0, metrics.ascent()), text);
}

void TImageCanvas::TextOut(int x, int y, const QString& text) {
    if (IsNull() || text.isEmpty())
        return;
    if (!MayTouch(x, y, qint64(x) + TextWidth(text), qint64(y) + TextHeight(text)))
        return;
    m_Painter->save();
    m_Painter->translate(x, y);
    DrawTextCell(text);
    m_Painter->restore();
}

void TImageCanvas::TextOutRotated(int x, int y, const QString& text, int angle) {
    if (IsNull() || text.isEmpty())
        return;
    // Turned any way, the cell stays within its diagonal of the start point.
    const qint64 reach = qint64(TextWidth(text)) + TextHeight(text);
    if (!MayTouch(x - reach, y - reach, x + reach, y + reach))
        return;
    m_Painter->save();
    m_Painter->translate(x, y);
    // Qt turns clockwise on a y-down surface; the angle turns counter-clockwise.
    m_Painter->rotate(-(angle % 3600) / 10.0);
    DrawTextCell(text);
    m_Painter->restore();
}

int TImageCanvas::TextWidth(const QString& text) const {
    return Metrics().horizontalAdvance(text);
}

int TImageCanvas::TextHeight(const QString& text) const {
    (void)text;
    return Metrics().height();
}

void TImageCanvas::Polygon(std::span<const TCanvasPoint> points) {
    if (IsNull() || points.size() < 2)
        return;
    QPolygon polygon;
    polygon.reserve(qsizetype(points.size()));
    qint64 left = points.front().X, right = left, top = points.front().Y, bottom = top;
    for (const TCanvasPoint& p : points) {
        polygon.append(QPoint(p.X, p.Y));
        left = std::min<qint64>(left, p.X);
        right = std::max<qint64>(right, p.X);
        top = std::min<qint64>(top, p.Y);
        bottom = std::max<qint64>(bottom, p.Y);
    }
    const int reach = PenWidth();
    if (!MayTouch(left - reach, top - reach, right + reach, bottom + reach))
        return;
    m_Painter->setPen(MakePen());
    m_Painter->setBrush(BrushStyle() == TBrushStyle::Solid ? QBrush(ToQColor(BrushColour()))
                                                           : QBrush(Qt::NoBrush));
    m_Painter->drawPolygon(polygon, Qt::OddEvenFill);
}

TCanvasRect TImageCanvas::ClipRect() const {
    return {0, 0, Width(), Height()};
}

void TImageCanvas::StretchDraw(const TCanvasRect& rect, const TChartCanvas& picture) {
    const auto* source = dynamic_cast<const TImageCanvas*>(&picture);
    if (IsNull() || rect.IsEmpty() || source == nullptr || source->IsNull())
        return;
    const int firstX = std::max(rect.Left, 0);
    const int lastX = std::min(rect.Right, Width()) - 1;
    const int firstY = std::max(rect.Top, 0);
    const int lastY = std::min(rect.Bottom, Height()) - 1;
    if (firstX > lastX || firstY > lastY)
        return;
    // Drawing a surface into itself would read pixels the drawing has overwritten.
    const QImage copy = source == this ? m_Image.copy() : QImage();
    const QImage& from = source == this ? copy : source->m_Image;
    // Each target pixel takes the source pixel under its centre. Worked out here rather than
    // by Qt, whose fixed-point scaling drifts for large targets.
    const auto sourceIndex = [](int target, int start, int end, int sourceSize) {
        const double offset = double(target) - start + 0.5;
        const double index = std::floor(offset * sourceSize / (double(end) - start));
        return std::clamp(int(index), 0, sourceSize - 1);
    };
    std::vector<int> columns;
    columns.reserve(std::size_t(lastX - firstX + 1));
    for (int x = firstX; x <= lastX; ++x)
        columns.push_back(sourceIndex(x, rect.Left, rect.Right, from.width()));
    for (int y = firstY; y <= lastY; ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(
            from.constScanLine(sourceIndex(y, rect.Top, rect.Bottom, from.height())));
        QRgb* out = reinterpret_cast<QRgb*>(m_Image.scanLine(y)) + firstX;
        for (const int column : columns)
            *out++ = in[column];
    }
}

} // namespace velkaris
