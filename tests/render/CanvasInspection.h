#pragma once

#include "render/ImageCanvas.h"

#include <map>
#include <vector>

namespace velkaris::test {

/// How many pixels of each colour the surface holds.
inline std::map<TCanvasColour, int> ColourCounts(const TImageCanvas& canvas) {
    std::map<TCanvasColour, int> counts;
    for (int y = 0; y < canvas.Height(); ++y)
        for (int x = 0; x < canvas.Width(); ++x)
            ++counts[canvas.Pixel(x, y)];
    return counts;
}

inline int CountOf(const TImageCanvas& canvas, TCanvasColour colour) {
    const auto counts = ColourCounts(canvas);
    const auto it = counts.find(colour);
    return it == counts.end() ? 0 : it->second;
}

/// The smallest rectangle (right and bottom outside) holding every pixel that is not
/// `background`; an empty rectangle when there is none.
inline TCanvasRect InkExtent(const TImageCanvas& canvas, TCanvasColour background = CanvasWhite) {
    TCanvasRect extent{canvas.Width(), canvas.Height(), 0, 0};
    for (int y = 0; y < canvas.Height(); ++y)
        for (int x = 0; x < canvas.Width(); ++x)
            if (canvas.Pixel(x, y) != background) {
                extent.Left = std::min(extent.Left, x);
                extent.Top = std::min(extent.Top, y);
                extent.Right = std::max(extent.Right, x + 1);
                extent.Bottom = std::max(extent.Bottom, y + 1);
            }
    return extent.IsEmpty() ? TCanvasRect{} : extent;
}

/// Lengths of the alternating runs along row y from x = first to last - 1, starting with
/// the run the first pixel belongs to; true in `inkFirst` when that run is not background.
inline std::vector<int> RunsAlongRow(const TImageCanvas& canvas, int y, int first, int last,
                                     bool& inkFirst) {
    std::vector<int> runs;
    inkFirst = canvas.Pixel(first, y) != CanvasWhite;
    bool ink = inkFirst;
    int length = 0;
    for (int x = first; x < last; ++x) {
        const bool here = canvas.Pixel(x, y) != CanvasWhite;
        if (here != ink) {
            runs.push_back(length);
            length = 0;
            ink = here;
        }
        ++length;
    }
    runs.push_back(length);
    return runs;
}

} // namespace velkaris::test
