#include "tools/unitsim/unit_clock.h"

#include <cmath>

namespace unitsim {

namespace {

bool twoDigits(std::string_view digits, std::size_t at, int low, int high, int& value) {
    const char a = digits[at], b = digits[at + 1];
    if (a < '0' || a > '9' || b < '0' || b > '9') return false;
    value = (a - '0') * 10 + (b - '0');
    return value >= low && value <= high;
}

}  // namespace

std::tm UnitClock::now(double secondsAgo) const {
    const std::time_t at =
        std::time(nullptr) + offset_ - static_cast<std::time_t>(std::llround(secondsAgo));
    std::tm local{};
    localtime_r(&at, &local);
    return local;
}

bool UnitClock::set(std::string_view digits) {
    if (digits.size() != 10) return false;
    std::tm moment{};
    int year = 0;
    if (!twoDigits(digits, 0, 1, 31, moment.tm_mday) ||
        !twoDigits(digits, 2, 1, 12, moment.tm_mon) || !twoDigits(digits, 4, 0, 99, year) ||
        !twoDigits(digits, 6, 0, 23, moment.tm_hour) || !twoDigits(digits, 8, 0, 59, moment.tm_min))
        return false;
    const int day = moment.tm_mday;
    moment.tm_mon -= 1;
    moment.tm_year = 100 + year;
    moment.tm_isdst = -1;
    const std::time_t set = std::mktime(&moment);
    // 31 February and the like roll over into the next month: no such day.
    if (set == static_cast<std::time_t>(-1) || moment.tm_mday != day) return false;
    offset_ = set - std::time(nullptr);
    return true;
}

bool UnitClock::setFromRequest(std::string_view body) {
    return body.size() == 11 && body.back() == '|' && set(body.substr(0, 10));
}

std::tm daysBefore(const UnitClock& clock, int days, int hour, int minute) {
    std::tm moment = clock.now(days * 86400.0);
    moment.tm_hour = hour;
    moment.tm_min = minute;
    return moment;
}

}  // namespace unitsim
