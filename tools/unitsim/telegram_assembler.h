// Collects the bytes read from the line into telegrams ending in the end
// byte, and gives each byte the time it arrived. With a baud rate set, a byte
// cannot arrive sooner than one character time after the one before it, as
// on a real line; without, it arrives when it was read.
#pragma once

#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace unitsim {

struct IncomingTelegram {
    std::string bytes;  // end byte included
    std::vector<std::int64_t> arrivalUs;
};

// Microseconds a byte of ten bits takes at this baud rate (0: no pacing).
std::int64_t byteTimeUs(int baud);

class TelegramAssembler {
  public:
    // More than this without an end byte is noise, not a request.
    static constexpr std::size_t kMaxPending = 2000;

    void setBaud(int baud) { byteUs_ = byteTimeUs(baud); }
    void feed(std::string_view bytes, std::int64_t readUs);
    std::optional<IncomingTelegram> next();

  private:
    std::int64_t byteUs_ = 0;
    std::int64_t lastArrivalUs_ = 0;
    IncomingTelegram pending_;
    std::deque<IncomingTelegram> complete_;
};

}  // namespace unitsim
