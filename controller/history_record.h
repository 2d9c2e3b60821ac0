// The two logs a unit keeps, the status history (DHI) and the error history
// (DEI), as hex text: a count of valid records, then 20 record slots laid
// out column by column. Everything here treats the unit's answer as
// untrusted: a count is bounded by the slots and by the records whose every
// field the data hold; nothing is made up for a record the unit did not send.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace controller {

inline constexpr std::size_t kHistorySlots = 20;
// A unit with the short parameter form keeps at most ten status records.
inline constexpr std::size_t kShortFormStatusRecords = 10;
// The error history's record data: count, 20 codes and five time columns.
inline constexpr std::size_t kErrorHistoryChars = 362;

// Character offsets of the columns within the record data; record i of a
// column starts at column + width * i.
struct HistoryLayout {
    std::size_t codes;                                // word32 each
    std::size_t withdrawals;                          // float each; 0: the log has none
    std::size_t hours, minutes, days, months, years;  // byte each
};

inline constexpr HistoryLayout kStatusHistoryLayout{2, 162, 322, 362, 402, 442, 482};
inline constexpr HistoryLayout kErrorHistoryLayout{2, 0, 162, 202, 242, 282, 322};

struct HistoryEntry {
    std::uint32_t code = 0;
    double withdrawal = 0.0;  // litres, status history only
    int day = 0, month = 0, year = 0, hour = 0, minute = 0;
};

// The record data of one status-history answer (end byte included): the
// characters behind the four of the head, without the last seven. An
// answer too short for that gives no data. The data are hex digits: a "|"
// ends them.
std::string statusHistoryData(std::string_view answer);

// The record data of an error-history answer: the 362 characters behind
// "DEI|", fewer when the answer is shorter. A "|" ends them, so the
// closing "|", checksum and end byte never count as data.
std::string errorHistoryData(std::string_view answer);

// The records whose every field lies within the data, at most the slots.
std::size_t completeRecords(std::string_view data, const HistoryLayout& layout);

// The first `count` records of the data, never more than it holds whole.
std::vector<HistoryEntry> decodeHistory(std::string_view data, const HistoryLayout& layout,
                                        std::size_t count);

// A history as the unit sent it: the records to list and whether the
// unit's count promised more than its data hold.
struct HistoryRecords {
    std::vector<HistoryEntry> entries;
    bool counted = false;       // the data start with a count (two hex digits)
    std::size_t announced = 0;  // the count as the unit sent it
    std::size_t sent = 0;       // the complete records of the data
    bool cut = false;           // fewer entries than the count (within `limit`) asks for
};

// The counted records of the data, at most `limit` when one is given (not 0).
// Data that do not start with a count give nothing.
HistoryRecords historyRecords(std::string_view data, const HistoryLayout& layout,
                              std::size_t limit = 0);

}  // namespace controller
