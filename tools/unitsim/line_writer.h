// Puts an answer on the line: all at once, or byte by byte at the pace of
// the baud rate so that a program sees the timing of a real unit.
#pragma once

#include <atomic>
#include <string>

namespace unitsim {

class LineWriter {
  public:
    explicit LineWriter(int fd) : fd_(fd) {}

    // Byte i leaves at start + i character times; the deadlines are absolute
    // so that sleep overruns do not add up. Stops early once `stop` is set.
    void send(const std::string& bytes, int baud, const std::atomic<bool>& stop) const;

  private:
    void sendPaced(const std::string& bytes, int baud, const std::atomic<bool>& stop) const;
    // False when the line stayed full (nobody reads the other side).
    bool writeAll(const char* data, std::size_t size) const;
    // Waits a while for room on a full line; false when none came.
    bool lineTakesMore() const;

    int fd_;
};

}  // namespace unitsim
