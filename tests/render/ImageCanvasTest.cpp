#include "render/ImageCanvas.h"

#include "CanvasInspection.h"

#include <climits>
#include <gtest/gtest.h>

using namespace velkaris;
using namespace velkaris::test;

namespace {

constexpr TCanvasColour Red = CanvasColour(255, 0, 0);
constexpr TCanvasColour Blue = CanvasColour(0, 0, 255);

std::vector<TCanvasPoint> BlackPixels(const TImageCanvas& canvas) {
    std::vector<TCanvasPoint> points;
    for (int y = 0; y < canvas.Height(); ++y)
        for (int x = 0; x < canvas.Width(); ++x)
            if (canvas.Pixel(x, y) == CanvasBlack)
                points.push_back({x, y});
    return points;
}

} // namespace

TEST(ImageCanvas, StartsWhiteWithTheWholeImageAsClipRect) {
    TImageCanvas canvas(30, 20);
    ASSERT_FALSE(canvas.IsNull());
    EXPECT_EQ(canvas.Image().format(), QImage::Format_RGB32);
    EXPECT_EQ(canvas.ClipRect(), (TCanvasRect{0, 0, 30, 20}));
    EXPECT_EQ(ColourCounts(canvas), (std::map<TCanvasColour, int>{{CanvasWhite, 600}}));
    EXPECT_EQ(canvas.Pixel(-1, 0), -1);
    EXPECT_EQ(canvas.Pixel(30, 0), -1);
}

TEST(ImageCanvas, ColoursKeepRedInTheLowByte) {
    TImageCanvas canvas(10, 10);
    canvas.SetPenColour(0x563412); // red 0x12, green 0x34, blue 0x56
    canvas.MoveTo(0, 0);
    canvas.LineTo(5, 0);
    canvas.SetBrushColour(int(0xAB000000u) | Red); // bits above 24 are not colour
    canvas.FillRect({0, 5, 10, 10});
    EXPECT_EQ(canvas.Image().pixel(2, 0), qRgb(0x12, 0x34, 0x56));
    EXPECT_EQ(canvas.Pixel(2, 0), 0x563412);
    EXPECT_EQ(canvas.Image().pixel(2, 7), qRgb(255, 0, 0));
    EXPECT_EQ(canvas.BrushColour(), Red);
}

TEST(ImageCanvas, LinesLeaveOutTheirEndPixel) {
    struct {
        TCanvasPoint From, To;
        std::vector<TCanvasPoint> Pixels;
    } cases[] = {
        {{2, 5}, {6, 5}, {{2, 5}, {3, 5}, {4, 5}, {5, 5}}},
        {{6, 5}, {2, 5}, {{3, 5}, {4, 5}, {5, 5}, {6, 5}}},
        {{4, 1}, {4, 4}, {{4, 1}, {4, 2}, {4, 3}}},
        {{1, 1}, {4, 4}, {{1, 1}, {2, 2}, {3, 3}}},
        {{7, 1}, {4, 4}, {{7, 1}, {6, 2}, {5, 3}}},
        {{3, 3}, {3, 3}, {}},
    };
    for (const auto& c : cases) {
        TImageCanvas canvas(10, 10);
        canvas.MoveTo(c.From.X, c.From.Y);
        canvas.LineTo(c.To.X, c.To.Y);
        EXPECT_EQ(BlackPixels(canvas), c.Pixels) << c.From.X << ',' << c.From.Y;
        EXPECT_EQ(canvas.PenPos(), c.To);
    }
}

TEST(ImageCanvas, AShallowLineHasOnePixelInEveryColumn) {
    TImageCanvas canvas(40, 20);
    canvas.MoveTo(3, 2);
    canvas.LineTo(33, 13);
    for (int x = 0; x < 40; ++x) {
        int inColumn = 0;
        for (int y = 0; y < 20; ++y)
            inColumn += canvas.Pixel(x, y) == CanvasBlack;
        EXPECT_EQ(inColumn, x >= 3 && x < 33 ? 1 : 0) << x;
    }
    EXPECT_EQ(canvas.Pixel(3, 2), CanvasBlack);
}

TEST(ImageCanvas, AClosedChainDrawsEveryCornerOnce) {
    TImageCanvas canvas(20, 20);
    canvas.MoveTo(2, 2);
    canvas.LineTo(12, 2);
    canvas.LineTo(12, 12);
    canvas.LineTo(2, 12);
    canvas.LineTo(2, 2);
    EXPECT_EQ(CountOf(canvas, CanvasBlack), 40);
    EXPECT_EQ(InkExtent(canvas), (TCanvasRect{2, 2, 13, 13}));
}

