#include "RectInformations.h"

#include "core/SegedUtils.h"

#include <algorithm>

namespace velkaris {

TRectInformations::TRectInformations(TSizeSource sizeControl, int widthOverride,
                                     int heightOverride) {
    SetExplicitSize(std::move(sizeControl), widthOverride, false, heightOverride);
}

double TRectInformations::Scale() const {
    double s = Overlay ? 1.0 : (HorizontalShift ? 0.5 : 0.6);
    return HalfSize ? s / 2 : s;
}

TRectInformations::TPlacement TRectInformations::Place() const {
    const TAreaSize area = SizeControl ? SizeControl() : TAreaSize{};
    const int fullHeight = std::max(HeightOverride, area.Height);
    const int fullWidth = std::max(WidthOverride, area.Width);
    const double s = Scale();
    TPlacement p{};
    p.Height = Halved(Overlay ? fullHeight : static_cast<int>(RoundHalfEven(fullHeight * s)));
    p.Width = Halved(Overlay ? fullWidth : static_cast<int>(RoundHalfEven(fullWidth * s)));
    p.Margin = Halved(Overlay ? Margin : static_cast<int>(RoundHalfEven(s * Margin)));
    p.Diameter = std::min(p.Width - 2 * p.Margin, p.Height - 2 * p.Margin);
    const int fullDiameter = Halved(std::min(fullWidth - 2 * p.Margin, fullHeight - 2 * p.Margin));
    p.Shift = ChartIndex > 0 && !Overlay ? Halved(fullDiameter - p.Diameter) : 0;
    p.Base = !Overlay && HorizontalShift ? p.Height / 2 : p.Shift;
    return p;
}

void TRectInformations::ResetMargin(bool paper) {
    const TPlacement p = Place();
    Margin = std::min(p.Height, p.Width) / (paper ? 15 : 10);
    if (HalfSize)
        Margin /= 2;
}

void TRectInformations::SetExplicitSize(TSizeSource sizeControl, int width, bool halfSize,
                                        int height) {
    SizeControl = std::move(sizeControl);
    if (height != -1) {
        HeightOverride = height;
        WidthOverride = width;
        ExplicitSize = true;
    }
    ResetMargin(ExplicitSize);
    if (ExplicitSize) {
        Margin *= 2;
        TopOffset = Diameter() / 20;
    }
    HalfSize = halfSize;
}

int TRectInformations::Diameter() const {
    return Place().Diameter;
}

int TRectInformations::CenterX() const {
    const TPlacement p = Place();
    return ExplicitSize ? p.Margin + p.Diameter / 2 : p.Shift + p.Width / 2;
}

int TRectInformations::CenterY() const {
    const TPlacement p = Place();
    return ExplicitSize ? p.Margin + TopOffset + p.Diameter / 2 : p.Base + p.Height / 2;
}

int TRectInformations::WheelLeft() const {
    const TPlacement p = Place();
    if (ExplicitSize)
        return p.Margin;
    return p.Shift + p.Margin + (p.Width - 2 * p.Margin - p.Diameter) / 2;
}

int TRectInformations::WheelRight() const {
    const TPlacement p = Place();
    if (ExplicitSize)
        return p.Margin + p.Diameter;
    return p.Shift + p.Width - p.Margin - (p.Width - 2 * p.Margin - p.Diameter) / 2;
}

int TRectInformations::WheelTop() const {
    const TPlacement p = Place();
    if (ExplicitSize)
        return p.Margin + TopOffset;
    return p.Base + p.Margin + (p.Height - 2 * p.Margin - p.Diameter) / 2;
}

int TRectInformations::WheelBottom() const {
    const TPlacement p = Place();
    if (ExplicitSize)
        return p.Margin + TopOffset + p.Diameter;
    return p.Base + p.Height - p.Margin - (p.Height - 2 * p.Margin - p.Diameter) / 2;
}

} // namespace velkaris
