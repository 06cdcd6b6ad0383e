#include "render/RectInformations.h"
#include "render/WheelGeometry.h"

#include <gtest/gtest.h>

using namespace velkaris;
using namespace velkaris::WheelGeometry;

namespace {

TRectInformations::TSizeSource Window(int width, int height) {
    return [width, height] { return TAreaSize{width, height}; };
}

struct TWheel {
    int Diameter, CenterX, CenterY, Left, Top, Right, Bottom;
};

TWheel Wheel(const TRectInformations& r) {
    return {r.Diameter(), r.CenterX(),    r.CenterY(),    r.WheelLeft(),
            r.WheelTop(), r.WheelRight(), r.WheelBottom()};
}

void ExpectWheel(const TRectInformations& r, const TWheel& w, const char* what) {
    const TWheel got = Wheel(r);
    EXPECT_EQ(got.Diameter, w.Diameter) << what;
    EXPECT_EQ(got.CenterX, w.CenterX) << what;
    EXPECT_EQ(got.CenterY, w.CenterY) << what;
    EXPECT_EQ(got.Left, w.Left) << what;
    EXPECT_EQ(got.Top, w.Top) << what;
    EXPECT_EQ(got.Right, w.Right) << what;
    EXPECT_EQ(got.Bottom, w.Bottom) << what;
}

} // namespace

TEST(WheelGeometry, RingsAndCirclesOfARadius) {
    // The worked example: R = 600 with the size multiplier 1.0.
    EXPECT_EQ(ZodiacRingWidth(600), 100);
    EXPECT_EQ(DegreeBandWidth(600), 80);
    EXPECT_EQ(PlanetRingBase(600), 170);
    EXPECT_EQ(InnerCircleOffset(600, false), 345);
    EXPECT_EQ(InnerCircleOffset(600, true), 528);
    EXPECT_EQ(HouseNumberCircleOffset(600, false), 293);
    EXPECT_EQ(HouseNumberCircleOffset(600, true), 486);
    EXPECT_EQ(AspectCircleOffset(600), 209);
    EXPECT_EQ(PlanetRingOffset(600, 0, true, 60, 1.0), 170);
    EXPECT_EQ(PlanetRingOffset(600, 1, true, 60, 1.0), -24);
    EXPECT_EQ(PlanetRingOffset(600, 1, false, 60, 1.4), 190); // 170 x 1.12
    EXPECT_DOUBLE_EQ(DampedFontScale(1.5), 1.15);
    EXPECT_DOUBLE_EQ(DampedFontScale(2.0), 2.0);
    EXPECT_DOUBLE_EQ(DampedFontScale(0.8), 0.24);
    struct {
        int diameter, size;
    } fonts[] = {{450, 12}, {1000, 22}, {100, 6},  {504, 12},
                 {505, 13}, {200, 8},   {780, 18}, {480, 12}};
    for (const auto& f : fonts)
        EXPECT_EQ(BaseFontSize(f.diameter), f.size) << f.diameter;
}

TEST(WheelGeometry, TheAscendantLiesLeftAndLongitudesGrowCounterClockwise) {
    EXPECT_EQ(WheelTurn(10.4), 10);
    EXPECT_EQ(WheelTurn(10.5), 10); // ties to even
    EXPECT_EQ(WheelTurn(11.5), 12);
    EXPECT_EQ(WheelTurn(123.5), 124);
    EXPECT_EQ(WheelTurn(122.5), 122);
    struct {
        double longitude;
        TCanvasPoint point;
    } cases[] = {{10, {50, 100}}, {100, {100, 150}}, {190, {150, 100}}, {280, {100, 50}}};
    for (const auto& c : cases)
        EXPECT_EQ(WheelPoint(100, 100, 50, c.longitude, 10), c.point) << c.longitude;
}

