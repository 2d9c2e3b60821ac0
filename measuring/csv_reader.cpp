#include "measuring/csv_reader.h"

#include <array>
#include <charconv>
#include <cmath>

namespace measuring {

namespace {

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

template <typename T>
bool parseWhole(std::string_view text, T& value) {
    if (text.empty()) return false;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size();
}

bool parseNumber(std::string_view text, double& value) {
    // from_chars takes no "+"; the files never write one, but a hand-edited file may.
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    return parseWhole(text, value) && std::isfinite(value);
}

// "a<sep>b<sep>c" or "a<sep>b" with two-digit (or shorter) numbers.
template <std::size_t N>
bool parseParts(std::string_view text, char separator, std::array<int, N>& parts) {
    for (std::size_t i = 0; i < N; ++i) {
        const std::size_t end = i + 1 < N ? text.find(separator) : text.size();
        if (end == std::string_view::npos || !parseWhole(text.substr(0, end), parts[i]))
            return false;
        text.remove_prefix(i + 1 < N ? end + 1 : end);
    }
    return true;
}

int daysInMonth(int year, int month) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : kDays[month - 1];
}

// A date and time that exist: a 31 February would put the point somewhere
// else on the time axis than the unit wrote it.
bool plausibleDate(const CsvPoint& p) {
    return p.month >= 1 && p.month <= 12 && p.day >= 1 && p.day <= daysInMonth(p.year, p.month) &&
           p.hour >= 0 && p.hour <= 23 && p.minute >= 0 && p.minute <= 59;
}

}  // namespace

bool parseCsvLine(std::string_view line, CsvPoint& point) {
    std::array<std::string_view, 5> fields;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const std::size_t comma = line.find(',');
        const bool last = i + 1 == fields.size();
        if (last != (comma == std::string_view::npos)) return false;
        fields[i] = trimmed(line.substr(0, comma));
        if (!last) line.remove_prefix(comma + 1);
    }
    CsvPoint parsed;
    std::array<int, 3> date{};
    std::array<int, 2> time{};
    if (!parseWhole(fields[0], parsed.number) || !parseNumber(fields[1], parsed.value) ||
        !parseNumber(fields[2], parsed.temperature) || !parseParts(fields[3], '.', date) ||
        !parseParts(fields[4], ':', time))
        return false;
    if (date[2] < 0 || date[2] > 99) return false;
    parsed.day = date[0];
    parsed.month = date[1];
    // Two-digit years: the loggers came long after 1980.
    parsed.year = date[2] < 80 ? 2000 + date[2] : 1900 + date[2];
    parsed.hour = time[0];
    parsed.minute = time[1];
    if (!plausibleDate(parsed)) return false;
    point = parsed;
    return true;
}

CsvContent parseCsv(std::string_view bytes) {
    CsvContent content;
    while (!bytes.empty()) {
        const std::size_t end = bytes.find('\n');
        std::string_view line = bytes.substr(0, end);
        bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (trimmed(line).empty()) continue;
        CsvPoint point;
        if (parseCsvLine(line, point))
            content.points.push_back(point);
        else
            ++content.skipped;
    }
    return content;
}

}  // namespace measuring
