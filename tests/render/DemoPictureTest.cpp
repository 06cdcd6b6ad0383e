#include "CanvasInspection.h"
#include "render/ImageCanvas.h"

#include <gtest/gtest.h>

using namespace velkaris;
using namespace velkaris::test;

// A little wheel drawn with every kind of operation the charts use. It is saved to the
// file VELKARIS_RENDER_DEMO names, when set, for a look by eye.
TEST(DemoPicture, ARingFilledBetweenItsCircles) {
    constexpr TCanvasColour Ring = CanvasColour(255, 220, 120);
    constexpr TCanvasColour Navy = CanvasColour(20, 40, 140);
    TImageCanvas canvas(240, 240);
    canvas.SetBrushStyle(TBrushStyle::Clear);
    canvas.SetPenColour(Navy);
    canvas.Ellipse(20, 20, 220, 220);
    canvas.Ellipse(50, 50, 190, 190);
    canvas.SetPenColour(CanvasBlack);
    canvas.SetPenStyle(TPenStyle::Dashed);
    canvas.Ellipse(90, 90, 150, 150);
    canvas.SetPenStyle(TPenStyle::Solid);
    canvas.SetBrushColour(Ring);
    canvas.FloodFill(120, 30, Navy);
    canvas.SetPenColour(CanvasColour(200, 0, 0));
    canvas.SetPenWidth(2);
    canvas.MoveTo(120, 50);
    canvas.LineTo(120, 190);
    canvas.SetBrushStyle(TBrushStyle::Clear);
    canvas.SetFontName(QStringLiteral("Liberation Sans"));
    canvas.SetFontSize(12);
    canvas.SetFontBold(true);
    canvas.SetFontColour(Navy);
    canvas.TextOut(120 - canvas.TextWidth(QStringLiteral("Velkaris")) / 2, 2,
                   QStringLiteral("Velkaris"));
    canvas.SetFontBold(false);
    canvas.SetFontName(QStringLiteral("DejaVu Sans"));
    canvas.SetFontSize(9);
    canvas.SetFontColour(CanvasBlack);
    canvas.TextOutRotated(196, 160, QStringLiteral("felfelé"), 900);
    canvas.SetBrushStyle(TBrushStyle::Solid);
    canvas.SetBrushColour(CanvasColour(200, 240, 255));
    canvas.TextOut(60, 112, QStringLiteral("Nap"));

    EXPECT_EQ(canvas.Pixel(120, 30), Ring);
    EXPECT_EQ(canvas.Pixel(200, 120), Ring);
    EXPECT_EQ(canvas.Pixel(110, 100), CanvasWhite);
    EXPECT_EQ(canvas.Pixel(5, 120), CanvasWhite);
    EXPECT_EQ(ColourCounts(canvas).size(), 6u);
    const QString path = qEnvironmentVariable("VELKARIS_RENDER_DEMO");
    if (!path.isEmpty()) {
        EXPECT_TRUE(canvas.Image().save(path));
    }
}
