#include "devlink/fields.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace devlink {

namespace {

unsigned hexValue(char c) {
    if (c >= '0' && c <= '9') return static_cast<unsigned>(c - '0');
    if (c >= 'A' && c <= 'F') return static_cast<unsigned>(c - 'A' + 10);
    return 0;
}

std::string hexText(std::uint32_t value, int digits) {
    char text[9];
    std::snprintf(text, sizeof text, "%0*X", digits, static_cast<unsigned>(value));
    return text;
}

}  // namespace

std::uint32_t decodeHex(std::string_view text, std::size_t offset, std::size_t width) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < width; ++i) {
        const std::size_t pos = offset + i;
        value = (value << 4) | (pos < text.size() ? hexValue(text[pos]) : 0u);
    }
    return value;
}

double decodeFloat(std::string_view text, std::size_t offset) {
    // Only the text "00000000" is zero (missing positions count as "0");
    // blanks or other characters that read as zero digits are the tiny
    // value their bit pattern gives, like every other pattern.
    bool zeroText = true;
    for (std::size_t i = 0; i < 8; ++i)
        zeroText = zeroText && (offset + i >= text.size() || text[offset + i] == '0');
    if (zeroText) return 0.0;
    const std::uint32_t w = decodeWord32(text, offset);
    const double sign = (w & 0x80000000u) ? -1.0 : 1.0;
    const double mantissa = static_cast<double>((w & 0x7FFFFFu) | 0x800000u);
    const int exponent = static_cast<int>((w >> 23) & 0xFFu);
    return sign * std::ldexp(mantissa, exponent - 150);
}

std::string decodeText(std::string_view text, std::size_t offset, std::size_t n) {
    std::string out;
    out.reserve(n);
    for (std::size_t i = 0; i < n; ++i)
        out.push_back(static_cast<char>(decodeByte(text, offset + 2 * i)));
    return out;
}

std::string encodeByte(std::uint32_t value) {
    return hexText(value & 0xFFu, 2);
}
std::string encodeWord16(std::uint32_t value) {
    return hexText(value & 0xFFFFu, 4);
}
std::string encodeWord32(std::uint32_t value) {
    return hexText(value, 8);
}

std::string encodeFloat(double value) {
    if (value == 0.0 || std::isnan(value)) return "00000000";
    std::uint32_t sign = 0;
    if (value < 0) {
        sign = 0x80000000u;
        value = -value;
    }
    std::uint32_t pattern;
    if (std::isinf(value)) {
        pattern = sign | 0x7F800000u;
    } else {
        int exp2 = 0;
        const double fraction = std::frexp(value, &exp2);  // value = fraction * 2^exp2, [0.5, 1)
        const double magnitude = fraction * 2.0;           // in [1, 2)
        const int biased = std::clamp(exp2 - 1 + 127, 0, 255);
        const auto bits = static_cast<std::uint32_t>(std::floor((magnitude - 1.0) * 8388608.0));
        pattern = sign | (static_cast<std::uint32_t>(biased) << 23) | (bits & 0x7FFFFFu);
    }
    char text[16];
    std::snprintf(text, sizeof text, "%8X", static_cast<unsigned>(pattern));
    return text;
}

std::string encodeText(std::string_view text, std::size_t n) {
    std::string out;
    out.reserve(2 * n);
    for (std::size_t i = 0; i < n; ++i)
        out += encodeByte(i < text.size() ? static_cast<unsigned char>(text[i]) : ' ');
    return out;
}

void putField(std::string& record, std::size_t offset, std::string_view field) {
    for (std::size_t i = 0; i < field.size() && offset + i < record.size(); ++i)
        record[offset + i] = field[i];
}

void removeDecimalSeparator(std::string& text) {
    const auto pos = text.find_first_of(".,");
    if (pos != std::string::npos) text.erase(pos, 1);
}

void pointDecimalSeparator(std::string& text) {
    for (char& c : text)
        if (c == ',') c = '.';
}

}  // namespace devlink
