#include "shell/time_ticks.h"

#include <QDate>
#include <cmath>

namespace shell {

namespace {

const qint64 kEpochJulianDay = QDate(1970, 1, 1).toJulianDay();
// 5 January 1970 was a Monday: weeks start there.
constexpr double kFirstMondayMs = 4 * kDayMs;

struct Step {
    enum Unit { Fixed, Months } unit;
    double ms;      // Fixed: the length of the step
    int months;     // Months: months per step (12: a year)
    double origin;  // Fixed: a time on which ticks fall
};

const Step kSteps[] = {
    {Step::Fixed, 1 * kMinuteMs, 0, 0},
    {Step::Fixed, 2 * kMinuteMs, 0, 0},
    {Step::Fixed, 5 * kMinuteMs, 0, 0},
    {Step::Fixed, 10 * kMinuteMs, 0, 0},
    {Step::Fixed, 15 * kMinuteMs, 0, 0},
    {Step::Fixed, 30 * kMinuteMs, 0, 0},
    {Step::Fixed, 1 * kHourMs, 0, 0},
    {Step::Fixed, 2 * kHourMs, 0, 0},
    {Step::Fixed, 3 * kHourMs, 0, 0},
    {Step::Fixed, 6 * kHourMs, 0, 0},
    {Step::Fixed, 12 * kHourMs, 0, 0},
    {Step::Fixed, 1 * kDayMs, 0, 0},
    {Step::Fixed, 2 * kDayMs, 0, 0},
    {Step::Fixed, 7 * kDayMs, 0, kFirstMondayMs},
    {Step::Fixed, 14 * kDayMs, 0, kFirstMondayMs},
    {Step::Months, 0, 1, 0},
    {Step::Months, 0, 2, 0},
    {Step::Months, 0, 3, 0},
    {Step::Months, 0, 6, 0},
    {Step::Months, 0, 12, 0},
    {Step::Months, 0, 24, 0},
    {Step::Months, 0, 60, 0},
    {Step::Months, 0, 120, 0},
};

QDate dateOf(double ms) {
    return QDate::fromJulianDay(kEpochJulianDay + static_cast<qint64>(std::floor(ms / kDayMs)));
}

std::vector<double> fixedTicks(const Step& step, double fromMs, double toMs, int limit) {
    std::vector<double> ticks;
    const double first = std::ceil((fromMs - step.origin) / step.ms) * step.ms + step.origin;
    for (double at = first; at <= toMs; at += step.ms) {
        if (static_cast<int>(ticks.size()) > limit) break;
        ticks.push_back(at);
    }
    return ticks;
}

// First days of months whose number since January 1970 is a multiple of the step.
std::vector<double> monthTicks(const Step& step, double fromMs, double toMs, int limit) {
    std::vector<double> ticks;
    const QDate from = dateOf(fromMs);
    int index = (from.year() - 1970) * 12 + from.month() - 1;
    index -= ((index % step.months) + step.months) % step.months;
    for (;; index += step.months) {
        const int years = index >= 0 ? index / 12 : -((11 - index) / 12);
        const double at = wallClockMs(1970 + years, index - years * 12 + 1, 1, 0, 0);
        if (at > toMs || static_cast<int>(ticks.size()) > limit) break;
        if (at >= fromMs) ticks.push_back(at);
    }
    return ticks;
}

std::vector<double> ticksOf(const Step& step, double fromMs, double toMs, int limit) {
    return step.unit == Step::Fixed ? fixedTicks(step, fromMs, toMs, limit)
                                    : monthTicks(step, fromMs, toMs, limit);
}

}  // namespace

double wallClockMs(int year, int month, int day, int hour, int minute) {
    const qint64 days = QDate(year, month, day).toJulianDay() - kEpochJulianDay;
    return static_cast<double>(days) * kDayMs + hour * kHourMs + minute * kMinuteMs;
}

QString wallClockText(double ms, bool withTime) {
    const QDate date = dateOf(ms);
    const QString day =
        QString::asprintf("%02d.%02d.%02d", date.day(), date.month(), date.year() % 100);
    if (!withTime) return day;
    const auto minutes =
        static_cast<qint64>(std::floor((ms - std::floor(ms / kDayMs) * kDayMs) / kMinuteMs));
    return day + QString::asprintf(" %02d:%02d", static_cast<int>(minutes / 60),
                                   static_cast<int>(minutes % 60));
}

std::vector<TimeTick> timeTicks(double fromMs, double toMs, int maxTicks) {
    maxTicks = std::max(maxTicks, 1);
    std::vector<double> chosen;
    bool withTime = true;
    for (const Step& step : kSteps) {
        chosen = ticksOf(step, fromMs, toMs, maxTicks);
        withTime = step.unit == Step::Fixed && step.ms < kDayMs;
        if (static_cast<int>(chosen.size()) <= maxTicks) break;
    }
    if (static_cast<int>(chosen.size()) > maxTicks)
        chosen.resize(static_cast<std::size_t>(maxTicks));
    std::vector<TimeTick> ticks;
    ticks.reserve(chosen.size());
    for (double at : chosen) ticks.push_back({at, wallClockText(at, withTime)});
    return ticks;
}

}  // namespace shell
