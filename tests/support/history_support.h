// Status and error history answers as a unit sends them, built from a few
// records, for the list tests.
#pragma once

#include <cstdint>
#include <ctime>
#include <string>
#include <vector>

#include "devlink/fields.h"
#include "devlink/telegram.h"

namespace testsupport {

struct LogRecord {
    std::uint32_t code;
    double litres;
    int day, month, year, hour, minute;
};

// Count, 20 codes, for the status history 20 withdrawals, then 20 hours,
// minutes, days, months and years; unused slots are zeros.
inline std::string logData(int count, const std::vector<LogRecord>& records, bool status) {
    std::string data = devlink::encodeByte(static_cast<std::uint32_t>(count));
    data.resize(status ? 522 : 362, '0');
    const std::size_t hours = status ? 322 : 162;
    for (std::size_t i = 0; i < records.size(); ++i) {
        const LogRecord& r = records[i];
        devlink::putField(data, 2 + 8 * i, devlink::encodeWord32(r.code));
        if (status) devlink::putField(data, 162 + 8 * i, devlink::encodeFloat(r.litres));
        const int columns[] = {r.hour, r.minute, r.day, r.month, r.year};
        for (std::size_t c = 0; c < 5; ++c)
            devlink::putField(data, hours + 40 * c + 2 * i,
                              devlink::encodeByte(static_cast<std::uint32_t>(columns[c])));
    }
    return data;
}

// head ("DHI|", " HI|", "DEI|") + data + "|00|", checksum and end byte.
inline std::string logAnswer(const std::string& head, const std::string& data) {
    return devlink::frameRequest(head + data + "|00|");
}

inline std::tm moment(int year, int month, int day, int hour, int minute, int second = 0) {
    std::tm t{};
    t.tm_year = year - 1900;
    t.tm_mon = month - 1;
    t.tm_mday = day;
    t.tm_hour = hour;
    t.tm_min = minute;
    t.tm_sec = second;
    return t;
}

}  // namespace testsupport
