#include "controller/history_codes.h"

namespace controller {

namespace {

// Characters, not bytes: a German text may hold umlauts.
std::size_t characters(const std::string& utf8) {
    std::size_t n = 0;
    for (const char c : utf8)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++n;
    return n;
}

std::string padded(std::string text, std::size_t width) {
    const std::size_t n = characters(text);
    if (n < width) text.append(width - n, ' ');
    return text;
}

}  // namespace

std::string codeText(const CodeTable& table, std::uint32_t code, bool english) {
    const char* text = english ? table.fallbackEnglish : table.fallbackGerman;
    for (const CodeText& entry : table.entries) {
        if (entry.code != code) continue;
        text = english ? entry.english : entry.german;
        break;
    }
    return padded(text, english ? table.englishWidth : table.germanWidth);
}

}  // namespace controller
