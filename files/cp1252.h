// Windows-1252, the code page of the files operators already have, to and
// from the UTF-8 the program works in.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace files {

std::string cp1252ToUtf8(std::string_view bytes);
// Characters the code page lacks become "?".
std::string utf8ToCp1252(std::string_view text);
// The first character of the text that the code page lacks, if any.
std::optional<char32_t> firstOutsideCp1252(std::string_view text);
// One character as UTF-8.
std::string utf8Of(char32_t character);

}  // namespace files
