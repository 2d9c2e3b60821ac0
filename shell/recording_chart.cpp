#include "shell/recording_chart.h"

#include <QChart>
#include <QLegend>
#include <QValueAxis>
#include <algorithm>
#include <cmath>
#include <limits>

#include "shell/chart_parts.h"
#include "shell/time_ticks.h"
#include "shell/trend_curve.h"
#include "shell/wall_clock_axis.h"

namespace shell {

namespace {

const QColor kPalette[] = {{31, 78, 140},  {198, 40, 40}, {46, 125, 50}, {239, 108, 0},
                           {106, 27, 154}, {0, 131, 143}, {121, 85, 72}, {84, 110, 122}};
// A step line's height and the room between two of them.
constexpr double kStepPitch = 1.5;
// Readings of one moment still get a readable stretch of time around them.
constexpr double kShortestRangeMs = 10 * kMinuteMs;

QColor colourOf(std::size_t index) {
    return kPalette[index % (sizeof kPalette / sizeof kPalette[0])];
}

void setTimeRange(QValueAxis* time, const files::RecordingContent& content) {
    double from = 0, to = kDayMs;
    if (!content.rows.empty()) {
        from = readingMs(content.rows.front().time);
        to = readingMs(content.rows.back().time);
        if (from > to) std::swap(from, to);
    }
    if (to - from < kShortestRangeMs) {
        const double middle = (from + to) / 2;
        from = middle - kShortestRangeMs / 2, to = middle + kShortestRangeMs / 2;
    }
    time->setRange(from, to);
}

// A value as a line; a reading without the value breaks it.
std::vector<QPointF> valueLine(const files::RecordingContent& content, std::size_t column,
                               double& low, double& high) {
    std::vector<QPointF> line;
    line.reserve(content.rows.size());
    low = 1e300, high = -1e300;
    for (const files::RecordingRow& row : content.rows) {
        const double value = row.values[column];
        line.emplace_back(readingMs(row.time), value);
        if (std::isfinite(value)) low = std::min(low, value), high = std::max(high, value);
    }
    return line;
}

// A 0/1 column as a step line at its level: the value holds until the
// reading that changes it.
std::vector<QPointF> stepLine(const files::RecordingContent& content, std::size_t column,
                              double base) {
    std::vector<QPointF> line;
    line.reserve(2 * content.rows.size());
    double previous = std::numeric_limits<double>::quiet_NaN();
    for (const files::RecordingRow& row : content.rows) {
        const double at = readingMs(row.time);
        const double value = row.values[column];
        if (std::isfinite(previous) && std::isfinite(value) && value != previous)
            line.emplace_back(at, base + previous);
        line.emplace_back(at, std::isfinite(value) ? base + value : value);
        previous = value;
    }
    return line;
}

}  // namespace

double readingMs(const files::WallTime& t) {
    return wallClockMs(t.year, t.month, t.day, t.hour, t.minute) + t.second * 1000.0;
}

bool isStepColumn(const files::RecordingContent& content, std::size_t column) {
    bool any = false;
    for (const files::RecordingRow& row : content.rows) {
        const double value = row.values[column];
        if (std::isnan(value)) continue;
        if (value != 0.0 && value != 1.0) return false;
        any = true;
    }
    return any;
}

void fillRecordingChart(QChart& chart, const files::RecordingContent& content,
                        const std::vector<std::size_t>& chosen, bool english) {
    clearChart(chart);
    WallClockAxis* time = addTimeAxis(chart, english ? "date and time" : "Datum und Uhrzeit");
    setTimeRange(time, content);
    std::vector<std::size_t> steps;
    for (std::size_t column : chosen)
        if (column < content.columns.size() && isStepColumn(content, column))
            steps.push_back(column);
    QValueAxis* stepAxis = nullptr;
    if (!steps.empty()) {
        stepAxis =
            addValueAxis(chart, english ? "on / off" : "ein / aus", Qt::black, Qt::AlignRight);
        stepAxis->setRange(-0.25, kStepPitch * static_cast<double>(steps.size()) - 0.25);
        stepAxis->setLabelsVisible(false);
        stepAxis->setGridLineVisible(false);
        stepAxis->setLineVisible(false);
        stepAxis->setTickCount(2);
    }
    std::size_t drawn = 0, values = 0;
    for (std::size_t column : chosen) {
        if (column >= content.columns.size()) continue;
        const QString name = QString::fromStdString(content.columns[column]);
        const QColor colour = colourOf(drawn++);
        const auto step = std::find(steps.begin(), steps.end(), column);
        if (step != steps.end()) {
            const double base = kStepPitch * static_cast<double>(step - steps.begin());
            addLegendEntry(chart, name, colour, time, stepAxis);
            new TrendCurveItem(chart, time, stepAxis, stepLine(content, column, base),
                               linePen(colour));
            continue;
        }
        double low = 0, high = 0;
        std::vector<QPointF> line = valueLine(content, column, low, high);
        QValueAxis* axis =
            addValueAxis(chart, name, colour, values++ % 2 == 0 ? Qt::AlignLeft : Qt::AlignRight);
        fitAxis(axis, low, high);
        addLegendEntry(chart, name, colour, time, axis);
        new TrendCurveItem(chart, time, axis, std::move(line), linePen(colour));
    }
}

QList<TrendCurveItem*> recordingCurves(const QChart& chart) {
    QList<TrendCurveItem*> curves;
    for (QGraphicsItem* item : chart.childItems())
        if (auto* curve = dynamic_cast<TrendCurveItem*>(item)) curves.append(curve);
    return curves;
}

}  // namespace shell
