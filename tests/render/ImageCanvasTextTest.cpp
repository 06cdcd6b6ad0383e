#include "CanvasInspection.h"
#include "render/ImageCanvas.h"

#include <gtest/gtest.h>
#include <set>

using namespace velkaris;
using namespace velkaris::test;

namespace {

constexpr TCanvasColour Red = CanvasColour(255, 0, 0);
constexpr TCanvasColour Blue = CanvasColour(0, 0, 255);
constexpr TCanvasColour Yellow = CanvasColour(255, 255, 0);

const QString Sample = QStringLiteral("Velkaris Ág 123");

std::set<TCanvasColour> ColoursOf(const TImageCanvas& canvas) {
    std::set<TCanvasColour> colours;
    for (const auto& [colour, count] : ColourCounts(canvas))
        colours.insert(colour);
    return colours;
}

} // namespace

TEST(ImageCanvasText, HasOnlyTheInkAndPaperColours) {
    struct {
        const char* Face;
        int Size;
        bool Bold;
        TCanvasColour Ink, Paper;
        int Angle;
    } cases[] = {
        {"DejaVu Sans", 8, false, CanvasBlack, CanvasWhite, 0},
        {"DejaVu Sans", 14, true, Red, CanvasWhite, 0},
        {"Liberation Sans", 11, false, Blue, Yellow, 0},
        {"Liberation Sans", 72, true, CanvasBlack, CanvasWhite, 0},
        {"DejaVu Sans", 20, true, CanvasBlack, CanvasWhite, 900},
        {"Liberation Sans", 12, false, Red, Yellow, 450},
        {"No Such Face", 12, false, CanvasBlack, CanvasWhite, 0},
    };
    for (const auto& c : cases) {
        TImageCanvas canvas(700, 400);
        canvas.SetBrushColour(c.Paper);
        canvas.FillRect(canvas.ClipRect());
        canvas.SetBrushStyle(TBrushStyle::Clear);
        canvas.SetFontName(QString::fromLatin1(c.Face));
        canvas.SetFontSize(c.Size);
        canvas.SetFontBold(c.Bold);
        canvas.SetFontColour(c.Ink);
        if (c.Angle == 0)
            canvas.TextOut(10, 150, Sample);
        else
            canvas.TextOutRotated(100, 390, Sample, c.Angle);
        EXPECT_EQ(ColoursOf(canvas), (std::set<TCanvasColour>{c.Ink, c.Paper}))
            << c.Face << ' ' << c.Size << ' ' << c.Angle;
        EXPECT_GT(CountOf(canvas, c.Ink), 50) << c.Face << ' ' << c.Size;
    }
}

TEST(ImageCanvasText, SolidBrushFillsTheCellAndClearLeavesIt) {
    for (const TBrushStyle style : {TBrushStyle::Solid, TBrushStyle::Clear}) {
        TImageCanvas canvas(200, 60);
        canvas.SetFontSize(12);
        canvas.SetBrushColour(Yellow);
        canvas.SetBrushStyle(style);
        canvas.TextOut(10, 20, Sample);
        const TCanvasRect cell{10, 20, 10 + canvas.TextWidth(Sample),
                               20 + canvas.TextHeight(Sample)};
        const TCanvasRect ink = InkExtent(canvas);
        if (style == TBrushStyle::Solid) {
            EXPECT_EQ(ink, cell);
            EXPECT_EQ(ColoursOf(canvas),
                      (std::set<TCanvasColour>{CanvasWhite, Yellow, CanvasBlack}));
        } else {
            EXPECT_EQ(CountOf(canvas, Yellow), 0);
            EXPECT_TRUE(ink.Left >= cell.Left && ink.Top >= cell.Top && ink.Right <= cell.Right &&
                        ink.Bottom <= cell.Bottom);
            EXPECT_GT(ink.Height(), cell.Height() / 2);
        }
    }
}

