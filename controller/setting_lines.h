// The line grammar of the settings store and the setting files: a header
// line, then one value a line. Files written on Windows end their lines
// with CR LF, files touched by a Linux editor with LF; a line end is taken
// off only where it is there, so no value loses a character.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace controller {

inline constexpr char kSettingsHeader[] = "//never edit this file !//\r\n";

struct TextLine {
    std::size_t begin = 0;  // first byte of the line
    std::size_t end = 0;    // first byte after its line end
    std::string text;       // without the line end
};

// The lines behind the header line. A last line without a line end counts.
std::vector<TextLine> linesAfterHeader(std::string_view bytes);

// The bytes of a file of lines: the header, then each line with CR LF.
std::string fileOfLines(const std::vector<std::string>& lines);

}  // namespace controller
