#include "tools/unitsim/measuring_console.h"

#include <charconv>

namespace unitsim {

namespace {

bool toCount(const std::string& text, unsigned long long high, unsigned long long& value) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() && value <= high;
}

}  // namespace

bool MeasuringConsole::execute(const std::string& command, const std::string& argument,
                               const std::string& extra) {
    if (command == "logger")
        logger(argument, extra);
    else if (command == "temperature")
        temperature(argument);
    else
        return false;
    return true;
}

void MeasuringConsole::logger(const std::string& argument, const std::string& extra) {
    unsigned long long value = 0;
    if (argument.empty()) {
        log_.line("data logger: " + std::to_string(simulator_.loggerRecords()) + " records");
    } else if (argument == "clear") {
        simulator_.setLoggerData({});
        log_.line("data logger cleared");
    } else if (argument == "count" && extra == "off") {
        simulator_.setLoggerAnnouncedBytes(std::nullopt);
        log_.line("DFL announces the true byte count");
    } else if (argument == "count" && toCount(extra, 0xFFFFFFFFull, value)) {
        simulator_.setLoggerAnnouncedBytes(static_cast<std::uint32_t>(value));
        log_.line("DFL announces " + extra + " bytes");
    } else if (argument == "endless" && (extra == "on" || extra == "off")) {
        simulator_.setLoggerEndless(extra == "on");
        log_.line(extra == "on" ? "DFI blocks never end" : "DFI blocks end with the data");
    } else if (toCount(argument, 65535, value)) {
        simulator_.fillLogger(static_cast<std::size_t>(value));
        log_.line("data logger holds " + argument + " records");
    } else {
        log_.line("logger [N|clear|count N|count off|endless on|off]");
    }
}

void MeasuringConsole::temperature(const std::string& argument) {
    if (argument != "on" && argument != "off") return log_.line("temperature on|off");
    simulator_.setTemperatureMissing(argument == "off");
    log_.line(argument == "off" ? "no temperature in RMV" : "RMV reports the temperature");
}

}  // namespace unitsim
