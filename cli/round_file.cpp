#include "cli/round_file.h"

#include <algorithm>

#include "controller/message_text.h"

namespace cli {

namespace {

using controller::withArgs;

std::string trimmed(std::string_view text) {
    const auto begin = text.find_first_not_of(" \t\r");
    if (begin == std::string_view::npos) return {};
    const auto end = text.find_last_not_of(" \t\r");
    return std::string(text.substr(begin, end - begin + 1));
}

std::vector<std::string> fields(std::string_view line) {
    std::vector<std::string> out;
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = line.find(',', start);
        out.push_back(trimmed(line.substr(start, comma - start)));
        if (comma == std::string_view::npos) return out;
        start = comma + 1;
    }
}

bool usableName(const std::string& name) {
    if (name.empty() || name.size() > 60 || name.front() == '.') return false;
    return std::none_of(name.begin(), name.end(), [](unsigned char c) {
        return c < 0x20 || c == 0x7F || c == '/' || c == '\\';
    });
}

bool sixDigits(const std::string& text) {
    return text.size() == 6 &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

struct LineReader {
    bool english;
    int number;
    std::string complaint(const char* german, const char* englishText,
                          std::initializer_list<std::string_view> args = {}) const {
        return withArgs(english ? "line %1: " : "Zeile %1: ", {std::to_string(number)}) +
               withArgs(english ? englishText : german, args);
    }
};

std::string readUnit(const std::vector<std::string>& f, const LineReader& r, RoundUnit& unit) {
    if (f.size() != 4)
        return r.complaint("Name, Port oder W\u00E4hlnummer, Seriennummer, Art erwartet",
                           "name, port or dial number, serial, kind expected");
    unit.name = f[0];
    unit.place = f[1];
    unit.serial = f[2];
    if (!usableName(unit.name))
        return r.complaint("\"%1\" taugt nicht als Ordnername", "\"%1\" cannot name a folder",
                           {unit.name});
    unit.dialled = !namesAPort(unit.place);
    if (unit.dialled && !usableDialNumber(unit.place))
        return r.complaint("\"%1\" ist weder Port noch W\u00E4hlnummer",
                           "\"%1\" is neither a port nor a dial number", {unit.place});
    if (!sixDigits(unit.serial))
        return r.complaint("die Seriennummer hat 6 Ziffern, nicht \"%1\"",
                           "the serial number has 6 digits, not \"%1\"", {unit.serial});
    const auto kind = kindNamed(f[3]);
    if (!kind)
        return r.complaint("Art softener, osmosis oder measuring, nicht \"%1\"",
                           "kind softener, osmosis or measuring, not \"%1\"", {f[3]});
    unit.kind = *kind;
    return {};
}

}  // namespace

bool namesAPort(const std::string& field) {
    const bool com = field.size() == 4 && (field[0] == 'C' || field[0] == 'c') &&
                     (field[1] == 'O' || field[1] == 'o') && (field[2] == 'M' || field[2] == 'm') &&
                     field[3] >= '1' && field[3] <= '9';
    return com || field.rfind("/", 0) == 0 || field.rfind("tcp://", 0) == 0 ||
           field.rfind("rfc2217://", 0) == 0;
}

RoundFile parseRoundFile(std::string_view text, bool english) {
    RoundFile file;
    LineReader reader{english, 0};
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        ++reader.number;
        const std::string line = trimmed(text.substr(start, end - start));
        start = end + 1;
        if (line.empty() || line.front() == '#') continue;
        RoundUnit unit;
        unit.line = reader.number;
        file.error = readUnit(fields(line), reader, unit);
        if (!file.error.empty()) return file;
        for (const RoundUnit& other : file.units)
            if (other.name == unit.name) {
                file.error = reader.complaint("\"%1\" steht schon in Zeile %2",
                                              "\"%1\" is named in line %2 already",
                                              {unit.name, std::to_string(other.line)});
                return file;
            }
        if (file.units.size() == kRoundUnitsLimit) {
            file.error = reader.complaint("mehr als %1 Ger\u00E4te", "more than %1 units",
                                          {std::to_string(kRoundUnitsLimit)});
            return file;
        }
        file.units.push_back(unit);
    }
    if (file.units.empty())
        file.error =
            english ? "the round file names no unit" : "Die Rundendatei nennt kein Ger\u00E4t";
    return file;
}

}  // namespace cli
