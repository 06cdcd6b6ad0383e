#include "render/RecordingCanvas.h"

#include "render/ImageCanvas.h"

#include <climits>
#include <gtest/gtest.h>

using namespace velkaris;

TEST(RecordingCanvas, WritesEachDrawingCallWithTheStateItUses) {
    TRecordingCanvas canvas(640, 480);
    TImageCanvas picture(200, 100);
    canvas.SuspendUpdates();
    canvas.SetPenColour(CanvasColour(255, 0, 0));
    canvas.MoveTo(10, 20);
    canvas.LineTo(30, 40);
    canvas.SetPenWidth(3);
    canvas.SetPenStyle(TPenStyle::Dotted);
    canvas.SetBrushStyle(TBrushStyle::Clear);
    canvas.Ellipse(0, 0, 100, 100);
    canvas.SetBrushColour(CanvasColour(0, 0, 255));
    canvas.SetBrushStyle(TBrushStyle::Solid);
    canvas.FillRect({1, 2, 3, 4});
    canvas.FloodFill(50, 50, CanvasBlack);
    canvas.SetFontName(QStringLiteral("Liberation Sans"));
    canvas.SetFontSize(10);
    canvas.SetFontBold(true);
    canvas.SetFontColour(CanvasColour(0, 128, 0));
    canvas.TextOut(5, 6, QStringLiteral("Nap"));
    canvas.SetFontBold(false);
    canvas.TextOutRotated(7, 8, QStringLiteral("Hold"), 900);
    canvas.Polygon(std::vector<TCanvasPoint>{{0, 0}, {10, 0}, {5, 8}});
    canvas.StretchDraw({0, 0, 50, 25}, picture);
    canvas.ResumeUpdates();

    EXPECT_EQ(canvas.Log(),
              (QStringList{
                  "SuspendUpdates",
                  "MoveTo 10,20",
                  "LineTo 30,40 pen=255/1/0",
                  "Ellipse 0,0,100,100 pen=255/3/2 brush=16777215/clear",
                  "FillRect 1,2,3,4 brush=16711680/solid",
                  "FloodFill 50,50 border=0 brush=16711680/solid",
                  "TextOut 5,6 \"Nap\" font=Liberation Sans/10/bold/32768 brush=16711680/solid",
                  "TextOutRotated 7,8 900 \"Hold\" font=Liberation Sans/10/normal/32768 "
                  "brush=16711680/solid",
                  "Polygon 0,0 10,0 5,8 pen=255/3/2 brush=16711680/solid",
                  "StretchDraw 0,0,50,25 picture=200x100",
                  "ResumeUpdates",
              }));
    EXPECT_EQ(canvas.LinesOf(QStringLiteral("TextOut")).size(), 1);
    EXPECT_EQ(canvas.LinesOf(QStringLiteral("ResumeUpdates")).size(), 1);
    EXPECT_EQ(canvas.PenPos(), (TCanvasPoint{30, 40}));
    EXPECT_EQ(canvas.ClipRect(), (TCanvasRect{0, 0, 640, 480}));
    canvas.ClearLog();
    EXPECT_TRUE(canvas.Log().isEmpty());
}

TEST(RecordingCanvas, ShowsTheStateAsKeptWithinItsLimits) {
    TRecordingCanvas canvas(-5, 10);
    EXPECT_EQ(canvas.ClipRect(), (TCanvasRect{0, 0, 0, 10}));
    canvas.SetPenWidth(0);
    canvas.SetPenColour(-1);
    canvas.MoveTo(0, 0);
    canvas.LineTo(1, 1);
    canvas.SetPenWidth(INT_MAX);
    canvas.SetFontSize(-3);
    canvas.SetPenStyle(PenStyleFromSetting(7));
    canvas.LineTo(2, 2);
    canvas.TextOut(0, 0, QStringLiteral("x"));
    EXPECT_EQ(canvas.LinesOf(QStringLiteral("LineTo")),
              (QStringList{"LineTo 1,1 pen=16777215/1/0", "LineTo 2,2 pen=16777215/1000/0"}));
    EXPECT_TRUE(canvas.Log().last().contains(QStringLiteral("font=DejaVu Sans/1/normal/0")));
    EXPECT_EQ(PenStyleFromSetting(1), TPenStyle::Dashed);
    EXPECT_EQ(PenStyleFromSetting(2), TPenStyle::Dotted);
    EXPECT_EQ(PenStyleFromSetting(-1), TPenStyle::Solid);
}

TEST(RecordingCanvas, MeasuresTextWithItsFixedMetric) {
    struct {
        QString Text;
        int Size, Width, Height;
    } cases[] = {
        {QStringLiteral("Nap"), 10, 21, 13},
        {QStringLiteral("Nap"), 12, 25, 16},
        {QStringLiteral("Nap"), 1, 2, 1},
        {QString(), 10, 0, 13},
        {QStringLiteral("Ág"), 10, 14, 13},
        {QString::fromUcs4(U"\U0001F31E"), 10, 7, 13}, // one character in two UTF-16 units
        {QString(1'000'000, u'x'), 1000, 700'000'000, 1333},
    };
    for (const auto& c : cases) {
        TRecordingCanvas canvas;
        canvas.SetFontSize(c.Size);
        canvas.SetFontBold(true);
        EXPECT_EQ(canvas.TextWidth(c.Text), c.Width) << c.Text.left(5).toStdString() << c.Size;
        EXPECT_EQ(canvas.TextHeight(c.Text), c.Height) << c.Size;
    }
    TRecordingCanvas canvas;
    canvas.SetFontSize(1000);
    EXPECT_EQ(canvas.TextWidth(QString(4'000'000, u'x')), INT_MAX);
    EXPECT_TRUE(canvas.Log().isEmpty());
}