TEST(RectInformations, ScreenLayouts) {
    TRectInformations r(Window(800, 600));
    EXPECT_EQ(r.Margin, 60);
    ExpectWheel(r, {480, 400, 300, 160, 60, 640, 540}, "one centred wheel");
    r.ChartIndex = 1;
    ExpectWheel(r, {480, 400, 300, 160, 60, 640, 540}, "a second chart over the first");

    r.Overlay = false;
    r.ChartIndex = 0;
    ExpectWheel(r, {288, 240, 180, 96, 36, 384, 324}, "vertically shifted, first");
    r.ChartIndex = 1;
    ExpectWheel(r, {288, 480, 420, 336, 276, 624, 564}, "vertically shifted, second");

    r.HorizontalShift = true;
    r.ChartIndex = 0;
    ExpectWheel(r, {240, 200, 300, 80, 180, 320, 420}, "horizontally shifted, first");
    r.ChartIndex = 1;
    ExpectWheel(r, {240, 500, 300, 380, 180, 620, 420}, "horizontally shifted, second");
}

TEST(RectInformations, PageAndHalfSizeLayouts) {
    // A printed page of 1488 x 2105 pixels: margin a fifteenth of the width, doubled,
    // and a top offset of a twentieth of the diameter.
    TRectInformations page(Window(0, 0), 1488, 2105);
    EXPECT_TRUE(page.ExplicitSize);
    EXPECT_EQ(page.Margin, 198);
    EXPECT_EQ(page.TopOffset, 54);
    ExpectWheel(page, {1092, 744, 798, 198, 252, 1290, 1344}, "page");

    TRectInformations half(Window(800, 600));
    half.SetExplicitSize(Window(800, 600), -1, true, -1);
    EXPECT_EQ(half.Margin, 60);
    ExpectWheel(half, {240, 200, 150, 80, 30, 320, 270}, "half size");

    TRectInformations empty;
    EXPECT_LE(empty.Diameter(), 0); // no window yet: nothing to draw, no crash
}

TEST(WheelGeometry, SegmentIntersections) {
    struct {
        const char* what;
        TCanvasPoint a1, a2, b1, b2;
        int state;
        TCanvasPoint point;
    } cases[] = {
        {"crossing", {0, 0}, {10, 10}, {0, 10}, {10, 0}, 2, {5, 5}},
        {"meeting at an end", {0, 0}, {10, 10}, {10, 10}, {20, 0}, 2, {10, 10}},
        {"vertical and horizontal", {5, 0}, {5, 10}, {0, 5}, {10, 5}, 2, {5, 5}},
        {"lines meet beyond the segments", {0, 0}, {1, 1}, {10, 0}, {9, 1}, 3, {5, 5}},
        {"meeting at negative coordinates", {0, 0}, {1, 1}, {0, -10}, {-1, -9}, 4, {-5, -5}},
    };
    for (const auto& c : cases) {
        const TSegmentIntersection i = SegmentIntersection(c.a1, c.a2, c.b1, c.b2);
        EXPECT_EQ(i.State, c.state) << c.what;
        EXPECT_EQ(i.Point, c.point) << c.what;
    }
    EXPECT_EQ(SegmentIntersection({0, 0}, {10, 0}, {0, 5}, {10, 5}).State, 0);
    EXPECT_EQ(SegmentIntersection({0, 5}, {0, 9}, {3, 0}, {3, 8}).State, 0); // both vertical
    EXPECT_EQ(SegmentIntersection({3, 3}, {3, 3}, {0, 0}, {9, 9}).State, 1);
}

TEST(WheelGeometry, FacingEdgeOfABox) {
    const TCanvasRect box{0, 0, 100, 50};
    struct {
        TCanvasPoint target;
        int edge;
    } cases[] = {{{200, 25}, 1},  {{50, 200}, 2}, {{-100, 25}, 3}, {{50, -100}, 4},
                 {{400, 100}, 1}, {{-30, 90}, 2}, {{5000, 25}, 0}, {{50, 25}, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(FacingEdge(box, c.target), c.edge) << c.target.X << "," << c.target.Y;
}