TEST(ImageCanvas, AWidePenDrawsItsWidth) {
    TImageCanvas canvas(40, 40);
    canvas.SetPenWidth(5);
    EXPECT_EQ(canvas.PenWidth(), 5);
    canvas.MoveTo(5, 20);
    canvas.LineTo(35, 20);
    int inColumn = 0;
    for (int y = 0; y < 40; ++y)
        inColumn += canvas.Pixel(20, y) == CanvasBlack;
    EXPECT_EQ(inColumn, 5);
    EXPECT_EQ(ColourCounts(canvas).size(), 2u);
}

TEST(ImageCanvas, DashedAndDottedPensLeaveGaps) {
    struct {
        TPenStyle Style;
        int Dash, Gap;
    } cases[] = {{TPenStyle::Solid, 100, 0}, {TPenStyle::Dashed, 18, 6}, {TPenStyle::Dotted, 3, 3}};
    for (const auto& c : cases) {
        TImageCanvas canvas(120, 5);
        canvas.SetPenStyle(c.Style);
        canvas.MoveTo(0, 2);
        canvas.LineTo(100, 2);
        bool inkFirst = false;
        const std::vector<int> runs = RunsAlongRow(canvas, 2, 0, 100, inkFirst);
        EXPECT_TRUE(inkFirst);
        if (c.Gap == 0) {
            EXPECT_EQ(runs, std::vector<int>{100});
            continue;
        }
        ASSERT_GE(runs.size(), 4u) << int(c.Style);
        // The last run may be cut short by the line's end.
        for (std::size_t i = 0; i + 1 < runs.size(); ++i)
            EXPECT_EQ(runs[i], i % 2 == 0 ? c.Dash : c.Gap) << int(c.Style) << " run " << i;
    }
}

TEST(ImageCanvas, EllipseCoversItsBoxWithRightAndBottomOutside) {
    struct {
        int Left, Top, Right, Bottom;
        TCanvasRect Extent;
    } cases[] = {
        {10, 10, 30, 20, {10, 10, 30, 20}},
        {5, 5, 26, 26, {5, 5, 26, 26}},
        {3, 4, 7, 9, {3, 4, 7, 9}},
        {30, 20, 10, 10, {10, 10, 30, 20}},
        {10, 10, 10, 20, {}},
        {10, 10, 20, 10, {}},
    };
    for (const auto& c : cases) {
        TImageCanvas canvas(40, 40);
        canvas.SetBrushColour(Red);
        canvas.Ellipse(c.Left, c.Top, c.Right, c.Bottom);
        EXPECT_EQ(InkExtent(canvas), c.Extent) << c.Left << ',' << c.Top << ',' << c.Right;
    }
}

TEST(ImageCanvas, EveryEllipseIsASymmetricClosedRingFillingItsBox) {
    for (int width = 1; width <= 24; ++width)
        for (int height = 1; height <= 24; ++height) {
            TImageCanvas canvas(30, 30);
            canvas.SetBrushStyle(TBrushStyle::Clear);
            canvas.Ellipse(3, 3, 3 + width, 3 + height);
            const auto where = [&] { return std::to_string(width) + 'x' + std::to_string(height); };
            ASSERT_EQ(InkExtent(canvas), (TCanvasRect{3, 3, 3 + width, 3 + height})) << where();
            for (int y = 3; y < 3 + height; ++y)
                for (int x = 3; x < 3 + width; ++x) {
                    ASSERT_EQ(canvas.Pixel(x, y), canvas.Pixel(2 * 3 + width - 1 - x, y))
                        << where();
                    ASSERT_EQ(canvas.Pixel(x, y), canvas.Pixel(x, 2 * 3 + height - 1 - y))
                        << where();
                }
            const int middleX = 3 + width / 2;
            const int middleY = 3 + height / 2;
            if (canvas.Pixel(middleX, middleY) != CanvasWhite)
                continue;
            canvas.SetBrushColour(Red);
            canvas.FloodFill(middleX, middleY, CanvasBlack);
            ASSERT_EQ(canvas.Pixel(0, 0), CanvasWhite) << where() << " leaks";
        }
}

TEST(ImageCanvas, EllipseWithAWidePenIsCentredOnTheOutline) {
    for (const int pen : {2, 3, 5}) {
        TImageCanvas canvas(60, 60);
        canvas.SetPenWidth(pen);
        canvas.SetBrushColour(Red);
        canvas.Ellipse(10, 10, 50, 40);
        const int out = (pen - 1) / 2; // an even pen adds no half pixel either side
        EXPECT_EQ(InkExtent(canvas), (TCanvasRect{10 - out, 10 - out, 50 + out, 40 + out})) << pen;
        EXPECT_EQ(canvas.Pixel(30, 25), Red);
        EXPECT_EQ(ColourCounts(canvas).size(), 3u) << pen;
    }
}

