#include "RecordingCanvas.h"

#include <algorithm>
#include <limits>

namespace velkaris {

namespace {

QString PointText(int x, int y) {
    return QStringLiteral("%1,%2").arg(x).arg(y);
}

QString RectText(int left, int top, int right, int bottom) {
    return QStringLiteral("%1,%2,%3,%4").arg(left).arg(top).arg(right).arg(bottom);
}

QString Quoted(const QString& text) {
    return u'"' + text + u'"';
}

} // namespace

TRecordingCanvas::TRecordingCanvas(int width, int height)
    : m_Width(std::max(0, width)), m_Height(std::max(0, height)) {}

QStringList TRecordingCanvas::LinesOf(const QString& operation) const {
    QStringList lines;
    for (const QString& line : m_Log)
        if (line == operation || line.startsWith(operation + u' '))
            lines.append(line);
    return lines;
}

QString TRecordingCanvas::PenText() const {
    return QStringLiteral("pen=%1/%2/%3")
        .arg(PenColour())
        .arg(PenWidth())
        .arg(static_cast<int>(PenStyle()));
}

QString TRecordingCanvas::BrushText() const {
    return QStringLiteral("brush=%1/%2")
        .arg(BrushColour())
        .arg(BrushStyle() == TBrushStyle::Solid ? u"solid" : u"clear");
}

QString TRecordingCanvas::FontText() const {
    return QStringLiteral("font=%1/%2/%3/%4")
        .arg(FontName())
        .arg(FontSize())
        .arg(FontBold() ? u"bold" : u"normal")
        .arg(FontColour());
}

void TRecordingCanvas::Write(const QStringList& parts) {
    m_Log.append(parts.join(u' '));
}

void TRecordingCanvas::MovedTo(TCanvasPoint to) {
    Write({QStringLiteral("MoveTo"), PointText(to.X, to.Y)});
}

void TRecordingCanvas::DrawLine(TCanvasPoint from, TCanvasPoint to) {
    (void)from;
    Write({QStringLiteral("LineTo"), PointText(to.X, to.Y), PenText()});
}

void TRecordingCanvas::Ellipse(int left, int top, int right, int bottom) {
    Write({QStringLiteral("Ellipse"), RectText(left, top, right, bottom), PenText(), BrushText()});
}

void TRecordingCanvas::FillRect(const TCanvasRect& rect) {
    Write({QStringLiteral("FillRect"), RectText(rect.Left, rect.Top, rect.Right, rect.Bottom),
           BrushText()});
}

void TRecordingCanvas::FloodFill(int x, int y, TCanvasColour border) {
    Write({QStringLiteral("FloodFill"), PointText(x, y),
           QStringLiteral("border=%1").arg(border & 0xFFFFFF), BrushText()});
}

void TRecordingCanvas::TextOut(int x, int y, const QString& text) {
    Write({QStringLiteral("TextOut"), PointText(x, y), Quoted(text), FontText(), BrushText()});
}

void TRecordingCanvas::TextOutRotated(int x, int y, const QString& text, int angle) {
    Write({QStringLiteral("TextOutRotated"), PointText(x, y), QString::number(angle), Quoted(text),
           FontText(), BrushText()});
}

int TRecordingCanvas::TextWidth(const QString& text) const {
    // A character outside the basic plane takes two UTF-16 units; it counts once.
    qint64 characters = 0;
    for (const QChar unit : text)
        characters += !unit.isLowSurrogate();
    return int(std::min<qint64>(7 * characters * FontSize() / 10, std::numeric_limits<int>::max()));
}

int TRecordingCanvas::TextHeight(const QString& text) const {
    (void)text;
    return FontSize() * 4 / 3;
}

void TRecordingCanvas::Polygon(std::span<const TCanvasPoint> points) {
    QStringList parts{QStringLiteral("Polygon")};
    for (const TCanvasPoint& p : points)
        parts.append(PointText(p.X, p.Y));
    Write(parts << PenText() << BrushText());
}

void TRecordingCanvas::StretchDraw(const TCanvasRect& rect, const TChartCanvas& picture) {
    const TCanvasRect size = picture.ClipRect();
    Write({QStringLiteral("StretchDraw"), RectText(rect.Left, rect.Top, rect.Right, rect.Bottom),
           QStringLiteral("picture=%1x%2").arg(size.Width()).arg(size.Height())});
}

void TRecordingCanvas::SuspendUpdates() {
    m_Log.append(QStringLiteral("SuspendUpdates"));
}

void TRecordingCanvas::ResumeUpdates() {
    m_Log.append(QStringLiteral("ResumeUpdates"));
}

} // namespace velkaris
