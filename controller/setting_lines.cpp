#include "controller/setting_lines.h"

namespace controller {

std::vector<TextLine> linesAfterHeader(std::string_view bytes) {
    std::vector<TextLine> lines;
    const std::size_t headerEnd = bytes.find('\n');
    if (headerEnd == std::string_view::npos) return lines;
    std::size_t pos = headerEnd + 1;
    while (pos < bytes.size()) {
        const std::size_t feed = bytes.find('\n', pos);
        TextLine line;
        line.begin = pos;
        line.end = feed == std::string_view::npos ? bytes.size() : feed + 1;
        std::size_t stop = feed == std::string_view::npos ? bytes.size() : feed;
        if (feed != std::string_view::npos && stop > pos && bytes[stop - 1] == '\r') --stop;
        line.text.assign(bytes.substr(pos, stop - pos));
        pos = line.end;
        lines.push_back(std::move(line));
    }
    return lines;
}

std::string fileOfLines(const std::vector<std::string>& lines) {
    std::string bytes = kSettingsHeader;
    for (const std::string& line : lines) bytes += line + "\r\n";
    return bytes;
}

}  // namespace controller
