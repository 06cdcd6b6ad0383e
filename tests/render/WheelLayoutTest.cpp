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
    struct {
        int diameter, size;
    } fonts[] = {{450, 12}, {1000, 22}, {100, 6}, {504, 12}, {505, 13}};
    for (const auto& f : fonts)
        EXPECT_EQ(BaseFontSize(f.diameter), f.size) << f.diameter;
}

TEST(WheelGeometry, TheAscendantLiesLeftAndLongitudesGrowCounterClockwise) {
    EXPECT_EQ(WheelTurn(10.4), 10);
    EXPECT_EQ(WheelTurn(10.5), 10); // ties to even
    EXPECT_EQ(WheelTurn(11.5), 12);
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
