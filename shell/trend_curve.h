// One line of a trend chart (a logger's measured value or temperature, a
// recorded value), drawn straight onto the chart's plot area. A line of a whole logger has
// up to 65 535 points and, for the temperature, as many breaks: drawn as
// chart series that would be one series per stretch, far too many objects
// for a window. Here each paint takes only the points in view and at most
// four of them per pixel column (first, lowest, highest, last), so a paint
// costs about the same for any logger and any zoom.
#pragma once

#include <QGraphicsObject>
#include <QPen>
#include <QPointer>
#include <QPolygonF>
#include <vector>

class QChart;
class QValueAxis;

namespace shell {

// Where the axes' ranges lie on the plot area.
struct PlotMapping {
    double xMin = 0, xMax = 1, yMin = 0, yMax = 1;
    QRectF area;
    QPointF toPixel(double x, double y) const;
};

// The line through points (in time order; a y of NaN is a record without
// a value, which breaks the line) as the plot area shows it: pieces of
// connected pixel positions, a piece of one point for a value standing
// alone. A gap narrower than a pixel cannot be seen and does not split the
// line; zoomed in, it does.
std::vector<QPolygonF> visiblePieces(const std::vector<QPointF>& points,
                                     const PlotMapping& mapping);

class TrendCurveItem : public QGraphicsObject {
    Q_OBJECT
  public:
    // Drawn on chart (which owns the item) against the two axes.
    TrendCurveItem(QChart& chart, QValueAxis* x, QValueAxis* y, std::vector<QPointF> points,
                   const QPen& pen);

    QRectF boundingRect() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

    const std::vector<QPointF>& points() const { return points_; }
    // The pieces as the chart shows them now.
    std::vector<QPolygonF> pieces() const;

  private:
    PlotMapping mapping() const;

    QChart& chart_;
    QPointer<QValueAxis> x_, y_;
    std::vector<QPointF> points_;
    QPen pen_;
};

}  // namespace shell
