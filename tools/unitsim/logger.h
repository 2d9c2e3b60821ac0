// The measuring unit's data logger: timed records of measured value and
// temperature, 16 bytes each in the unit and 32 hexadecimal characters on
// the line. DFL tells how many bytes it holds; DFI hands them out in blocks
// of 504 characters, each block but the last starting with a blank.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "tools/unitsim/request.h"

namespace unitsim {

struct LoggerEntry {
    std::uint16_t number = 0;
    float value = 0.0f;
    float temperature = -1.0f;                               // -1: no temperature
    int hour = 0, minute = 0, day = 1, month = 1, year = 0;  // year: two digits
};

// Record number, value, temperature, hour, minute, day, month, year and an
// unused byte: 32 hexadecimal characters.
std::string encodeLoggerEntry(const LoggerEntry& entry);

// Record i (from 0) of a generated logger for a unit variant: one record
// every 15 minutes from 1 June 2009, 00:00; values that drift over the day,
// and from time to time a stretch without temperature.
LoggerEntry generatedEntry(std::size_t index, int variant);

class DataLogger {
  public:
    static constexpr std::size_t kBlockChars = 504;
    static constexpr std::size_t kMaxRecords = 65535;

    // count generated records (at most kMaxRecords).
    void fill(std::size_t count, int variant);
    // The logger's characters as they go on the line, of any length.
    void setData(std::string data);
    const std::string& data() const { return data_; }
    std::size_t recordCount() const { return data_.size() / 32; }
    void clear();

    // Faults: the byte count DFL announces instead of the true one, and
    // blocks that all announce another one, past the end of the data.
    void setAnnouncedBytes(std::optional<std::uint32_t> bytes) { announced_ = bytes; }
    void setEndless(bool endless) { endless_ = endless; }

    // DFL: the byte count; the next DFI starts at the beginning.
    Reply countReply();
    // DFI: the next block.
    Reply blockReply();
    // Any other request: the next DFI starts at the beginning.
    void restart() { next_ = 0; }

  private:
    std::string data_;
    std::size_t next_ = 0;  // where the next block starts in data_
    std::optional<std::uint32_t> announced_;
    bool endless_ = false;
};

}  // namespace unitsim
