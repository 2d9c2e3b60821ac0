// Finds the escape sequence in the bytes a program sends while the modem is
// online: "+++" with a guard time of silence before the first "+", the three
// "+" close together, and the guard time of silence after the last. Only the
// silence tells the escape from data, so "+" characters that may start one
// are held back until that is known; they go on as data when it is not one.
#pragma once

#include <cstdint>
#include <optional>

#include "tools/unitsim/telegram_assembler.h"

namespace unitsim {

class EscapeDetector {
  public:
    explicit EscapeDetector(std::int64_t guardUs) : guardUs_(guardUs) {}

    // The line went online at nowUs: silence counts from there.
    void restart(std::int64_t nowUs);
    // A byte from the program. Appends to `data` what is sure to be data:
    // the byte itself, or with held "+" characters that proved no escape.
    void feed(char byte, std::int64_t arrivalUs, IncomingTelegram& data);
    // Once the guard time after the last held "+" has passed by nowUs:
    // the escape when all three came, else nothing, and the fewer pluses
    // go on as data after all.
    std::optional<IncomingTelegram> escapeAt(std::int64_t nowUs, IncomingTelegram& data);
    // When escapeAt has something to do if nothing comes before.
    std::optional<std::int64_t> deadlineUs() const;

  private:
    static constexpr std::size_t kPluses = 3;

    bool continuesEscape(char byte, std::int64_t arrivalUs) const;
    void release(IncomingTelegram& data);

    std::int64_t guardUs_;
    std::int64_t lastUs_ = 0;  // arrival of the last byte from the program
    IncomingTelegram held_;
};

}  // namespace unitsim
