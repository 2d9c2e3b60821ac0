#include "measuring/trend_chart.h"

#include <QChart>
#include <QDateTime>
#include <QLineSeries>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

#include "measuring/value_recording.h"
#include "shell/chart_parts.h"
#include "shell/time_ticks.h"
#include "shell/trend_curve.h"
#include "shell/wall_clock_axis.h"

namespace measuring {

using shell::addLegendEntry;
using shell::addValueAxis;
using shell::fitAxis;
using shell::kDayMs;
using shell::kHourMs;
using shell::linePen;
using shell::TrendCurveItem;
using shell::WallClockAxis;
using shell::wallClockMs;

namespace {

const QColor kValueColor(31, 78, 140);
const QColor kTemperatureColor(198, 40, 40);
// A readout of one moment still gets a readable stretch of time around it.
constexpr double kShortestRangeMs = kHourMs;

double timeOf(const CsvPoint& p) {
    return wallClockMs(p.year, p.month, p.day, p.hour, p.minute);
}

void setTimeRange(QValueAxis* time, const std::vector<QPointF>& line) {
    double from = 0, to = 0;
    if (line.empty()) {
        const QDateTime now = QDateTime::currentDateTime();  // the PC's wall clock
        to = wallClockMs(now.date().year(), now.date().month(), now.date().day(), 0, 0) + kDayMs;
        from = to - kDayMs;
    } else {
        from = line.front().x(), to = line.back().x();
    }
    if (to - from < kShortestRangeMs) {
        const double middle = (from + to) / 2;
        from = middle - kShortestRangeMs / 2, to = middle + kShortestRangeMs / 2;
    }
    time->setRange(from, to);
}

}  // namespace

Quantity quantityOf(char variant) {
    const QuantityName quantity = quantityName(variant);
    return {QString::fromUtf8(quantity.name), QString::fromUtf8(quantity.unit)};
}

QString axisTitle(const Quantity& quantity) {
    return quantity.unit.isEmpty() ? quantity.name : quantity.name + " [" + quantity.unit + "]";
}

void fillTrendChart(QChart& chart, const std::vector<CsvPoint>& filePoints, char variant) {
    std::vector<CsvPoint> points = filePoints;
    std::stable_sort(points.begin(), points.end(),
                     [](const CsvPoint& a, const CsvPoint& b) { return timeOf(a) < timeOf(b); });
    shell::clearChart(chart);
    const Quantity quantity = quantityOf(variant);
    WallClockAxis* time = shell::addTimeAxis(chart, "Datum und Uhrzeit");
    QValueAxis* values = addValueAxis(chart, axisTitle(quantity), kValueColor, Qt::AlignLeft);
    const QString temperatureName = QString::fromUtf8("Temperatur [\u00B0C]");
    QValueAxis* temperatures =
        addValueAxis(chart, temperatureName, kTemperatureColor, Qt::AlignRight);

    std::vector<QPointF> valueLine, temperatureLine;
    valueLine.reserve(points.size());
    temperatureLine.reserve(points.size());
    double low = 1e300, high = -1e300, coolest = 1e300, warmest = -1e300;
    for (const CsvPoint& p : points) {
        const double at = timeOf(p);
        valueLine.emplace_back(at, p.value);
        low = std::min(low, p.value), high = std::max(high, p.value);
        const bool measured = p.temperature != -1.0;
        temperatureLine.emplace_back(at, measured ? p.temperature : std::nan(""));
        if (measured)
            coolest = std::min(coolest, p.temperature), warmest = std::max(warmest, p.temperature);
    }
    addLegendEntry(chart, axisTitle(quantity), kValueColor, time, values);
    if (coolest <= warmest)
        addLegendEntry(chart, temperatureName, kTemperatureColor, time, temperatures);
    fitAxis(values, low, high);
    fitAxis(temperatures, coolest, warmest);
    setTimeRange(time, valueLine);
    new TrendCurveItem(chart, time, values, std::move(valueLine), linePen(kValueColor));
    if (coolest <= warmest)
        new TrendCurveItem(chart, time, temperatures, std::move(temperatureLine),
                           linePen(kTemperatureColor));
}

QList<TrendCurveItem*> trendCurves(const QChart& chart) {
    QList<TrendCurveItem*> curves;
    for (QGraphicsItem* item : chart.childItems())
        if (auto* curve = dynamic_cast<TrendCurveItem*>(item)) curves.append(curve);
    return curves;
}

}  // namespace measuring
