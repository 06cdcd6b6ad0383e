#pragma once

#include "ChartCanvas.h"

#include <QStringList>

namespace velkaris {

/// A drawing surface for tests: draws nothing, writes every drawing call as one readable
/// line, and measures text with a fixed metric so that layouts come out the same on every
/// machine.
///
/// The lines, with colours as decimal settings values and the pen style as its setting
/// value (0 solid, 1 dashed, 2 dotted):
///   MoveTo 10,20
///   LineTo 30,40 pen=255/1/0
///   Ellipse 0,0,100,100 pen=0/1/0 brush=16777215/solid
///   FillRect 0,0,10,10 brush=255/solid
///   FloodFill 5,5 border=0 brush=255/solid
///   TextOut 10,20 "Nap" font=DejaVu Sans/10/bold/0 brush=16777215/clear
///   TextOutRotated 10,20 900 "Nap" font=DejaVu Sans/10/normal/0 brush=16777215/clear
///   Polygon 0,0 10,0 5,8 pen=0/1/0 brush=255/solid
///   StretchDraw 0,0,50,50 picture=200x100
///   SuspendUpdates
///   ResumeUpdates
/// Setting the pen, brush or font writes no line; the state shows on the lines that use it.
/// Questions (TextWidth, TextHeight, ClipRect) write no line either.
class TRecordingCanvas : public TChartCanvas {
public:
    /// A surface whose ClipRect is 0, 0, width, height (negative sizes count as 0).
    explicit TRecordingCanvas(int width = 1000, int height = 1000);

    /// The lines written so far, oldest first.
    const QStringList& Log() const { return m_Log; }
    /// The lines of one operation ("LineTo", "TextOut", ...), oldest first.
    QStringList LinesOf(const QString& operation) const;
    void ClearLog() { m_Log.clear(); }

    void Ellipse(int left, int top, int right, int bottom) override;
    void FillRect(const TCanvasRect& rect) override;
    void FloodFill(int x, int y, TCanvasColour border) override;
    void TextOut(int x, int y, const QString& text) override;
    void TextOutRotated(int x, int y, const QString& text, int angle) override;
    /// 7 pixels per character (code point) at 10 points, scaled with the font size and
    /// rounded down: 7 × characters × size / 10. Bold and face do not change it.
    int TextWidth(const QString& text) const override;
    /// size × 4 / 3 rounded down (a 10-point font is 13 pixels high), whatever the text.
    int TextHeight(const QString& text) const override;
    void Polygon(std::span<const TCanvasPoint> points) override;
    TCanvasRect ClipRect() const override { return {0, 0, m_Width, m_Height}; }
    void StretchDraw(const TCanvasRect& rect, const TChartCanvas& picture) override;
    void SuspendUpdates() override;
    void ResumeUpdates() override;

protected:
    void DrawLine(TCanvasPoint from, TCanvasPoint to) override;
    void MovedTo(TCanvasPoint to) override;

private:
    void Write(const QStringList& parts);
    QString PenText() const;
    QString BrushText() const;
    QString FontText() const;

    int m_Width;
    int m_Height;
    QStringList m_Log;
};

} // namespace velkaris
