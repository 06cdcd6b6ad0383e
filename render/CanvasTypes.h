#pragma once

#include <QString>

namespace velkaris {

/// A colour as the settings store it: red in the low byte, green in the middle byte and
/// blue in the high byte. The surfaces ignore every bit above the low 24.
using TCanvasColour = int;

/// The colour of the three channels, 0-255 each (higher bits of a channel are dropped).
constexpr TCanvasColour CanvasColour(int red, int green, int blue) {
    return (red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16);
}

/// The red, green and blue channel of a colour, 0-255.
constexpr int RedOf(TCanvasColour colour) {
    return colour & 0xFF;
}
constexpr int GreenOf(TCanvasColour colour) {
    return (colour >> 8) & 0xFF;
}
constexpr int BlueOf(TCanvasColour colour) {
    return (colour >> 16) & 0xFF;
}

inline constexpr TCanvasColour CanvasBlack = 0x000000;
inline constexpr TCanvasColour CanvasWhite = 0xFFFFFF;

/// A pixel position: x grows to the right, y downward, (0, 0) is the top-left pixel.
struct TCanvasPoint {
    int X = 0;
    int Y = 0;
    friend constexpr bool operator==(const TCanvasPoint&, const TCanvasPoint&) = default;
};

/// A rectangle of pixels. Left and Top are inside it, Right and Bottom just outside, as
/// Windows GDI counts them: Right - Left is the width in pixels.
struct TCanvasRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    constexpr int Width() const { return Right - Left; }
    constexpr int Height() const { return Bottom - Top; }
    /// True when the rectangle holds no pixel (also when it is turned inside out).
    constexpr bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
    friend constexpr bool operator==(const TCanvasRect&, const TCanvasRect&) = default;
};

/// Line style of the pen; the values are those the aspect-style settings hold.
enum class TPenStyle { Solid = 0, Dashed = 1, Dotted = 2 };

/// The pen style a setting's value names; a value out of range draws solid.
constexpr TPenStyle PenStyleFromSetting(int value) {
    return value == 1 ? TPenStyle::Dashed : value == 2 ? TPenStyle::Dotted : TPenStyle::Solid;
}

/// Whether shapes and text cells get their interior filled with the brush colour.
enum class TBrushStyle { Solid, Clear };

/// The pen lines and outlines are drawn with.
struct TCanvasPen {
    TCanvasColour Colour = CanvasBlack;
    /// Pixels, 1 to TChartCanvas::MaxPenWidth.
    int Width = 1;
    TPenStyle Style = TPenStyle::Solid;
    friend bool operator==(const TCanvasPen&, const TCanvasPen&) = default;
};

/// The brush interiors, rectangles, flood fills and text cells are filled with.
struct TCanvasBrush {
    TCanvasColour Colour = CanvasWhite;
    TBrushStyle Style = TBrushStyle::Solid;
    friend bool operator==(const TCanvasBrush&, const TCanvasBrush&) = default;
};

/// The font texts are drawn with.
struct TCanvasFont {
    QString Name = QStringLiteral("DejaVu Sans");
    /// Points, 1 to TChartCanvas::MaxFontSize.
    int Size = 8;
    bool Bold = false;
    TCanvasColour Colour = CanvasBlack;
    friend bool operator==(const TCanvasFont&, const TCanvasFont&) = default;
};

} // namespace velkaris