TEST(ImageCanvas, DashedAndDottedEllipsesLeaveGapsInTheRing) {
    int solid = 0;
    for (const TPenStyle style : {TPenStyle::Solid, TPenStyle::Dashed, TPenStyle::Dotted}) {
        TImageCanvas canvas(100, 100);
        canvas.SetPenStyle(style);
        canvas.SetBrushStyle(TBrushStyle::Clear);
        canvas.Ellipse(5, 5, 95, 95);
        const int ink = CountOf(canvas, CanvasBlack);
        if (style == TPenStyle::Solid) {
            solid = ink;
            continue;
        }
        // 18 of every 24 outline pixels for dashes, 3 of every 6 for dots.
        const double share = style == TPenStyle::Dashed ? 18.0 / 24 : 0.5;
        EXPECT_NEAR(ink, solid * share, solid * 0.05) << int(style);
        EXPECT_EQ(InkExtent(canvas).Width(), 90) << int(style);
    }
}

TEST(ImageCanvas, ShapesHaveOnlyTheColoursAskedFor) {
    TImageCanvas canvas(100, 100);
    canvas.SetPenColour(Blue);
    canvas.SetBrushColour(Red);
    canvas.Ellipse(3, 5, 90, 60);
    canvas.SetPenWidth(3);
    canvas.Ellipse(20, 40, 70, 97);
    canvas.Polygon(std::vector<TCanvasPoint>{{10, 90}, {50, 62}, {95, 99}});
    canvas.MoveTo(0, 99);
    canvas.LineTo(99, 0);
    const auto counts = ColourCounts(canvas);
    EXPECT_EQ(counts.size(), 3u);
    EXPECT_GT(counts.at(Red), 1000);
    EXPECT_GT(counts.at(Blue), 300);
}

TEST(ImageCanvas, ClearBrushLeavesTheInteriorAlone) {
    TImageCanvas canvas(40, 40);
    canvas.SetBrushStyle(TBrushStyle::Clear);
    canvas.SetBrushColour(Red);
    canvas.Ellipse(5, 5, 35, 35);
    canvas.Polygon(std::vector<TCanvasPoint>{{12, 12}, {28, 12}, {20, 28}});
    EXPECT_EQ(CountOf(canvas, Red), 0);
    EXPECT_EQ(canvas.Pixel(20, 20), CanvasWhite);
    EXPECT_EQ(canvas.Pixel(20, 12), CanvasBlack);
}

TEST(ImageCanvas, PolygonFillsAndOutlines) {
    TImageCanvas canvas(30, 30);
    canvas.SetBrushColour(Red);
    canvas.Polygon(std::vector<TCanvasPoint>{{5, 5}, {25, 5}, {25, 25}, {5, 25}});
    EXPECT_EQ(InkExtent(canvas), (TCanvasRect{5, 5, 26, 26}));
    EXPECT_EQ(canvas.Pixel(15, 15), Red);
    EXPECT_EQ(canvas.Pixel(5, 15), CanvasBlack);
    EXPECT_EQ(canvas.Pixel(25, 15), CanvasBlack);

    TImageCanvas few(30, 30);
    few.Polygon(std::vector<TCanvasPoint>{{5, 5}});
    few.Polygon({});
    EXPECT_EQ(InkExtent(few), TCanvasRect{});
}

TEST(ImageCanvas, FillRectLeavesOutRightAndBottom) {
    struct {
        TCanvasRect Rect, Extent;
    } cases[] = {
        {{2, 3, 7, 9}, {2, 3, 7, 9}},
        {{-5, -5, 3, 2}, {0, 0, 3, 2}},
        {{8, 8, 50, 50}, {8, 8, 10, 10}},
        {{7, 2, 2, 9}, {}},
        {{4, 4, 4, 9}, {}},
        {{12, 0, 20, 5}, {}},
        {{INT_MIN, INT_MIN, INT_MAX, INT_MAX}, {0, 0, 10, 10}},
    };
    for (const auto& c : cases) {
        TImageCanvas canvas(10, 10);
        canvas.SetBrushColour(Red);
        canvas.SetBrushStyle(TBrushStyle::Clear); // a fill uses the colour all the same
        canvas.FillRect(c.Rect);
        EXPECT_EQ(InkExtent(canvas), c.Extent) << c.Rect.Left << ',' << c.Rect.Top;
        EXPECT_EQ(CountOf(canvas, Red), c.Extent.Width() * c.Extent.Height());
    }
}

