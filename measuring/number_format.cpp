#include "measuring/number_format.h"

#include <charconv>

namespace measuring {

std::string formatFixed(double value, int width, int precision, bool zeroPad) {
    // The largest double written in full: 309 digits, sign, point, decimals.
    char digits[420];
    const auto result =
        std::to_chars(digits, digits + sizeof digits, value, std::chars_format::fixed, precision);
    std::string text(digits, result.ptr);
    const auto size = static_cast<int>(text.size());
    if (size >= width) return text;
    const std::size_t fill = static_cast<std::size_t>(width - size);
    if (!zeroPad) return std::string(fill, ' ') + text;
    const std::size_t signLength = text[0] == '-' ? 1 : 0;
    text.insert(signLength, fill, '0');
    return text;
}

std::string formatDigits(unsigned value, int digits) {
    char text[16];
    const auto result = std::to_chars(text, text + sizeof text, value);
    std::string number(text, result.ptr);
    const auto size = static_cast<int>(number.size());
    if (size < digits) number.insert(0, static_cast<std::size_t>(digits - size), '0');
    return number;
}

}  // namespace measuring
