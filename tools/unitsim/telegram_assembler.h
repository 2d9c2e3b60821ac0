// Collects the bytes read from the line into telegrams ending in the end
// byte, and gives each byte the time it arrived (see LinePacer).
#pragma once

#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tools/unitsim/line_pacer.h"

namespace unitsim {

struct IncomingTelegram {
    std::string bytes;  // end byte included
    std::vector<std::int64_t> arrivalUs;
};

class TelegramAssembler {
  public:
    // More than this without an end byte is noise, not a request.
    static constexpr std::size_t kMaxPending = 2000;

    void setBaud(int baud) { pacer_.setBaud(baud); }
    // Bytes as read from the line at readUs; paced here.
    void feed(std::string_view bytes, std::int64_t readUs);
    // One byte whose arrival time is already known, e.g. passed on by a modem.
    void add(char byte, std::int64_t arrivalUs);
    // Forgets an unfinished telegram, as when a new connection begins.
    void dropPending() { pending_ = {}; }
    std::optional<IncomingTelegram> next();

  private:
    LinePacer pacer_;
    IncomingTelegram pending_;
    std::deque<IncomingTelegram> complete_;
};

}  // namespace unitsim
