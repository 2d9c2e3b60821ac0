// The time axis of the trend charts counts wall-clock time as it was
// written: the measuring unit's logger writes its local date and time into
// each record, a recording the PC's local time of each reading, and the
// charts show them as they are. The times are milliseconds since 1 January 1970,
// 00:00 in days of exactly 24 hours, so no time zone of the PC and no
// daylight-saving change ever moves a point or a label.
#pragma once

#include <QString>
#include <vector>

namespace shell {

inline constexpr double kMinuteMs = 60'000.0;
inline constexpr double kHourMs = 60 * kMinuteMs;
inline constexpr double kDayMs = 24 * kHourMs;

// The wall-clock time of a date (four-digit year) and time of day.
double wallClockMs(int year, int month, int day, int hour, int minute);

// "dd.MM.yy hh:mm" (or "dd.MM.yy" without the time) of a wall-clock time,
// to the minute below it.
QString wallClockText(double ms, bool withTime = true);

struct TimeTick {
    double ms = 0.0;
    QString label;
    bool operator==(const TimeTick&) const = default;
};

// The ticks between fromMs and toMs (both included) on whole minutes,
// hours, days (weeks from Mondays), first days of months or years: the
// finest of those steps that gives no more than maxTicks ticks. Labels carry
// the time of day when the step is shorter than a day.
std::vector<TimeTick> timeTicks(double fromMs, double toMs, int maxTicks);

}  // namespace shell
