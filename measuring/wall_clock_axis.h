// The trend chart's time axis: labels on whole minutes, hours, days or
// months of the logger's wall-clock time (see time_ticks.h), chosen anew
// whenever the range or the width of the plot changes, so zooming in gives
// finer ticks. Labels are drawn at their tick; a range narrower than a few
// minutes is widened, since the records carry no seconds.
#pragma once

#include <QCategoryAxis>
#include <vector>

#include "measuring/time_ticks.h"

namespace measuring {

class WallClockAxis : public QCategoryAxis {
    Q_OBJECT
  public:
    static constexpr double kNarrowestSpanMs = 10 * kMinuteMs;

    explicit WallClockAxis(QObject* parent = nullptr);

    // The width of the plot in pixels: how many labels fit side by side.
    void setPixelWidth(double width);
    const std::vector<TimeTick>& ticks() const { return ticks_; }

  private:
    void relabel();
    void keepWideEnough();
    int ticksThatFit() const;

    double pixelWidth_ = 600.0;
    std::vector<TimeTick> ticks_;
};

}  // namespace measuring
