#include "ChartView.h"

#include "render/DrawController.h"
#include "render/ElementCompositor.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

namespace velkaris {

TChartView::TChartView(QWidget* parent) : QWidget(parent), m_Surface(200, 200) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(1, 1);
}

void TChartView::FitSurface() {
    m_Surface.Resize(std::max(width(), 1), std::max(height(), 1));
}

void TChartView::PictureChanged() {
    m_Shown = m_Surface.Image().copy();
    if (m_Controller)
        PaintElementsOver(m_Shown, *m_Controller);
    update();
}

TBaseGraphicControl* TChartView::ElementAt(QPoint point) const {
    return m_Controller ? m_Controller->ElementAt(point.x(), point.y()) : nullptr;
}

void TChartView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    if (!m_Shown.isNull())
        painter.drawImage(0, 0, m_Shown);
}

void TChartView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    emit Resized();
}

void TChartView::mouseMoveEvent(QMouseEvent* event) {
    const TBaseGraphicControl* element = ElementAt(event->position().toPoint());
    if (element)
        setCursor(Qt::PointingHandCursor);
    else
        unsetCursor();
    emit MouseMoved();
}

void TChartView::mouseReleaseEvent(QMouseEvent* event) {
    TBaseGraphicControl* element = ElementAt(event->position().toPoint());
    if (element && element->OnMouseUp)
        element->OnMouseUp(*element, static_cast<int>(event->button()));
}

void TChartView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (TBaseGraphicControl* element = ElementAt(event->position().toPoint()))
        emit ElementDoubleClicked(element);
}

bool TChartView::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const TBaseGraphicControl* element = ElementAt(help->pos());
        const QString hint =
            element ? (element->ShortHint.isEmpty() ? element->LongHint : element->ShortHint)
                    : QString();
        if (hint.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), hint, this);
        return true;
    }
    return QWidget::event(event);
}

} // namespace velkaris
