#include "controller/history_record.h"

#include <algorithm>

#include "devlink/fields.h"

namespace controller {

namespace {

constexpr std::size_t kHead = 4;            // "DHI|", "DEI|"
constexpr std::size_t kStatusTrailer = 7;   // three characters, "|", checksum, end byte
constexpr std::size_t kClosingTrailer = 4;  // "|", checksum, end byte

int byteAt(std::string_view data, std::size_t column, std::size_t i) {
    return devlink::decodeByte(data, column + 2 * i);
}

std::string upToBar(std::string_view data) {
    return std::string(data.substr(0, data.find('|')));
}

// How many fields of `width` characters, starting at `column`, the data hold.
std::size_t fieldsHeld(std::size_t size, std::size_t column, std::size_t width) {
    return size < column ? 0 : (size - column) / width;
}

bool isHexDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F');
}

}  // namespace

std::string statusHistoryData(std::string_view answer) {
    if (answer.size() <= kHead + kStatusTrailer) return {};
    return upToBar(answer.substr(kHead, answer.size() - kHead - kStatusTrailer));
}

std::string errorHistoryData(std::string_view answer) {
    if (answer.size() <= kHead + kClosingTrailer) return {};
    const std::size_t available = answer.size() - kHead - kClosingTrailer;
    return upToBar(answer.substr(kHead, std::min(kErrorHistoryChars, available)));
}

std::size_t completeRecords(std::string_view data, const HistoryLayout& layout) {
    const std::size_t size = data.size();
    std::size_t held = std::min(kHistorySlots, fieldsHeld(size, layout.codes, 8));
    if (layout.withdrawals != 0) held = std::min(held, fieldsHeld(size, layout.withdrawals, 8));
    for (const std::size_t column :
         {layout.hours, layout.minutes, layout.days, layout.months, layout.years})
        held = std::min(held, fieldsHeld(size, column, 2));
    return held;
}

std::vector<HistoryEntry> decodeHistory(std::string_view data, const HistoryLayout& layout,
                                        std::size_t count) {
    std::vector<HistoryEntry> entries;
    count = std::min(count, completeRecords(data, layout));
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

HistoryRecords historyRecords(std::string_view data, const HistoryLayout& layout,
                              std::size_t limit) {
    HistoryRecords history;
    history.counted = data.size() >= 2 && isHexDigit(data[0]) && isHexDigit(data[1]);
    if (!history.counted) return history;
    history.announced = devlink::decodeByte(data, 0);
    history.sent = completeRecords(data, layout);
    const std::size_t wanted = limit != 0 ? std::min(history.announced, limit) : history.announced;
    history.entries = decodeHistory(data, layout, wanted);
    history.cut = history.entries.size() < wanted;
    return history;
}

}  // namespace controller