TEST(ImageCanvas, FarCoordinatesDrawWhatCrossesTheImage) {
    TImageCanvas canvas(50, 50);
    canvas.MoveTo(INT_MIN, INT_MIN);
    canvas.LineTo(INT_MAX, INT_MAX);
    canvas.MoveTo(-1'000'000'000, 40);
    canvas.LineTo(1'000'000'000, 40);
    for (int i = 0; i < 50; ++i) {
        EXPECT_EQ(canvas.Pixel(i, i), CanvasBlack) << i;
        EXPECT_EQ(canvas.Pixel(i, 40), CanvasBlack) << i;
    }
    canvas.MoveTo(INT_MAX, 0);
    canvas.LineTo(INT_MAX, 50);
    canvas.Ellipse(INT_MAX - 10, 0, INT_MAX, 10);
    canvas.Polygon(std::vector<TCanvasPoint>{{INT_MIN, 0}, {INT_MIN, 10}, {INT_MIN + 5, 5}});
    canvas.TextOut(INT_MAX, INT_MAX, QStringLiteral("Nap"));
    canvas.TextOutRotated(INT_MIN, INT_MAX, QStringLiteral("Nap"), 900);
    EXPECT_EQ(CountOf(canvas, CanvasBlack), 99);

    TImageCanvas covered(50, 50);
    covered.SetBrushColour(Red);
    covered.Ellipse(-1'000'000'000, -1'000'000'000, 1'000'000'000, 1'000'000'000);
    EXPECT_EQ(CountOf(covered, Red), 2500);
    covered.SetBrushColour(Blue);
    covered.Polygon(std::vector<TCanvasPoint>{
        {INT_MIN, INT_MIN}, {INT_MAX, INT_MIN}, {INT_MAX, INT_MAX}, {INT_MIN, INT_MAX}});
    EXPECT_EQ(CountOf(covered, Blue), 2500);
}

TEST(ImageCanvas, StateIsKeptWithinItsLimits) {
    TImageCanvas canvas(10, 10);
    canvas.SetPenWidth(0);
    EXPECT_EQ(canvas.PenWidth(), 1);
    canvas.SetPenWidth(-7);
    EXPECT_EQ(canvas.PenWidth(), 1);
    canvas.SetPenWidth(INT_MAX);
    EXPECT_EQ(canvas.PenWidth(), TChartCanvas::MaxPenWidth);
    canvas.SetFontSize(0);
    EXPECT_EQ(canvas.FontSize(), 1);
    canvas.SetFontSize(INT_MAX);
    EXPECT_EQ(canvas.FontSize(), TChartCanvas::MaxFontSize);
    // The largest of both still draws, and covers the little image.
    canvas.MoveTo(0, 5);
    canvas.LineTo(9, 5);
    EXPECT_EQ(CountOf(canvas, CanvasBlack), 100);
    EXPECT_GT(canvas.TextHeight(QStringLiteral("A")), 1000);
    canvas.TextOut(0, 0, QStringLiteral("A"));
}

TEST(ImageCanvas, UnusableSizesGiveAnEmptySurfaceThatIgnoresDrawing) {
    const std::pair<int, int> sizes[] = {{0, 10},
                                         {10, 0},
                                         {-5, 10},
                                         {INT_MIN, INT_MIN},
                                         {TImageCanvas::MaxSide + 1, 1},
                                         {TImageCanvas::MaxSide, TImageCanvas::MaxSide}};
    TImageCanvas picture(4, 4);
    for (const auto& [width, height] : sizes) {
        TImageCanvas canvas(width, height);
        EXPECT_TRUE(canvas.IsNull()) << width << 'x' << height;
        EXPECT_EQ(canvas.ClipRect(), TCanvasRect{});
        EXPECT_EQ(canvas.Pixel(0, 0), -1);
        canvas.MoveTo(0, 0);
        canvas.LineTo(5, 5);
        canvas.Ellipse(0, 0, 5, 5);
        canvas.FillRect({0, 0, 5, 5});
        canvas.FloodFill(0, 0, CanvasBlack);
        canvas.TextOut(0, 0, QStringLiteral("Nap"));
        canvas.TextOutRotated(0, 0, QStringLiteral("Nap"), 900);
        canvas.Polygon(std::vector<TCanvasPoint>{{0, 0}, {5, 0}, {0, 5}});
        canvas.StretchDraw({0, 0, 5, 5}, picture);
        picture.StretchDraw({0, 0, 4, 4}, canvas);
        EXPECT_GT(canvas.TextHeight(QStringLiteral("Nap")), 0);
    }
    EXPECT_EQ(CountOf(picture, CanvasWhite), 16);
    EXPECT_FALSE(TImageCanvas(TImageCanvas::MaxSide, 100).IsNull());
}

namespace {

/// A 2 by 2 picture: red, blue / black, white.
class StretchDrawTest : public ::testing::Test {
protected:
    StretchDrawTest() : m_Picture(2, 2) {
        const TCanvasColour colours[] = {Red, Blue, CanvasBlack, CanvasWhite};
        for (int i = 0; i < 4; ++i) {
            m_Picture.SetBrushColour(colours[i]);
            m_Picture.FillRect({i % 2, i / 2, i % 2 + 1, i / 2 + 1});
        }
    }
    TImageCanvas m_Picture;
};

} // namespace

TEST_F(StretchDrawTest, ScalesEachPixelToABlock) {
    TImageCanvas canvas(20, 20);
    canvas.SetBrushColour(CanvasColour(0, 255, 0));
    canvas.FillRect(canvas.ClipRect());
    canvas.StretchDraw({5, 5, 15, 15}, m_Picture);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x) {
            const bool inside = x >= 5 && x < 15 && y >= 5 && y < 15;
            const TCanvasColour expected =
                !inside ? CanvasColour(0, 255, 0) : m_Picture.Pixel((x - 5) / 5, (y - 5) / 5);
            ASSERT_EQ(canvas.Pixel(x, y), expected) << x << ',' << y;
        }
}

TEST_F(StretchDrawTest, ShrinksAndStretchesUnevenly) {
    // Each target pixel takes the source pixel under its centre: rows 0.33, 1.0 and 1.67
    // of the source give rows 0, 1, 1.
    TImageCanvas uneven(8, 4);
    uneven.StretchDraw({0, 0, 8, 3}, m_Picture);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 8; ++x)
            EXPECT_EQ(uneven.Pixel(x, y), m_Picture.Pixel(x / 4, y == 0 ? 0 : 1)) << x << ',' << y;
    EXPECT_EQ(uneven.Pixel(0, 3), CanvasWhite);

    // Blown up to blocks and shrunk back, each pixel is its own nearest neighbour.
    TImageCanvas big(6, 6);
    big.StretchDraw(big.ClipRect(), m_Picture);
    TImageCanvas back(2, 2);
    back.StretchDraw(back.ClipRect(), big);
    EXPECT_EQ(back.Image(), m_Picture.Image());
}

