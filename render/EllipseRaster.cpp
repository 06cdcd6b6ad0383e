#include "EllipseRaster.h"

#include <algorithm>
#include <cmath>

namespace velkaris {

TEllipseRaster::TEllipseRaster(int left, int top, int right, int bottom)
    : m_Left(left), m_Top(top), m_Right(right), m_Bottom(bottom),
      m_CentreX((double(left) + right - 1) / 2), m_CentreY((double(top) + bottom - 1) / 2),
      m_RadiusX((double(right) - left - 1) / 2), m_RadiusY((double(bottom) - top - 1) / 2) {}

TPixelSpan TEllipseRaster::Row(int y) const {
    if (y < m_Top || y >= m_Bottom)
        return {};
    // Work from the upper half so that both halves round alike.
    const qint64 mirrored = qint64(m_Top) + m_Bottom - 1 - y;
    const double row = double(std::min<qint64>(y, mirrored));
    // The nearest the pixel's square comes to the middle row.
    const double dy = std::max(0.0, m_CentreY - row - 0.5);
    double halfWidth = m_RadiusX;
    if (m_RadiusY > 0) {
        const double ratio = std::min(1.0, dy / m_RadiusY);
        halfWidth = m_RadiusX * std::sqrt(1 - ratio * ratio);
    }
    // Pixel x reaches the ellipse when its square's right edge, x + 0.5, does.
    const double first = std::ceil(m_CentreX - halfWidth - 0.5);
    const int left = int(std::clamp(first, double(m_Left), std::floor(m_CentreX)));
    return {left, MirrorX(left)};
}

TPixelSpan TEllipseRaster::OutlineLeftRun(int y) const {
    const TPixelSpan here = Row(y);
    if (here.IsEmpty())
        return here;
    const TPixelSpan above = Row(y - 1);
    const TPixelSpan below = Row(y + 1);
    if (above.IsEmpty() || below.IsEmpty())
        return here; // the top and bottom rows are outline from end to end
    // The pixels this row has beyond the narrower of its neighbours are outline, and the
    // end pixel always is.
    const int inner = std::max(above.Left, below.Left);
    return {here.Left, std::min(here.Right, std::max(here.Left, inner - 1))};
}

} // namespace velkaris
