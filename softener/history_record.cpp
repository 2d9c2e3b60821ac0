#include "softener/history_record.h"

#include <algorithm>

#include "devlink/fields.h"

namespace softener {

namespace {

constexpr std::size_t kHead = 4;            // "DHI|", "DEI|"
constexpr std::size_t kStatusTrailer = 7;   // three characters, "|", checksum, end byte
constexpr std::size_t kClosingTrailer = 4;  // "|", checksum, end byte

int byteAt(std::string_view data, std::size_t column, std::size_t i) {
    return devlink::decodeByte(data, column + 2 * i);
}

}  // namespace

std::string statusHistoryData(std::string_view answer) {
    if (answer.size() <= kHead + kStatusTrailer) return {};
    return std::string(answer.substr(kHead, answer.size() - kHead - kStatusTrailer));
}

std::string errorHistoryData(std::string_view answer) {
    if (answer.size() <= kHead + kClosingTrailer) return {};
    const std::size_t available = answer.size() - kHead - kClosingTrailer;
    return std::string(answer.substr(kHead, std::min(kErrorHistoryChars, available)));
}

std::size_t historyCount(std::string_view data, std::size_t limit) {
    std::size_t count = std::min<std::size_t>(devlink::decodeByte(data, 0), kHistorySlots);
    if (limit != 0) count = std::min(count, limit);
    return count;
}

std::vector<HistoryEntry> decodeHistory(std::string_view data, const HistoryLayout& layout,
                                        std::size_t count) {
    std::vector<HistoryEntry> entries;
    count = std::min(count, kHistorySlots);
    for (std::size_t i = 0; i < count; ++i) {
        HistoryEntry entry;
        entry.code = devlink::decodeWord32(data, layout.codes + 8 * i);
        if (layout.withdrawals != 0)
            entry.withdrawal = devlink::decodeFloat(data, layout.withdrawals + 8 * i);
        entry.hour = byteAt(data, layout.hours, i);
        entry.minute = byteAt(data, layout.minutes, i);
        entry.day = byteAt(data, layout.days, i);
        entry.month = byteAt(data, layout.months, i);
        entry.year = byteAt(data, layout.years, i);
        entries.push_back(entry);
    }
    return entries;
}

}  // namespace softener
