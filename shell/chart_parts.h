// What the trend charts build their charts from: a wall-clock time axis,
// value axes fitted to their values, legend entries for lines drawn as
// TrendCurveItems, and clearing a chart for new content.
#pragma once

#include <QColor>
#include <QPen>
#include <QString>

class QAbstractAxis;
class QChart;
class QValueAxis;

namespace shell {

class WallClockAxis;

QPen linePen(const QColor& color);
// The axis range of values from low to high, with a margin, never empty.
void fitAxis(QValueAxis* axis, double low, double high);
// A series without points that stands for a line in the legend and ties
// the line's axes together for zooming; the line itself is a TrendCurveItem.
void addLegendEntry(QChart& chart, const QString& name, const QColor& color, QAbstractAxis* x,
                    QAbstractAxis* y);
// Removes the lines, series and axes.
void clearChart(QChart& chart);
// The time axis along the bottom, relabelled as the plot's width changes.
WallClockAxis* addTimeAxis(QChart& chart, const QString& title);
QValueAxis* addValueAxis(QChart& chart, const QString& title, const QColor& color,
                         Qt::Alignment side);

}  // namespace shell
