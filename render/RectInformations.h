#pragma once

#include <functional>

namespace velkaris {

/// The current width and height of the window that bounds a drawing area.
struct TAreaSize {
    int Width = 0;
    int Height = 0;
};

/// The placement of the wheel of one chart inside its drawing area: the centred wheel of
/// a single chart or of charts drawn over each other, the shifted wheels of charts drawn
/// side by side, the explicit size of a page, the halved wheel.
class TRectInformations {
public:
    using TSizeSource = std::function<TAreaSize()>;

    /// The layout for the window `sizeControl` describes; with `heightOverride` other
    /// than -1 the area has an explicit (page) size.
    explicit TRectInformations(TSizeSource sizeControl = {}, int widthOverride = -1,
                               int heightOverride = -1);

    TSizeSource SizeControl;
    /// Area height and width used instead of a smaller window; -1 none.
    int HeightOverride = -1;
    int WidthOverride = -1;
    /// The chart being placed (0 the first).
    int ChartIndex = 0;
    /// All charts share one wheel; false: each later chart gets its own shifted wheel.
    bool Overlay = true;
    int Margin = 0;
    /// Extra space above the wheel on a page.
    int TopOffset = 0;
    /// Page layout: the wheel at the top left of the explicit size.
    bool ExplicitSize = false;
    /// Charts side by side are shifted horizontally (else vertically).
    bool HorizontalShift = false;
    /// Every length halved (a reduced wheel).
    bool HalfSize = false;

    /// Binds the size control and, with `height` other than -1, an explicit size; resets
    /// the margin (doubled on a page, which also gets its top offset).
    void SetExplicitSize(TSizeSource sizeControl, int width, bool halfSize, int height);
    /// Margin = a fifteenth (page) or a tenth (screen) of the smaller side of the area.
    void ResetMargin(bool paper);

    /// Diameter of the wheel in pixels.
    int Diameter() const;
    int CenterX() const;
    int CenterY() const;
    int WheelLeft() const;
    int WheelTop() const;
    int WheelRight() const;
    int WheelBottom() const;

private:
    struct TPlacement {
        int Width;    // area width W
        int Height;   // area height H
        int Margin;   // m
        int Diameter; // D
        int Shift;    // o
        int Base;     // b
    };
    TPlacement Place() const;
    double Scale() const;
    int Halved(int value) const { return HalfSize ? value / 2 : value; }
};

} // namespace velkaris
