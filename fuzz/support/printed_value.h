// A masked status value as a status page prints it: never wider than its
// buffer, only digits, a sign and blanks, whatever the user's locale.
#pragma once

#include <string>

#include "controller/record_codec.h"
#include "support/fuzz_check.h"

namespace fuzzing {

inline void checkPrinted(const char* format, double value) {
    const std::string characters = controller::maskCharacters(format, value);
    FUZZ_CHECK(!characters.empty() && characters.size() < 64, "a printed value fits its field");
    for (char c : characters)
        FUZZ_CHECK((c >= '0' && c <= '9') || c == '-' || c == ' ',
                   "a status value prints as digits, in the C locale");
}

}  // namespace fuzzing
