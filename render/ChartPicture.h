#pragma once

#include "DrawController.h"

#include <QImage>
#include <vector>

namespace velkaris {

class TAspectOrbProvider;
class TCalcResult;
class TSettingsProvider;

/// What a one-off picture of charts is drawn with.
struct TChartPictureRequest {
    /// The charts, the first one the chart the picture is of.
    std::vector<const TCalcResult*> Charts;
    int Width = 800;
    int Height = 800;
    /// Several charts drawn over each other (else shifted).
    bool Overlay = true;
    /// Receives the timing lines of the redraw; none when empty.
    TTimingLog TimingLog;
};

/// Draws the wheel of the charts as a chart window of that size shows it (screen mode,
/// white background, the glyph elements over the picture). A null image when the size
/// cannot be drawn.
QImage DrawChartPicture(const TChartPictureRequest& request, const TSettingsProvider& settings,
                        const TAspectOrbProvider* orbProvider);

} // namespace velkaris
