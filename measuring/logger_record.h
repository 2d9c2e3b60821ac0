// The data logger's records as the unit sends them: 32 hexadecimal
// characters each, carried in the data parts of the DFI answers.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace measuring {

inline constexpr std::size_t kRecordChars = 32;
inline constexpr std::size_t kRecordBytes = 16;  // in the unit's memory
inline constexpr std::size_t kBlockDataChars = 504;

struct LoggerRecord {
    double value = 0.0;
    double temperature = 0.0;  // -1: no temperature
    std::uint16_t number = 0;
    std::uint8_t hour = 0, minute = 0, day = 0, month = 0, year = 0;
};

// Decodes one record from the first 32 characters of text (shorter text
// reads as zeros where it ends).
LoggerRecord decodeRecord(std::string_view text);

// The byte count of a DFL answer (checksum and end byte included): the 8
// digits at characters 4 to 11 of the answer without its checksum and end
// byte; positions the answer lacks read as 0.
std::uint32_t decodeByteCount(std::string_view answer);

// The data part of a DFI answer: everything between its first 4 and its
// last 4 characters (the last three are checksum and end byte); empty for
// an answer of fewer than 8 characters.
std::string_view blockData(std::string_view answer);

// Collects records from the data parts of the blocks in the order they
// arrive. Only whole records count; a record split between two blocks is
// joined. Keeps at most `limit` records.
class RecordCollector {
  public:
    explicit RecordCollector(std::uint64_t limit) : limit_(limit) {}

    void add(std::string_view data);
    const std::vector<LoggerRecord>& records() const { return records_; }
    // Whole records received, kept or not.
    std::uint64_t received() const { return received_; }
    void release();

  private:
    std::uint64_t limit_;
    std::uint64_t received_ = 0;
    std::vector<LoggerRecord> records_;
    char partial_[kRecordChars] = {};
    std::size_t partialLength_ = 0;
};

}  // namespace measuring