TEST_F(StretchDrawTest, DrawsItselfAndIgnoresEmptyTargets) {
    // Shrunk into its own lower right quarter, a surface read while it is written would
    // pick up rows it had just drawn.
    TImageCanvas canvas(8, 8);
    canvas.StretchDraw(canvas.ClipRect(), m_Picture);
    canvas.StretchDraw({4, 4, 8, 8}, canvas);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) {
            const bool shrunk = x >= 4 && y >= 4;
            const int block = shrunk ? 2 : 4;
            const int offset = shrunk ? 4 : 0;
            ASSERT_EQ(canvas.Pixel(x, y),
                      m_Picture.Pixel((x - offset) / block, (y - offset) / block))
                << x << ',' << y;
        }

    TImageCanvas blank(10, 10);
    blank.StretchDraw({5, 5, 5, 9}, m_Picture);
    blank.StretchDraw({9, 9, 2, 2}, m_Picture);
    blank.StretchDraw({20, 20, 30, 30}, m_Picture);
    EXPECT_EQ(CountOf(blank, CanvasWhite), 100);
}

TEST_F(StretchDrawTest, AHugeTargetShowsThePixelUnderTheImage) {
    TImageCanvas canvas(10, 10);
    // Centred on the origin, the image lies under the picture's lower right pixel; a target
    // starting at the origin puts it under the upper left one.
    canvas.StretchDraw({-1'000'000, -1'000'000, 1'000'000, 1'000'000}, m_Picture);
    EXPECT_EQ(CountOf(canvas, CanvasWhite), 100);
    canvas.StretchDraw({0, 0, 2'000'000, 2'000'000}, m_Picture);
    EXPECT_EQ(CountOf(canvas, Red), 100);
    canvas.StretchDraw({INT_MIN, INT_MIN, INT_MAX, INT_MAX}, m_Picture);
    EXPECT_EQ(ColourCounts(canvas).size(), 1u);
}
