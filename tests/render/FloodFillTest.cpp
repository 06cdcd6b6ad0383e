#include "CanvasInspection.h"
#include "render/ImageCanvas.h"

#include <gtest/gtest.h>

using namespace velkaris;
using namespace velkaris::test;

namespace {

constexpr TCanvasColour Red = CanvasColour(255, 0, 0);
constexpr TCanvasColour Blue = CanvasColour(0, 0, 255);

/// True when a pixel of `colour` touches a pixel of `other` across an edge: a fill that
/// stopped short of its area leaves such a pair behind.
bool Touches(const TImageCanvas& canvas, TCanvasColour colour, TCanvasColour other) {
    for (int y = 0; y < canvas.Height(); ++y)
        for (int x = 0; x < canvas.Width(); ++x) {
            if (canvas.Pixel(x, y) != colour)
                continue;
            if (canvas.Pixel(x + 1, y) == other || canvas.Pixel(x - 1, y) == other ||
                canvas.Pixel(x, y + 1) == other || canvas.Pixel(x, y - 1) == other)
                return true;
        }
    return false;
}

/// A 40 by 40 white image with a black one-pixel ring and the fill colour red.
class FloodFillTest : public ::testing::Test {
protected:
    FloodFillTest() : m_Canvas(40, 40) {
        m_Canvas.SetBrushStyle(TBrushStyle::Clear);
        m_Canvas.Ellipse(5, 5, 35, 35);
        m_Canvas.SetBrushStyle(TBrushStyle::Solid);
        m_Canvas.SetBrushColour(Red);
        m_RingPixels = CountOf(m_Canvas, CanvasBlack);
    }
    TImageCanvas m_Canvas;
    int m_RingPixels = 0;
};

} // namespace

TEST_F(FloodFillTest, FillsTheInsideUpToTheRing) {
    m_Canvas.FloodFill(20, 20, CanvasBlack);
    EXPECT_EQ(m_Canvas.Pixel(20, 20), Red);
    EXPECT_EQ(m_Canvas.Pixel(6, 20), Red);
    EXPECT_EQ(m_Canvas.Pixel(0, 0), CanvasWhite);
    EXPECT_EQ(m_Canvas.Pixel(39, 20), CanvasWhite);
    EXPECT_EQ(CountOf(m_Canvas, CanvasBlack), m_RingPixels);
    EXPECT_FALSE(Touches(m_Canvas, Red, CanvasWhite));
}

TEST_F(FloodFillTest, FillsTheOutsideToTheImageEdge) {
    m_Canvas.FloodFill(0, 0, CanvasBlack);
    EXPECT_EQ(m_Canvas.Pixel(39, 39), Red);
    EXPECT_EQ(m_Canvas.Pixel(20, 0), Red);
    EXPECT_EQ(m_Canvas.Pixel(20, 20), CanvasWhite);
    EXPECT_EQ(CountOf(m_Canvas, CanvasBlack), m_RingPixels);
    EXPECT_FALSE(Touches(m_Canvas, Red, CanvasWhite));
}

TEST_F(FloodFillTest, StartsOnTheBorderOrOutsideDoNothing) {
    const QImage before = m_Canvas.Image().copy();
    ASSERT_EQ(m_Canvas.Pixel(5, 20), CanvasBlack);
    const TCanvasPoint starts[] = {{5, 20},  {-1, 20}, {40, 20},
                                   {20, -1}, {20, 40}, {INT_MIN, INT_MAX}};
    for (const TCanvasPoint& start : starts) {
        m_Canvas.FloodFill(start.X, start.Y, CanvasBlack);
        EXPECT_EQ(m_Canvas.Image(), before) << start.X << ',' << start.Y;
    }
}

TEST_F(FloodFillTest, BrushInTheBorderColourFillsAndEnds) {
    TImageCanvas red(40, 40);
    red.StretchDraw(red.ClipRect(), m_Canvas);
    red.SetBrushColour(Red);
    red.FloodFill(20, 20, CanvasBlack);
    const int inside = CountOf(red, Red);

    m_Canvas.SetBrushColour(CanvasBlack);
    m_Canvas.FloodFill(20, 20, CanvasBlack);
    EXPECT_EQ(CountOf(m_Canvas, CanvasBlack), m_RingPixels + inside);
    EXPECT_EQ(m_Canvas.Pixel(0, 0), CanvasWhite);
}

