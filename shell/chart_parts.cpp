#include "shell/chart_parts.h"

#include <QChart>
#include <QLineSeries>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

#include "shell/trend_curve.h"
#include "shell/wall_clock_axis.h"

namespace shell {

QPen linePen(const QColor& color) {
    QPen pen(color);
    pen.setWidthF(1.5);
    return pen;
}

void fitAxis(QValueAxis* axis, double low, double high) {
    if (low > high) low = 0.0, high = 1.0;
    const double margin = high > low ? (high - low) * 0.05 : std::max(1.0, std::abs(low) * 0.05);
    axis->setRange(low - margin, high + margin);
    axis->applyNiceNumbers();
}

void addLegendEntry(QChart& chart, const QString& name, const QColor& color, QAbstractAxis* x,
                    QAbstractAxis* y) {
    auto* series = new QLineSeries;
    series->setName(name);
    series->setPen(linePen(color));
    chart.addSeries(series);
    series->attachAxis(x);
    series->attachAxis(y);
}

void clearChart(QChart& chart) {
    for (QGraphicsItem* item : chart.childItems())
        if (auto* curve = dynamic_cast<TrendCurveItem*>(item)) delete curve;
    chart.removeAllSeries();
    for (QAbstractAxis* axis : chart.axes()) {
        chart.removeAxis(axis);
        delete axis;
    }
}

WallClockAxis* addTimeAxis(QChart& chart, const QString& title) {
    auto* time = new WallClockAxis;
    time->setTitleText(title);
    chart.addAxis(time, Qt::AlignBottom);
    QObject::connect(&chart, &QChart::plotAreaChanged, time,
                     [time](const QRectF& area) { time->setPixelWidth(area.width()); });
    if (!chart.plotArea().isEmpty()) time->setPixelWidth(chart.plotArea().width());
    return time;
}

QValueAxis* addValueAxis(QChart& chart, const QString& title, const QColor& color,
                         Qt::Alignment side) {
    auto* axis = new QValueAxis;
    axis->setTitleText(title);
    axis->setLabelsColor(color);
    chart.addAxis(axis, side);
    return axis;
}

}  // namespace shell
