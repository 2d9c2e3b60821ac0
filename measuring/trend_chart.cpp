#include "measuring/trend_chart.h"

#include <QChart>
#include <QDateTime>
#include <QDateTimeAxis>
#include <QLegendMarker>
#include <QLineSeries>
#include <QScatterSeries>
#include <QValueAxis>
#include <algorithm>

namespace measuring {

namespace {

const QColor kValueColor(31, 78, 140);
const QColor kTemperatureColor(198, 40, 40);

double timeOf(const CsvPoint& p) {
    // The logger's own wall-clock time, shown as it is: no time zone, no
    // daylight-saving jump.
    const QDateTime time(QDate(p.year, p.month, p.day), QTime(p.hour, p.minute), Qt::UTC);
    return static_cast<double>(time.toMSecsSinceEpoch());
}

// The axis range of values, with a margin, never empty.
void fitAxis(QValueAxis* axis, double low, double high) {
    if (low > high) low = 0.0, high = 1.0;
    const double margin = high > low ? (high - low) * 0.05 : std::max(1.0, std::abs(low) * 0.05);
    axis->setRange(low - margin, high + margin);
    axis->applyNiceNumbers();
}

QLineSeries* newLine(const QString& name, const QColor& color) {
    auto* series = new QLineSeries;
    series->setName(name);
    QPen pen(color);
    pen.setWidthF(1.5);
    series->setPen(pen);
    return series;
}

void attach(QChart& chart, QAbstractSeries* series, QAbstractAxis* x, QAbstractAxis* y) {
    chart.addSeries(series);
    series->attachAxis(x);
    series->attachAxis(y);
}

void addTemperature(QChart& chart, const std::vector<CsvPoint>& points, QAbstractAxis* x,
                    QValueAxis* y) {
    double low = 1e300, high = -1e300;
    auto pointAt = [&](int i) {
        const CsvPoint& p = points[static_cast<std::size_t>(i)];
        low = std::min(low, p.temperature), high = std::max(high, p.temperature);
        return QPointF(timeOf(p), p.temperature);
    };
    const QString name = QString::fromUtf8("Temperatur [\u00B0C]");
    QList<QPointF> alone;  // stretches of a single point: no line to draw
    bool named = false;
    for (const auto& [first, last] : temperatureRuns(points)) {
        if (first == last) {
            alone.append(pointAt(first));
            continue;
        }
        QLineSeries* series = newLine(name, kTemperatureColor);
        QList<QPointF> line;
        for (int i = first; i <= last; ++i) line.append(pointAt(i));
        series->append(line);
        attach(chart, series, x, y);
        // One legend entry for all the pieces of the temperature line.
        for (QLegendMarker* marker : chart.legend()->markers(series)) marker->setVisible(!named);
        named = true;
    }
    if (!alone.isEmpty()) {
        auto* series = new QScatterSeries;
        series->setName(name);
        series->setColor(kTemperatureColor);
        series->setBorderColor(kTemperatureColor);
        series->setMarkerSize(5);
        series->append(alone);
        attach(chart, series, x, y);
        for (QLegendMarker* marker : chart.legend()->markers(series)) marker->setVisible(!named);
    }
    fitAxis(y, low, high);
}

}  // namespace

Quantity quantityOf(char variant) {
    switch (variant) {
        case '1':
            return {QString::fromUtf8("Leitf\u00E4higkeit"), QString::fromUtf8("\u00B5S/cm")};
        case '2':
            return {"pH-Wert", ""};
        case '3':
            return {"Redoxpotential", "mV"};
        case '4':
            return {"Chlor", "mg/l"};
        case '5':
            return {"Ozon", "mg/l"};
        case '6':
            return {"Chlordioxid", "mg/l"};
        default:
            return {"Messwert", ""};
    }
}

QString axisTitle(const Quantity& quantity) {
    return quantity.unit.isEmpty() ? quantity.name : quantity.name + " [" + quantity.unit + "]";
}

QVector<QPair<int, int>> temperatureRuns(const std::vector<CsvPoint>& points) {
    QVector<QPair<int, int>> runs;
    int first = -1;
    for (int i = 0; i <= static_cast<int>(points.size()); ++i) {
        const bool has = i < static_cast<int>(points.size()) &&
                         points[static_cast<std::size_t>(i)].temperature != -1.0;
        if (has && first < 0) first = i;
        if (!has && first >= 0) {
            runs.append({first, i - 1});
            first = -1;
        }
    }
    return runs;
}

void fillTrendChart(QChart& chart, const std::vector<CsvPoint>& filePoints, char variant) {
    std::vector<CsvPoint> points = filePoints;
    std::stable_sort(points.begin(), points.end(),
                     [](const CsvPoint& a, const CsvPoint& b) { return timeOf(a) < timeOf(b); });
    chart.removeAllSeries();
    for (QAbstractAxis* axis : chart.axes()) {
        chart.removeAxis(axis);
        delete axis;
    }
    auto* time = new QDateTimeAxis;
    time->setFormat("dd.MM.yy hh:mm");
    time->setTitleText("Datum und Uhrzeit");
    time->setTickCount(7);
    const Quantity quantity = quantityOf(variant);
    auto* values = new QValueAxis;
    values->setTitleText(axisTitle(quantity));
    values->setLabelsColor(kValueColor);
    auto* temperatures = new QValueAxis;
    temperatures->setTitleText(QString::fromUtf8("Temperatur [\u00B0C]"));
    temperatures->setLabelsColor(kTemperatureColor);
    chart.addAxis(time, Qt::AlignBottom);
    chart.addAxis(values, Qt::AlignLeft);
    chart.addAxis(temperatures, Qt::AlignRight);

    QLineSeries* measured = newLine(axisTitle(quantity), kValueColor);
    QList<QPointF> line;
    line.reserve(static_cast<qsizetype>(points.size()));
    double low = 1e300, high = -1e300;
    for (const CsvPoint& p : points) {
        line.append(QPointF(timeOf(p), p.value));
        low = std::min(low, p.value), high = std::max(high, p.value);
    }
    measured->append(line);
    attach(chart, measured, time, values);
    fitAxis(values, low, high);
    addTemperature(chart, points, time, temperatures);
    if (points.empty()) {
        const QDateTime now = QDateTime::currentDateTimeUtc();
        time->setRange(now.addDays(-1), now);
    } else {
        time->setRange(
            QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(line.front().x()), Qt::UTC),
            QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(line.back().x()), Qt::UTC));
    }
}

}  // namespace measuring
