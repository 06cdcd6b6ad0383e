#pragma once

#include "core/LangManager.h"
#include "core/SegedUtils.h"

#include <QString>
#include <cmath>

namespace velkaris {

/// Shared by the drawing steps: one rounding per coordinate, and the label face.
namespace RenderMath {

/// x rounded to the nearest integer, ties to even.
inline int Rnd(double x) {
    return static_cast<int>(RoundHalfEven(x));
}

/// The face of the wheel's texts that are not glyphs.
inline QString LabelFace() {
    return LangManager::Instance().ChartLabelFontName();
}

/// Whole degrees and minutes of a position within its sign, the minutes rounded and 60
/// carried into the degrees (29° 59.8' is 30° 00').
struct TDegreesMinutes {
    int Degrees;
    int Minutes;
};

inline TDegreesMinutes SplitDegrees(double degreesInSign) {
    int degrees = static_cast<int>(std::floor(degreesInSign));
    int minutes = Rnd((degreesInSign - degrees) * 60);
    if (minutes >= 60) {
        minutes -= 60;
        ++degrees;
    }
    return {degrees, minutes};
}

} // namespace RenderMath

} // namespace velkaris
