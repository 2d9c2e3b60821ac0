// Hexadecimal field encodings shared by every record layout of the units:
// byte (2 digits), word16 (4), word32 (8), float (8 digits holding the IEEE
// 754 single-precision bit pattern) and text (2 digits per character).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace devlink {

// Reads `width` hex digits of `text` starting at `offset`, left to right,
// each shifting the value by four bits. Only "0"-"9" and "A"-"F" carry a
// value; any other character, and any position past the end of the text,
// counts 0 and still takes its place.
std::uint32_t decodeHex(std::string_view text, std::size_t offset, std::size_t width);

inline std::uint8_t decodeByte(std::string_view text, std::size_t offset) {
    return static_cast<std::uint8_t>(decodeHex(text, offset, 2));
}
inline std::uint16_t decodeWord16(std::string_view text, std::size_t offset) {
    return static_cast<std::uint16_t>(decodeHex(text, offset, 4));
}
inline std::uint32_t decodeWord32(std::string_view text, std::size_t offset) {
    return decodeHex(text, offset, 8);
}

// "00000000" is 0.0; any other text is sign * m / 2^(150 - e) with m the low
// 23 bits plus 2^23 and e bits 23 to 30. Exponents 0 and 255 are not special.
double decodeFloat(std::string_view text, std::size_t offset);

// n characters, each two hex digits of its character code.
std::string decodeText(std::string_view text, std::size_t offset, std::size_t n);

std::string encodeByte(std::uint32_t value);    // low 8 bits, 2 digits
std::string encodeWord16(std::uint32_t value);  // low 16 bits, 4 digits
std::string encodeWord32(std::uint32_t value);  // 8 digits

// The single-precision bit pattern of value as "%8X": 0.0 gives "00000000";
// the 23 fraction bits are truncated, never rounded; a pattern whose leading
// digit is 0 starts with blanks, which decodeHex reads as zeros.
std::string encodeFloat(double value);

// text cut or padded with blanks to n characters, two hex digits each.
std::string encodeText(std::string_view text, std::size_t n);

// Copies `field` into `record` at `offset`; characters that would fall past
// the end of the record are dropped.
void putField(std::string& record, std::size_t offset, std::string_view field);

// Deletes the first "." or "," of text (later ones stay).
void removeDecimalSeparator(std::string& text);
// Replaces every "," of text by ".".
void pointDecimalSeparator(std::string& text);

}  // namespace devlink
