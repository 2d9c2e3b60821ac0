// A trace of the traffic on the serial line for support: every byte with
// its time and direction, gathered into telegrams and modem lines, and each
// telegram decoded (command word, fields, checksum verdict). Written to a
// log file that rotates when it grows large. Off unless a program opens it
// (--trace FILE or $AQUENDOR_TRACE); when off, the port pays one pointer
// test a byte.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

namespace devlink {

enum class TraceDirection { Sent, Received };

class TrafficTrace {
  public:
    // Opens the process's trace; false (and no trace) when the file cannot
    // be written or is a symbolic link. The file and its parts are the
    // user's alone (mode 0600). maxBytes: the size at which the file rotates (FILE.1 ...
    // FILE.3 keep the older parts).
    static bool open(const std::string& path, std::uintmax_t maxBytes = 8u << 20);
    static void close();
    // The open trace, or nullptr.
    static TrafficTrace* active() { return active_; }

    void byte(const std::string& port, TraceDirection direction, std::uint8_t value);
    // A line of its own: port opened, closed, purged, lost ...
    void event(const std::string& port, const std::string& text);

    ~TrafficTrace();

  private:
    TrafficTrace(std::string path, std::FILE* file, std::uintmax_t maxBytes);
    void flushChunk();
    void writeLine(const std::string& line);
    void rotateIfLarge();

    static TrafficTrace* active_;

    std::string path_;
    std::FILE* file_;
    std::uintmax_t maxBytes_;
    std::uintmax_t written_ = 0;
    // The bytes of one direction since the last end byte, line end or pause.
    std::string chunk_;
    std::string chunkPort_;
    TraceDirection chunkDirection_ = TraceDirection::Sent;
    std::int64_t chunkStartUs_ = 0;
    std::int64_t chunkLastUs_ = 0;
};

// One telegram as the trace shows it: "DSI, 1 field (190 characters),
// checksum 5C correct". Empty when the bytes are no telegram.
std::string describeTelegram(const std::string& bytes);

}  // namespace devlink
