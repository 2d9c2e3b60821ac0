// The trend chart of a data-logger CSV: the measured value (left axis, in
// the variant's unit) and the temperature (right axis, °C) over date and
// time. A record without temperature breaks the temperature line. Times are
// the logger's wall-clock times, shown as the unit wrote them.
#pragma once

#include <QList>
#include <QString>

#include "measuring/csv_reader.h"

class QChart;

namespace shell {
class TrendCurveItem;
}

namespace measuring {

struct Quantity {
    QString name;  // "Leitfähigkeit"
    QString unit;  // "µS/cm", empty for pH
};

// The measured quantity of a unit variant "1" to "6"; a plain "Messwert"
// for any other.
Quantity quantityOf(char variant);

// "Leitfähigkeit [µS/cm]", "pH-Wert", "Messwert".
QString axisTitle(const Quantity& quantity);

// Replaces everything in chart by the trend of the points, put in time order.
void fillTrendChart(QChart& chart, const std::vector<CsvPoint>& points, char variant);

// The lines fillTrendChart drew: the measured value, then the temperature
// when any record has one.
QList<shell::TrendCurveItem*> trendCurves(const QChart& chart);

}  // namespace measuring
