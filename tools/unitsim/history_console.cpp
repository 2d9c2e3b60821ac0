#include "tools/unitsim/history_console.h"

#include <charconv>
#include <cstdio>

#include "devlink/fields.h"

namespace unitsim {

namespace {

struct Columns {
    std::size_t litres, hours;  // litres 0: none
};

// Where a log's columns start in the text the unit sends.
Columns columnsOf(History history) {
    return history == History::Status ? Columns{162, 322} : Columns{0, 162};
}

std::string entryLine(const std::string& text, const Columns& columns, std::size_t i) {
    const auto byteAt = [&](std::size_t column) {
        return static_cast<int>(devlink::decodeByte(text, column + 2 * i));
    };
    char line[120];
    std::snprintf(line, sizeof line, "  %2zu  %02d.%02d.%02d %02d:%02d  code %u", i + 1,
                  byteAt(columns.hours + 80), byteAt(columns.hours + 120),
                  byteAt(columns.hours + 160), byteAt(columns.hours), byteAt(columns.hours + 40),
                  devlink::decodeWord32(text, 2 + 8 * i));
    std::string out = line;
    if (columns.litres != 0) {
        std::snprintf(line, sizeof line, ", %.0f l",
                      devlink::decodeFloat(text, columns.litres + 8 * i));
        out += line;
    }
    return out;
}

}  // namespace

bool HistoryConsole::execute(const std::string& command, const std::string& argument) {
    if (command == "error")
        raiseError(argument);
    else if (command == "twopart")
        twoParts(argument);
    else if (command == "history")
        show(argument);
    else
        return false;
    return true;
}

void HistoryConsole::raiseError(const std::string& argument) {
    unsigned code = 0;
    const auto [end, error] =
        std::from_chars(argument.data(), argument.data() + argument.size(), code);
    if (argument.empty() || error != std::errc() || end != argument.data() + argument.size() ||
        code == 0)
        return log_.line("error CODE: an alarm with this error code (1, 2, 4 ... 65536)");
    simulator_.raiseError(code);
    log_.line("alarm raised with error code " + argument);
}

void HistoryConsole::twoParts(const std::string& argument) {
    if (argument != "on" && argument != "off")
        return log_.line("twopart on|off: the status history in two answers");
    simulator_.setTwoPartHistory(argument == "on");
    log_.line(argument == "on" ? "status history in two answers" : "status history in one answer");
}

void HistoryConsole::show(const std::string& argument) {
    if (argument.empty() || argument == "status") showLog(History::Status, "status history");
    if (argument.empty() || argument == "error") showLog(History::Error, "error history");
}

void HistoryConsole::showLog(History history, const char* title) {
    const std::string text = simulator_.historyText(history);
    const std::size_t count = devlink::decodeByte(text, 0);
    log_.line(std::string(title) + ": " + std::to_string(count) + " entries");
    for (std::size_t i = 0; i < count && i < 20; ++i)
        log_.line(entryLine(text, columnsOf(history), i));
}

}  // namespace unitsim
