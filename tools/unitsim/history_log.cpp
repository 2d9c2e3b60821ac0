#include "tools/unitsim/history_log.h"

#include <algorithm>

#include "devlink/fields.h"

namespace unitsim {

namespace {

constexpr std::size_t kSlots = 20;

// Two hex digits of every entry's value, then zeros for the empty slots.
template <typename Value>
std::string byteColumn(const std::deque<LoggedEvent>& entries, Value value) {
    std::string column;
    for (const LoggedEvent& event : entries)
        column += devlink::encodeByte(static_cast<std::uint32_t>(value(event)));
    column.resize(2 * kSlots, '0');
    return column;
}

}  // namespace

HistoryLog::HistoryLog(bool withLitres, std::size_t capacity)
    : withLitres_(withLitres), capacity_(std::min(capacity, kSlots)) {}

void HistoryLog::add(const LoggedEvent& event) {
    entries_.push_front(event);
    while (entries_.size() > capacity_) entries_.pop_back();
}

void HistoryLog::setRaw(std::string text) {
    if (text.empty())
        raw_.reset();
    else
        raw_ = std::move(text);
}

std::string HistoryLog::area() const {
    if (raw_) return *raw_;
    std::string codes, litres;
    for (const LoggedEvent& event : entries_) {
        codes += devlink::encodeWord32(event.code);
        litres += devlink::encodeFloat(event.litres);
    }
    codes.resize(8 * kSlots, '0');
    litres.resize(8 * kSlots, '0');
    std::string area = devlink::encodeByte(static_cast<std::uint32_t>(entries_.size())) + codes;
    if (withLitres_) area += litres;
    area += byteColumn(entries_, [](const LoggedEvent& e) { return e.when.tm_hour; });
    area += byteColumn(entries_, [](const LoggedEvent& e) { return e.when.tm_min; });
    area += byteColumn(entries_, [](const LoggedEvent& e) { return e.when.tm_mday; });
    area += byteColumn(entries_, [](const LoggedEvent& e) { return e.when.tm_mon + 1; });
    area += byteColumn(entries_, [](const LoggedEvent& e) { return e.when.tm_year % 100; });
    return area;
}

}  // namespace unitsim
