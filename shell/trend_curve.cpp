#include "shell/trend_curve.h"

#include <QChart>
#include <QPainter>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

namespace shell {

namespace {

// Above the plot area, its grid and axes, below the legend: where the
// chart's own series are drawn.
constexpr qreal kSeriesZ = 4;
constexpr qreal kDotRadius = 2.5;

// Collects the pixel positions of a line column by column.
class PieceBuilder {
  public:
    explicit PieceBuilder(std::vector<QPolygonF>& pieces) : pieces_(pieces) {}

    void add(const QPointF& pixel) {
        // A gap narrower than a pixel cannot be seen: the line goes on.
        const bool broken = broken_ && pixel.x() - last_.x() >= 1.0;
        broken_ = false;
        const double column = std::floor(pixel.x());
        if (open_ && column == column_) {
            if (pixel.y() < low_.y()) low_ = pixel, lowAfterHigh_ = false;
            if (pixel.y() > high_.y()) high_ = pixel, lowAfterHigh_ = true;
            last_ = pixel;
            ++count_;
            return;
        }
        flushColumn();
        if (broken) endPiece();
        open_ = true;
        column_ = column;
        first_ = low_ = high_ = last_ = pixel;
        count_ = 1;
    }
    void breakLine() { broken_ = open_; }
    void finish() {
        flushColumn();
        endPiece();
    }

  private:
    void append(const QPointF& pixel) {
        if (piece_.isEmpty() || piece_.back() != pixel) piece_.append(pixel);
    }
    void flushColumn() {
        if (!open_) return;
        append(first_);
        if (count_ > 1) {
            append(lowAfterHigh_ ? high_ : low_);
            append(lowAfterHigh_ ? low_ : high_);
            append(last_);
        }
        open_ = false;
    }
    void endPiece() {
        if (!piece_.isEmpty()) pieces_.push_back(std::move(piece_));
        piece_ = QPolygonF();
    }

    std::vector<QPolygonF>& pieces_;
    QPolygonF piece_;
    bool open_ = false, broken_ = false, lowAfterHigh_ = false;
    double column_ = 0;
    QPointF first_, low_, high_, last_;
    int count_ = 0;
};

// Where the segment from outside (beyond the range) to inside crosses x.
QPointF atEdge(const QPointF& outside, const QPointF& inside, double x) {
    const double span = inside.x() - outside.x();
    if (span == 0) return QPointF(x, outside.y());
    return QPointF(x, outside.y() + (inside.y() - outside.y()) * (x - outside.x()) / span);
}

}  // namespace

QPointF PlotMapping::toPixel(double x, double y) const {
    const double sx = xMax > xMin ? area.width() / (xMax - xMin) : 0.0;
    const double sy = yMax > yMin ? area.height() / (yMax - yMin) : 0.0;
    return QPointF(area.left() + (x - xMin) * sx, area.bottom() - (y - yMin) * sy);
}

std::vector<QPolygonF> visiblePieces(const std::vector<QPointF>& points,
                                     const PlotMapping& mapping) {
    std::vector<QPolygonF> pieces;
    if (points.empty() || !(mapping.xMax > mapping.xMin) || mapping.area.isEmpty()) return pieces;
    // The points in range and one on either side, for the lines to the edges.
    const auto begin = std::lower_bound(points.begin(), points.end(), mapping.xMin,
                                        [](const QPointF& p, double x) { return p.x() < x; });
    const auto end = std::upper_bound(points.begin(), points.end(), mapping.xMax,
                                      [](double x, const QPointF& p) { return x < p.x(); });
    const std::size_t first = static_cast<std::size_t>(begin - points.begin());
    const std::size_t from = first > 0 ? first - 1 : 0;
    const std::size_t to =
        std::min(points.size(), static_cast<std::size_t>(end - points.begin()) + 1);

    PieceBuilder line(pieces);
    for (std::size_t i = from; i < to; ++i) {
        QPointF point = points[i];
        if (std::isnan(point.y())) {
            line.breakLine();
            continue;
        }
        // A point beyond the range is drawn where its segment leaves the
        // plot, which keeps far-off positions out of the painter.
        const bool before = point.x()<mapping.xMin, after = point.x()> mapping.xMax;
        if (before || after) {
            const std::size_t next = before ? i + 1 : i - 1;
            if (next >= points.size() || std::isnan(points[next].y())) continue;
            point = atEdge(point, points[next], before ? mapping.xMin : mapping.xMax);
        }
        line.add(mapping.toPixel(point.x(), point.y()));
    }
    line.finish();
    return pieces;
}

TrendCurveItem::TrendCurveItem(QChart& chart, QValueAxis* x, QValueAxis* y,
                               std::vector<QPointF> points, const QPen& pen)
    : QGraphicsObject(&chart), chart_(chart), x_(x), y_(y), points_(std::move(points)), pen_(pen) {
    setZValue(kSeriesZ);
    connect(&chart, &QChart::plotAreaChanged, this, [this] {
        prepareGeometryChange();
        update();
    });
    for (QValueAxis* axis : {x, y})
        connect(axis, &QValueAxis::rangeChanged, this, [this] { update(); });
}

QRectF TrendCurveItem::boundingRect() const {
    return chart_.plotArea();
}

PlotMapping TrendCurveItem::mapping() const {
    PlotMapping mapping;
    if (x_) mapping.xMin = x_->min(), mapping.xMax = x_->max();
    if (y_) mapping.yMin = y_->min(), mapping.yMax = y_->max();
    mapping.area = chart_.plotArea();
    return mapping;
}

std::vector<QPolygonF> TrendCurveItem::pieces() const {
    return visiblePieces(points_, mapping());
}

void TrendCurveItem::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) {
    const PlotMapping area = mapping();
    painter->save();
    painter->setClipRect(area.area);
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(pen_);
    // Segment by segment: stroked as one polyline, the many steep segments
    // of a dense line overlap on every scan line and the fill takes seconds.
    QVector<QLineF> segments;
    QVector<QPointF> dots;
    for (const QPolygonF& piece : visiblePieces(points_, area)) {
        if (piece.size() == 1) dots.append(piece.front());
        for (qsizetype i = 1; i < piece.size(); ++i)
            segments.append(QLineF(piece[i - 1], piece[i]));
    }
    painter->drawLines(segments);
    painter->setBrush(pen_.color());
    for (const QPointF& dot : dots) painter->drawEllipse(dot, kDotRadius, kDotRadius);
    painter->restore();
}

}  // namespace shell
