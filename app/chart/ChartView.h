#pragma once

#include "render/ImageCanvas.h"

#include <QImage>
#include <QWidget>

namespace velkaris {

class TBaseGraphicControl;
class TDrawControllerBase;

/// The chart picture of a chart window: shows the drawing surface with the glyph elements
/// over it, gives the hand cursor and the short hint over an element, and passes mouse
/// releases on to the element's handler.
///
/// The surface is drawn by the window's controller; after each redraw the window calls
/// `PictureChanged`, and the view repaints once, so a redraw never flickers.
class TChartView : public QWidget {
    Q_OBJECT
public:
    explicit TChartView(QWidget* parent = nullptr);

    /// The surface the controller draws on; it has the view's size (see `FitSurface`).
    TImageCanvas& Surface() { return m_Surface; }
    /// The controller whose elements are shown over the surface; may be null.
    void SetController(const TDrawControllerBase* controller) { m_Controller = controller; }
    /// Gives the surface the view's size.
    void FitSurface();
    /// The surface and the elements as shown, for the next paint.
    void PictureChanged();
    /// What the view shows (surface and elements), as last composed.
    const QImage& ShownPicture() const { return m_Shown; }
    /// The element under a point of the view, or null.
    TBaseGraphicControl* ElementAt(QPoint point) const;

signals:
    void Resized();
    void ElementDoubleClicked(TBaseGraphicControl* element);
    /// The mouse moved over the picture (the window clears selections then).
    void MouseMoved();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    bool event(QEvent* event) override;

private:
    TImageCanvas m_Surface;
    QImage m_Shown;
    const TDrawControllerBase* m_Controller = nullptr;
};

} // namespace velkaris
