#include "controller/value_input.h"

#include <cctype>
#include <charconv>
#include <cstdlib>
#include <cstring>
#include <initializer_list>

namespace controller {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string_view digitsFrom(std::string_view& text) {
    std::size_t n = 0;
    while (n < text.size() && isDigit(text[n])) ++n;
    const std::string_view digits = text.substr(0, n);
    text.remove_prefix(n);
    return digits;
}

bool isWordOf(std::string_view text, std::initializer_list<const char*> words) {
    for (const char* word : words)
        if (sameWord(text, word)) return true;
    return false;
}

int twoDigits(std::string_view text) {
    int value = 0;
    for (const char c : text) value = value * 10 + (c - '0');
    return value;
}

}  // namespace

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front())))
        text.remove_prefix(1);
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back())))
        text.remove_suffix(1);
    return text;
}

bool sameWord(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

std::optional<NumberText> readNumberText(std::string_view text, char placeholder) {
    text = trimmed(text);
    while (!text.empty() && text.back() == placeholder) text.remove_suffix(1);
    text = trimmed(text);
    NumberText number;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        number.negative = text.front() == '-';
        text.remove_prefix(1);
    }
    number.whole = std::string(digitsFrom(text));
    if (!text.empty() && (text.front() == '.' || text.front() == ',')) {
        text.remove_prefix(1);
        number.fraction = std::string(digitsFrom(text));
    }
    if (!text.empty() || (number.whole.empty() && number.fraction.empty())) return std::nullopt;
    number.whole.erase(0, number.whole.find_first_not_of('0'));
    while (!number.fraction.empty() && number.fraction.back() == '0') number.fraction.pop_back();
    return number;
}

double numberOf(const NumberText& number) {
    const std::string text =
        (number.whole.empty() ? "0" : number.whole) + "." + number.fraction + "0";
    double value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return number.negative ? -value : value;
}

std::optional<bool> readFlagText(std::string_view text) {
    text = trimmed(text);
    if (isWordOf(text, {"1", "on", "yes", "true", "ein", "ja"})) return true;
    if (isWordOf(text, {"0", "off", "no", "false", "aus", "nein"})) return false;
    return std::nullopt;
}

std::optional<TimeOfDay> readTimeText(std::string_view text) {
    text = trimmed(text);
    std::string_view hours, minutes;
    const std::size_t colon = text.find(':');
    if (colon != std::string_view::npos) {
        hours = text.substr(0, colon);
        minutes = text.substr(colon + 1);
    } else if (text.size() == 4) {
        hours = text.substr(0, 2);
        minutes = text.substr(2);
    }
    const auto allDigits = [](std::string_view part) {
        if (part.empty() || part.size() > 2) return false;
        for (const char c : part)
            if (!isDigit(c)) return false;
        return true;
    };
    if (!allDigits(hours) || minutes.size() != 2 || !allDigits(minutes)) return std::nullopt;
    const TimeOfDay time{twoDigits(hours), twoDigits(minutes)};
    if (time.hour > 23 || time.minute > 59) return std::nullopt;
    return time;
}

int formatDecimals(const char* format) {
    const char* point = format ? std::strchr(format, '.') : nullptr;
    return point ? std::atoi(point + 1) : 0;
}

}  // namespace controller
