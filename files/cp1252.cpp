#include "files/cp1252.h"

#include <array>
#include <cstdint>

namespace files {

namespace {

// The characters of bytes 0x80 to 0x9F, where the code page differs from
// Latin-1. The five bytes it leaves unassigned (0x81, 0x8D, 0x8F, 0x90,
// 0x9D) stand for the control character of the same number, as on Windows,
// so that every byte a file holds comes back unchanged.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 0x80
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 0x88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 0x90
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 0x98
};

constexpr char32_t kReplacement = 0xFFFD;

char32_t characterOf(unsigned char byte) {
    if (byte >= 0x80 && byte < 0xA0) return kHighControls[byte - 0x80];
    return byte;
}

// The code page's byte for a character, if it has one.
std::optional<char> byteOf(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
    for (std::size_t i = 0; i < kHighControls.size(); ++i)
        if (kHighControls[i] == c) return static_cast<char>(0x80 + i);
    return std::nullopt;
}

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// The length of the UTF-8 sequence a lead byte starts, with the bits it
// carries; 0 for a byte that starts none.
struct Lead {
    std::size_t length;
    char32_t bits;
};

Lead leadOf(unsigned char byte) {
    if (byte < 0x80) return {1, byte};
    if (byte >= 0xC2 && byte < 0xE0) return {2, char32_t(byte & 0x1Fu)};
    if (byte >= 0xE0 && byte < 0xF0) return {3, char32_t(byte & 0x0Fu)};
    if (byte >= 0xF0 && byte < 0xF5) return {4, char32_t(byte & 0x07u)};
    return {0, 0};
}

// The next character of a UTF-8 text; a byte that starts no whole, shortest
// sequence of a character (a surrogate is none) gives the replacement
// character and is passed over alone.
char32_t nextCharacter(std::string_view text, std::size_t& at) {
    const Lead lead = leadOf(static_cast<unsigned char>(text[at]));
    char32_t c = lead.bits;
    bool whole = lead.length > 0 && at + lead.length <= text.size();
    for (std::size_t i = 1; whole && i < lead.length; ++i) {
        const auto next = static_cast<unsigned char>(text[at + i]);
        whole = (next & 0xC0) == 0x80;
        c = (c << 6) | (next & 0x3F);
    }
    static constexpr char32_t kShortest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (!whole || c < kShortest[lead.length] || c > 0x10FFFF || (c >= 0xD800 && c < 0xE000)) {
        ++at;
        return kReplacement;
    }
    at += lead.length;
    return c;
}

// A byte-order mark that opens a text (an editor's or a clipboard's) is no
// character of it.
std::size_t firstCharacter(std::string_view text) {
    return text.starts_with("\xEF\xBB\xBF") ? 3 : 0;
}

}  // namespace

std::string cp1252ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (char b : bytes) appendUtf8(out, characterOf(static_cast<unsigned char>(b)));
    return out;
}

std::string utf8ToCp1252(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    // Characters the code page lacks (an emoji, a Greek letter) become "?".
    for (std::size_t at = firstCharacter(text); at < text.size();)
        out += byteOf(nextCharacter(text, at)).value_or('?');
    return out;
}

std::optional<char32_t> firstOutsideCp1252(std::string_view text) {
    for (std::size_t at = firstCharacter(text); at < text.size();) {
        const char32_t c = nextCharacter(text, at);
        if (!byteOf(c)) return c;
    }
    return std::nullopt;
}

std::string utf8Of(char32_t character) {
    std::string out;
    appendUtf8(out, character);
    return out;
}

}  // namespace files