TEST_F(FloodFillTest, AnAreaFilledAlreadyStaysAsItIs) {
    m_Canvas.FloodFill(20, 20, CanvasBlack);
    const QImage once = m_Canvas.Image().copy();
    m_Canvas.FloodFill(20, 20, CanvasBlack);
    EXPECT_EQ(m_Canvas.Image(), once);
}

TEST_F(FloodFillTest, CrossesPixelsOfOtherColoursAndOfTheBrush) {
    for (const TCanvasColour line : {Red, Blue}) {
        TImageCanvas canvas(40, 40);
        canvas.SetBrushStyle(TBrushStyle::Clear);
        canvas.Ellipse(5, 5, 35, 35);
        // A wall from the ring's top to its bottom: only a fill that crosses it reaches
        // the right half.
        canvas.SetPenColour(line);
        canvas.MoveTo(20, 6);
        canvas.LineTo(20, 34);
        ASSERT_EQ(canvas.Pixel(20, 5), CanvasBlack);
        ASSERT_EQ(canvas.Pixel(20, 34), CanvasBlack);
        canvas.SetBrushColour(Red);
        canvas.FloodFill(10, 20, CanvasBlack);
        EXPECT_EQ(canvas.Pixel(30, 20), Red) << line;
        EXPECT_EQ(canvas.Pixel(20, 20), Red) << line;
        EXPECT_EQ(canvas.Pixel(20, 1), CanvasWhite) << line;
        EXPECT_FALSE(Touches(canvas, Red, CanvasWhite)) << line;
    }
}

TEST(FloodFill, SpreadsAcrossEdgesOnlyNotCorners) {
    // White pixels at (0,0) and (1,1) meet only at a corner between two black ones.
    TImageCanvas canvas(2, 2);
    canvas.SetBrushColour(CanvasBlack);
    canvas.FillRect({1, 0, 2, 1});
    canvas.FillRect({0, 1, 1, 2});
    canvas.SetBrushColour(Red);
    canvas.FloodFill(0, 0, CanvasBlack);
    EXPECT_EQ(canvas.Pixel(0, 0), Red);
    EXPECT_EQ(canvas.Pixel(1, 1), CanvasWhite);
}

TEST(FloodFill, BorderIsOnlyTheColourNamed) {
    TImageCanvas canvas(30, 30);
    canvas.SetPenColour(Blue);
    canvas.SetBrushStyle(TBrushStyle::Clear);
    canvas.Ellipse(5, 5, 25, 25);
    const int ring = CountOf(canvas, Blue);
    canvas.SetBrushColour(Red);
    canvas.FloodFill(15, 15, Blue | int(0x7F000000)); // bits above 24 are not colour
    EXPECT_EQ(canvas.Pixel(0, 0), CanvasWhite);
    EXPECT_EQ(CountOf(canvas, Blue), ring);
    EXPECT_FALSE(Touches(canvas, Red, CanvasWhite));
    canvas.FloodFill(15, 15, CanvasBlack); // a blue ring is no border for black
    EXPECT_EQ(CountOf(canvas, Red), 900);
}

TEST(FloodFill, LargeAreasNeedNoDeepStack) {
    TImageCanvas plain(2000, 2000);
    plain.SetBrushColour(Red);
    plain.FloodFill(1000, 1000, CanvasBlack);
    EXPECT_EQ(CountOf(plain, Red), 2000 * 2000);

    // A one-pixel corridor winding through the whole image: a fill that recurses per
    // pixel or per span goes about a million levels deep here.
    TImageCanvas maze(2000, 2000);
    maze.SetBrushColour(CanvasBlack);
    for (int x = 1; x < 2000; x += 2) {
        const bool openAtTop = (x / 2) % 2 == 1;
        maze.FillRect({x, openAtTop ? 1 : 0, x + 1, openAtTop ? 2000 : 1999});
    }
    const int walls = CountOf(maze, CanvasBlack);
    maze.SetBrushColour(Red);
    maze.FloodFill(0, 0, CanvasBlack);
    EXPECT_EQ(CountOf(maze, Red), 2000 * 2000 - walls);
    EXPECT_EQ(maze.Pixel(1998, 1999), Red);
}
