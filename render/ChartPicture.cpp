#include "ChartPicture.h"

#include "ElementCompositor.h"
#include "ImageCanvas.h"

namespace velkaris {

QImage DrawChartPicture(const TChartPictureRequest& request, const TSettingsProvider& settings,
                        const TAspectOrbProvider* orbProvider) {
    TImageCanvas canvas(request.Width, request.Height);
    if (canvas.IsNull())
        return {};
    TNatalChartDrawer drawer(canvas, -1, -1, false, settings, orbProvider);
    drawer.TimingLog = request.TimingLog;
    drawer.Overlay = request.Overlay;
    for (const TCalcResult* chart : request.Charts)
        drawer.AddChart(chart, false);
    drawer.ReDrawCalculatedResults(request.Overlay);
    QImage picture = canvas.Image().copy();
    PaintElementsOver(picture, drawer);
    return picture;
}

} // namespace velkaris
