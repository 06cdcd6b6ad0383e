#pragma once

class QImage;

namespace velkaris {

class TBaseGraphicControl;
class TDrawControllerBase;

/// Puts the picture of `element` over `image` at the element's place as the chart view
/// shows it: pixels of the element's background colour are left out, so only the glyph
/// covers the wheel. Invisible elements and pixels outside the image are skipped.
void PaintElementOver(QImage& image, const TBaseGraphicControl& element);

/// Puts every visible element of the controller over `image`, in drawing order.
void PaintElementsOver(QImage& image, const TDrawControllerBase& controller);

} // namespace velkaris
