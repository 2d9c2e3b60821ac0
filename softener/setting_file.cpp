#include "softener/setting_file.h"

#include "softener/setting_lines.h"

namespace softener {

std::string SettingFile::bytesOf(const ParameterForm& form) const {
    return fileOfLines(valueLines(values_, form));
}

std::optional<std::vector<std::string>> SettingFile::valuesOf(std::string_view bytes,
                                                              std::size_t* found) const {
    const std::vector<TextLine> lines = linesAfterHeader(bytes);
    std::size_t count = lines.size();
    // Empty lines behind a complete set are left over from an editor.
    while (count > values_.size() && lines[count - 1].text.empty()) --count;
    if (found) *found = count;
    if (count != values_.size()) return std::nullopt;
    std::vector<std::string> values;
    values.reserve(count);
    for (std::size_t i = 0; i < count; ++i) values.push_back(lines[i].text);
    return values;
}

}  // namespace softener
