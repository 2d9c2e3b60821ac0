#include "tools/unitsim/logger.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "devlink/fields.h"

namespace unitsim {

namespace {

constexpr int kMinutesPerRecord = 15;

struct Civil {
    int year, month, day;
};

// The calendar date of a day counted from 1 January 1970.
Civil civilFromDays(long days) {
    days += 719468;
    const long era = (days >= 0 ? days : days - 146096) / 146097;
    const long dayOfEra = days - era * 146097;
    const long yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const long mp = (5 * dayOfYear + 2) / 153;
    const int day = static_cast<int>(dayOfYear - (153 * mp + 2) / 5 + 1);
    const int month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    const long year = yearOfEra + era * 400 + (month <= 2 ? 1 : 0);
    return {static_cast<int>(year), month, day};
}

// Typical value and daily swing of each variant's quantity.
void variantRange(int variant, double& base, double& swing) {
    switch (variant) {
        case 1:  // conductivity, µS/cm
            base = 850.0, swing = 60.0;
            break;
        case 3:  // redox, mV
            base = 650.0, swing = 40.0;
            break;
        case 4:  // chlorine, mg/l
        case 6:  // chlorine dioxide, mg/l
            base = 0.35, swing = 0.12;
            break;
        case 5:  // ozone, mg/l
            base = 0.20, swing = 0.08;
            break;
        default:  // pH
            base = 7.2, swing = 0.3;
            break;
    }
}

}  // namespace

std::string encodeLoggerEntry(const LoggerEntry& entry) {
    return devlink::encodeWord16(entry.number) + devlink::encodeFloat(entry.value) +
           devlink::encodeFloat(entry.temperature) +
           devlink::encodeByte(static_cast<std::uint32_t>(entry.hour)) +
           devlink::encodeByte(static_cast<std::uint32_t>(entry.minute)) +
           devlink::encodeByte(static_cast<std::uint32_t>(entry.day)) +
           devlink::encodeByte(static_cast<std::uint32_t>(entry.month)) +
           devlink::encodeByte(static_cast<std::uint32_t>(entry.year)) + "00";
}

LoggerEntry generatedEntry(std::size_t index, int variant) {
    constexpr long kStartDay = 14396;  // 1 June 2009
    const long minutes = static_cast<long>(index) * kMinutesPerRecord;
    const Civil date = civilFromDays(kStartDay + minutes / 1440);
    const double dayAngle = 2.0 * std::numbers::pi * static_cast<double>(minutes % 1440) / 1440.0;
    double base = 0.0, swing = 0.0;
    variantRange(variant, base, swing);

    LoggerEntry entry;
    entry.number = static_cast<std::uint16_t>((index + 1) & 0xFFFF);
    entry.value = static_cast<float>(base + swing * std::sin(dayAngle) +
                                     swing * 0.1 * std::sin(static_cast<double>(index) * 0.7));
    // Every fourth day the sensor is off for ten hours.
    const bool sensorOff = (index / 40) % 10 == 7;
    entry.temperature =
        sensorOff ? -1.0f
                  : static_cast<float>(std::round((18.0 - 3.0 * std::cos(dayAngle)) * 10.0) / 10.0);
    entry.hour = static_cast<int>(minutes % 1440 / 60);
    entry.minute = static_cast<int>(minutes % 60);
    entry.day = date.day;
    entry.month = date.month;
    entry.year = date.year % 100;
    return entry;
}

void DataLogger::fill(std::size_t count, int variant) {
    count = std::min(count, kMaxRecords);
    std::string data;
    data.reserve(count * 32);
    for (std::size_t i = 0; i < count; ++i) data += encodeLoggerEntry(generatedEntry(i, variant));
    setData(std::move(data));
}

void DataLogger::setData(std::string data) {
    data_ = std::move(data);
    next_ = 0;
}

void DataLogger::clear() {
    setData({});
}

Reply DataLogger::countReply() {
    restart();
    const std::uint32_t bytes =
        announced_ ? *announced_ : static_cast<std::uint32_t>(data_.size() / 2);
    return Reply{"DFL|" + devlink::encodeWord32(bytes) + "|"};
}

Reply DataLogger::blockReply() {
    const std::size_t from = std::min(next_, data_.size());
    const std::size_t length = std::min(kBlockChars, data_.size() - from);
    next_ = from + length;
    const bool more = endless_ || next_ < data_.size();
    const std::string block = data_.substr(from, length);
    if (!more) restart();  // the next readout starts afresh
    return Reply{(more ? " FI|" : "DFI|") + block + "|"};
}

}  // namespace unitsim
