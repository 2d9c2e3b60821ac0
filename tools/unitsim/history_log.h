// One of the softener's two logs: the status history (regenerations and
// filter changes, with the water drawn) or the error history (alarms). The
// newest entry comes first; when the log is full the oldest falls out. The
// unit sends a log as hex text: a count, then 20 slots column by column.
#pragma once

#include <cstddef>
#include <cstdint>
#include <ctime>
#include <deque>
#include <optional>
#include <string>

namespace unitsim {

struct LoggedEvent {
    std::uint32_t code = 0;
    double litres = 0.0;  // status history: water drawn
    std::tm when{};
};

class HistoryLog {
  public:
    // withLitres: the status history's column of water drawn. capacity: how
    // many entries the unit keeps (at most the 20 slots).
    HistoryLog(bool withLitres, std::size_t capacity);

    void add(const LoggedEvent& event);
    const std::deque<LoggedEvent>& entries() const { return entries_; }

    // The log as the unit sends it: 522 characters for the status
    // history, 362 for the error history; the raw text instead when set.
    std::string area() const;
    // Replaces what the unit sends by exactly this text, whatever it holds
    // (a count above 20, a short area); empty: the unit's own log again.
    void setRaw(std::string text);

  private:
    bool withLitres_;
    std::size_t capacity_;
    std::deque<LoggedEvent> entries_;
    std::optional<std::string> raw_;
};

}  // namespace unitsim
