#include "shell/zoom_chart_view.h"

#include <QWheelEvent>

namespace shell {

ZoomChartView::ZoomChartView(QChart* chart, QWidget* parent) : QChartView(chart, parent) {
    setRenderHint(QPainter::Antialiasing);
    setRubberBand(QChartView::RectangleRubberBand);
}

void ZoomChartView::zoomTimeAt(double x, double factor) {
    if (factor <= 0) return;
    const QRectF area = chart()->plotArea();
    const double centre = std::clamp(x, area.left(), area.right());
    const double left = centre - (centre - area.left()) / factor;
    chart()->zoomIn(QRectF(left, area.top(), area.width() / factor, area.height()));
}

void ZoomChartView::wheelEvent(QWheelEvent* event) {
    const int steps = event->angleDelta().y() / 120;
    if (steps == 0) return QChartView::wheelEvent(event);
    zoomTimeAt(event->position().x(), std::pow(1.25, steps));
    event->accept();
}

}  // namespace shell
