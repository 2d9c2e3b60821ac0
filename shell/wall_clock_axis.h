// The trend chart's time axis: labels on whole minutes, hours, days or
// months of the wall-clock time as written (see time_ticks.h), chosen anew
// whenever the range or the width of the plot changes, so zooming in gives
// finer ticks. Labels are drawn at their tick; a range narrower than a few
// minutes is widened, since labels go no finer than minutes.
#pragma once

#include <QCategoryAxis>
#include <vector>

#include "shell/time_ticks.h"

namespace shell {

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

}  // namespace shell
