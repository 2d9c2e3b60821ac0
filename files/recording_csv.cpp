#include "files/recording_csv.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

#include "files/cp1252.h"

namespace files {

namespace {

std::string cleanField(std::string_view utf8) {
    std::string field = utf8ToCp1252(utf8);
    for (char& c : field)
        if (c == ';' || static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = ' ';
    return field;
}

std::vector<std::string_view> split(std::string_view line) {
    std::vector<std::string_view> fields;
    std::size_t from = 0;
    for (;;) {
        const std::size_t at = line.find(';', from);
        fields.push_back(line.substr(from, at == std::string_view::npos ? line.npos : at - from));
        if (at == std::string_view::npos) return fields;
        from = at + 1;
    }
}

// Digits only, exactly that many, within least and most.
bool readNumber(std::string_view text, std::size_t digits, int least, int most, int& value) {
    if (text.size() != digits) return false;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() && value >= least &&
           value <= most && text.front() != '-' && text.front() != '+';
}

bool readDate(std::string_view text, WallTime& time) {
    return text.size() == 10 && text[2] == '.' && text[5] == '.' &&
           readNumber(text.substr(0, 2), 2, 1, 31, time.day) &&
           readNumber(text.substr(3, 2), 2, 1, 12, time.month) &&
           readNumber(text.substr(6, 4), 4, 1, 9999, time.year);
}

bool readTime(std::string_view text, WallTime& time) {
    return text.size() == 8 && text[2] == ':' && text[5] == ':' &&
           readNumber(text.substr(0, 2), 2, 0, 23, time.hour) &&
           readNumber(text.substr(3, 2), 2, 0, 59, time.minute) &&
           readNumber(text.substr(6, 2), 2, 0, 59, time.second);
}

double fieldValue(std::string_view field) {
    double value = std::numeric_limits<double>::quiet_NaN();
    if (field.empty()) return value;
    const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
    if (error != std::errc() || end != field.data() + field.size() || !std::isfinite(value))
        return std::numeric_limits<double>::quiet_NaN();
    return value;
}

// The lines of the file without their ends; a last line without one counts.
std::vector<std::string_view> linesOf(std::string_view bytes) {
    std::vector<std::string_view> lines;
    std::size_t from = 0;
    while (from < bytes.size()) {
        std::size_t end = bytes.find('\n', from);
        if (end == std::string_view::npos) end = bytes.size();
        std::string_view line = bytes.substr(from, end - from);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.push_back(line);
        from = end + 1;
    }
    return lines;
}

}  // namespace

std::string recordingHeader(const std::vector<std::string>& columns, bool english) {
    std::string header = english ? "date;time" : "Datum;Uhrzeit";
    for (const std::string& column : columns) header += ';' + cleanField(column);
    return header + "\r\n";
}

std::string recordingLine(const WallTime& t, const std::vector<std::string>& fields) {
    char stamp[40];
    std::snprintf(stamp, sizeof stamp, "%02d.%02d.%04d;%02d:%02d:%02d", t.day, t.month, t.year,
                  t.hour, t.minute, t.second);
    std::string line = stamp;
    for (const std::string& field : fields) line += ';' + cleanField(field);
    return line + "\r\n";
}

std::string recordingNumber(double value, int decimals) {
    if (!std::isfinite(value)) return {};
    char text[400];
    const auto [end, error] =
        std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, decimals);
    if (error != std::errc()) return {};
    std::string number(text, end);
    // A negative zero ("-0.0") is a zero.
    if (number.front() == '-' && number.find_first_not_of("-0.") == std::string::npos)
        number.erase(0, 1);
    return number;
}

RecordingContent parseRecording(std::string_view bytes) {
    RecordingContent content;
    const std::vector<std::string_view> lines = linesOf(bytes);
    if (lines.empty()) return content;
    const std::vector<std::string_view> header = split(lines.front());
    for (std::size_t i = 2; i < header.size(); ++i)
        content.columns.push_back(cp1252ToUtf8(header[i]));
    if (header.size() < 2) content.skipped = 1;
    for (std::size_t n = 1; n < lines.size(); ++n) {
        if (lines[n].empty()) continue;
        const std::vector<std::string_view> fields = split(lines[n]);
        RecordingRow row;
        if (fields.size() != content.columns.size() + 2 || !readDate(fields[0], row.time) ||
            !readTime(fields[1], row.time)) {
            ++content.skipped;
            continue;
        }
        row.values.reserve(content.columns.size());
        for (std::size_t i = 2; i < fields.size(); ++i) row.values.push_back(fieldValue(fields[i]));
        content.rows.push_back(std::move(row));
    }
    return content;
}

}  // namespace files
