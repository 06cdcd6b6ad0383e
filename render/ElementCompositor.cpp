#include "ElementCompositor.h"

#include "DrawController.h"
#include "GlyphElements.h"
#include "ImageCanvas.h"

#include <QImage>
#include <algorithm>

namespace velkaris {

void PaintElementOver(QImage& image, const TBaseGraphicControl& element) {
    if (!element.Visible || image.format() != QImage::Format_RGB32)
        return;
    const QImage& picture = element.Picture().Image();
    if (picture.isNull())
        return;
    const TCanvasColour background = element.Colour;
    const QRgb clear = qRgb(RedOf(background), GreenOf(background), BlueOf(background));
    const int firstRow = std::max(0, -element.Top);
    const int lastRow = std::min(picture.height(), image.height() - element.Top);
    const int firstColumn = std::max(0, -element.Left);
    const int lastColumn = std::min(picture.width(), image.width() - element.Left);
    for (int y = firstRow; y < lastRow; ++y) {
        const auto* from = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
        auto* to = reinterpret_cast<QRgb*>(image.scanLine(element.Top + y));
        for (int x = firstColumn; x < lastColumn; ++x)
            if ((from[x] & 0xFFFFFF) != (clear & 0xFFFFFF))
                to[element.Left + x] = from[x];
    }
}

void PaintElementsOver(QImage& image, const TDrawControllerBase& controller) {
    controller.ForEachElement(
        [&](const TBaseGraphicControl& element) { PaintElementOver(image, element); });
}

} // namespace velkaris
