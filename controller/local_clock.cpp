#include "controller/local_clock.h"

namespace controller {

namespace {

// Two decimal digits with a leading zero; a value outside 0..99 keeps its
// last two digits, so a field never grows.
std::string twoDigits(int value) {
    const int n = ((value % 100) + 100) % 100;
    return {static_cast<char>('0' + n / 10), static_cast<char>('0' + n % 10)};
}

}  // namespace

std::tm systemLocalTime() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local;
}

std::string dateDigits(const std::tm& moment) {
    return twoDigits(moment.tm_mday) + twoDigits(moment.tm_mon + 1) + twoDigits(moment.tm_year);
}

std::string timeDigits(const std::tm& moment) {
    return twoDigits(moment.tm_hour) + twoDigits(moment.tm_min);
}

}  // namespace controller
