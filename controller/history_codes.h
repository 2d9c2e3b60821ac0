// Event codes of a unit's logs and their texts in both languages. Only a
// code equal to one of the listed values has a text of its own; anything
// else, a code with two bits set included, gets the table's fallback.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace controller {

struct CodeText {
    std::uint32_t code;
    const char* german;
    const char* english;
};

struct CodeTable {
    std::span<const CodeText> entries;
    const char* fallbackGerman;
    const char* fallbackEnglish;
    // Texts are padded with blanks to these widths so that the next column
    // of a list lines up; 0: no padding.
    std::size_t germanWidth = 0;
    std::size_t englishWidth = 0;
};

// The text of a code in the chosen language, padded to the table's width.
std::string codeText(const CodeTable& table, std::uint32_t code, bool english);

}  // namespace controller
