#include "shell/wall_clock_axis.h"

#include <QFontMetricsF>
#include <QTimer>
#include <algorithm>

namespace shell {

WallClockAxis::WallClockAxis(QObject* parent) : QCategoryAxis(parent) {
    setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    connect(this, &QValueAxis::rangeChanged, this, [this] {
        relabel();
        // Widened after the zoom that narrowed it has finished.
        if (max() - min() < kNarrowestSpanMs)
            QTimer::singleShot(0, this, [this] { keepWideEnough(); });
    });
}

void WallClockAxis::setPixelWidth(double width) {
    if (width <= 0 || width == pixelWidth_) return;
    pixelWidth_ = width;
    relabel();
}

// As many labels as fit with room between them; the chart shortens a label
// that gets less than its width to "...".
int WallClockAxis::ticksThatFit() const {
    const QFontMetricsF metrics(labelsFont());
    const double label = metrics.horizontalAdvance(QStringLiteral("00.00.00 00:00")) + 24.0;
    return std::max(1, static_cast<int>(pixelWidth_ / label) - 1);
}

void WallClockAxis::relabel() {
    std::vector<TimeTick> ticks = timeTicks(min(), max(), ticksThatFit());
    if (ticks == ticks_) return;
    ticks_ = std::move(ticks);
    for (const QString& label : categoriesLabels()) remove(label);
    // Each category ends at its tick, where its label is drawn; the first
    // starts left of the range, so no tick is drawn at the left edge.
    setStartValue(std::min(min(), ticks_.empty() ? min() : ticks_.front().ms) - 1.0);
    for (const TimeTick& tick : ticks_) append(tick.label, tick.ms);
}

void WallClockAxis::keepWideEnough() {
    if (max() - min() >= kNarrowestSpanMs) return;
    const double centre = (min() + max()) / 2;
    setRange(centre - kNarrowestSpanMs / 2, centre + kNarrowestSpanMs / 2);
}

}  // namespace shell
