#pragma once

#include <QtGlobal>

namespace velkaris {

/// The pixels of one row of a shape, Left to Right inclusive; empty when Left > Right.
struct TPixelSpan {
    int Left = 1;
    int Right = 0;
    bool IsEmpty() const { return Left > Right; }
};

/// The pixels of the ellipse inscribed in the box left..right-1 by top..bottom-1, row by
/// row: a pixel belongs to it when its square meets the ellipse through the centres of the
/// box's outermost pixels. Rows are worked out from the upper half and mirrored, so the
/// shape is exactly symmetric and touches every side of the box.
class TEllipseRaster {
public:
    /// The box must hold at least one pixel (left < right, top < bottom).
    TEllipseRaster(int left, int top, int right, int bottom);

    /// The pixels of row y; empty outside the box.
    TPixelSpan Row(int y) const;
    /// The pixels of row y that lie on the outline: those with a neighbour above, below,
    /// left or right outside the ellipse. The outline is one 8-connected ring, so it closes
    /// the inside off from the outside for a 4-connected flood fill. Returns the left run;
    /// the right run is its mirror image (MirrorX).
    TPixelSpan OutlineLeftRun(int y) const;
    /// The column mirroring x across the box's middle.
    int MirrorX(int x) const { return int(qint64(m_Left) + m_Right - 1 - x); }
    /// The middle of the box in pixel coordinates (a pixel's centre is its index).
    double CentreX() const { return m_CentreX; }
    double CentreY() const { return m_CentreY; }

private:
    int m_Left, m_Top, m_Right, m_Bottom;
    double m_CentreX, m_CentreY, m_RadiusX, m_RadiusY;
};

} // namespace velkaris