TEST(ImageCanvasText, TurnedCellsLieAsTheAngleSays) {
    constexpr int X = 150;
    constexpr int Y = 150;
    TImageCanvas probe(1, 1);
    probe.SetFontSize(12);
    const int w = probe.TextWidth(Sample);
    const int h = probe.TextHeight(Sample);
    struct {
        int Angle;
        TCanvasRect Cell;
    } cases[] = {
        {0, {X, Y, X + w, Y + h}},    {900, {X, Y - w, X + h, Y}},  {1800, {X - w, Y - h, X, Y}},
        {2700, {X - h, Y, X, Y + w}}, {3600, {X, Y, X + w, Y + h}}, {-900, {X - h, Y, X, Y + w}},
    };
    for (const auto& c : cases) {
        TImageCanvas canvas(300, 300);
        canvas.SetFontSize(12);
        canvas.SetBrushColour(Yellow);
        canvas.TextOutRotated(X, Y, Sample, c.Angle);
        EXPECT_EQ(InkExtent(canvas), c.Cell) << c.Angle;
    }
}

TEST(ImageCanvasText, TurnedUpwardTheTextIsTallAndNarrow) {
    TImageCanvas flat(300, 300);
    TImageCanvas upward(300, 300);
    for (TImageCanvas* canvas : {&flat, &upward}) {
        canvas->SetBrushStyle(TBrushStyle::Clear);
        canvas->SetFontSize(14);
    }
    flat.TextOut(20, 20, Sample);
    upward.TextOutRotated(20, 280, Sample, 900);
    const TCanvasRect a = InkExtent(flat);
    const TCanvasRect b = InkExtent(upward);
    EXPECT_GT(b.Height(), 3 * b.Width());
    EXPECT_NEAR(b.Height(), a.Width(), 1);
    EXPECT_NEAR(b.Width(), a.Height(), 1);
    EXPECT_GE(b.Left, 20);
    EXPECT_LE(b.Bottom, 280);

    TImageCanvas unturned(300, 300);
    unturned.SetBrushStyle(TBrushStyle::Clear);
    unturned.SetFontSize(14);
    unturned.TextOutRotated(20, 20, Sample, 0);
    EXPECT_EQ(unturned.Image(), flat.Image());
}

TEST(ImageCanvasText, MetricsFollowSizeBoldAndResolution) {
    TImageCanvas screen(10, 10);
    TImageCanvas page(10, 10, 192);
    EXPECT_EQ(page.PixelsPerInch(), 192);
    EXPECT_EQ(screen.TextWidth(QString()), 0);
    int lastHeight = 0;
    for (const int size : {6, 8, 10, 12, 16, 24}) {
        screen.SetFontSize(size);
        page.SetFontSize(size);
        const int height = screen.TextHeight(Sample);
        EXPECT_GT(height, lastHeight) << size;
        EXPECT_GE(height, size * 96 / 72) << size;
        EXPECT_NEAR(page.TextHeight(Sample), 2 * height, 2) << size;
        // Hinting moves each glyph's advance by up to a pixel.
        EXPECT_NEAR(page.TextWidth(Sample), 2 * screen.TextWidth(Sample), Sample.size()) << size;
        lastHeight = height;
    }
    const int normal = screen.TextWidth(QStringLiteral("MMMMMMMM"));
    screen.SetFontBold(true);
    EXPECT_GT(screen.TextWidth(QStringLiteral("MMMMMMMM")), normal);
    EXPECT_EQ(TImageCanvas(10, 10, 0).PixelsPerInch(), 1);

    // The largest font on the finest page stays within the largest surface.
    TImageCanvas fine(100, 100, 100'000);
    EXPECT_EQ(fine.PixelsPerInch(), 9600);
    fine.SetFontSize(TChartCanvas::MaxFontSize);
    EXPECT_LE(fine.TextHeight(Sample), 2 * TImageCanvas::MaxSide);
    fine.SetBrushColour(Red);
    fine.TextOut(0, 0, QStringLiteral("A"));
    EXPECT_EQ(CountOf(fine, Red) + CountOf(fine, CanvasBlack), 100 * 100);
}
