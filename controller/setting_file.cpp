#include "controller/setting_file.h"

#include "controller/setting_lines.h"

namespace controller {

std::string SettingFile::bytesOf(const ParameterForm& form) const {
    return fileOfLines(valueLines(values_, form));
}

// Empty lines at the end are either left over from an editor or values
// that are empty texts (a set without SMS texts ends in such lines). They
// count as values only where the list has a text and the file a line: a
// file cut short and padded with empty lines would otherwise put empty
// digits on the pages, and a later write would send them as zeros.
std::size_t SettingFile::valuesPresent(const std::vector<TextLine>& lines) const {
    std::size_t count = lines.size();
    while (count > 0 && lines[count - 1].text.empty()) --count;
    while (count < values_.size() && count < lines.size() && values_[count].kind == ValueKind::Text)
        ++count;
    return count;
}

std::optional<std::vector<std::string>> SettingFile::valuesOf(std::string_view bytes,
                                                              std::size_t* found) const {
    const std::vector<TextLine> lines = linesAfterHeader(bytes);
    const std::size_t count = valuesPresent(lines);
    if (found) *found = count;
    if (count != values_.size()) return std::nullopt;
    std::vector<std::string> values;
    values.reserve(count);
    for (std::size_t i = 0; i < count; ++i) values.push_back(lines[i].text);
    return values;
}

}  // namespace controller
