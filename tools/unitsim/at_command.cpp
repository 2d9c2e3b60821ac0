#include "tools/unitsim/at_command.h"

#include <cctype>

namespace unitsim {

namespace {

std::string upperCase(std::string_view text) {
    std::string upper(text);
    for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return upper;
}

// Digits, the keypad's * and #, and the dial modifiers: "," pause, "W" wait
// for the dial tone, "!" hook flash, "@" wait for quiet answer.
bool isDialCharacter(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) || c == '*' || c == '#' || c == ',' ||
           c == 'W' || c == '!' || c == '@';
}

// The text after "ATD": an optional T (tone) or P (pulse), then the number.
AtCommand parseDial(std::string_view text) {
    if (!text.empty() && (text.front() == 'T' || text.front() == 'P')) text.remove_prefix(1);
    if (text.empty()) return {};
    for (const char c : text)
        if (!isDialCharacter(c)) return {};
    return {AtCommand::Kind::Dial, std::string(text)};
}

}  // namespace

AtCommand parseAtCommand(std::string_view line) {
    const std::string upper = upperCase(line);
    if (upper.compare(0, 2, "AT") != 0) return {};
    const std::string_view rest = std::string_view(upper).substr(2);
    if (!rest.empty() && rest.front() == 'D') return parseDial(rest.substr(1));
    if (rest == "H" || rest == "H0") return {AtCommand::Kind::HangUp, {}};
    if (rest == "O" || rest == "O0") return {AtCommand::Kind::Online, {}};
    return {AtCommand::Kind::Other, {}};
}

}  // namespace unitsim
