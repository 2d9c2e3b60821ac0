#include "tools/unitsim/cli_options.h"

#include <charconv>

#include "tools/unitsim/plant_settings.h"

namespace unitsim {

namespace {

bool parseNumber(const std::string& text, int low, int high, int& value) {
    int parsed = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), parsed);
    if (error != std::errc() || end != text.data() + text.size()) return false;
    if (parsed < low || parsed > high) return false;
    value = parsed;
    return true;
}

bool parseScale(const std::string& text, double& scale) {
    double parsed = 0.0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), parsed);
    if (error != std::errc() || end != text.data() + text.size()) return false;
    if (parsed < 0.0 || parsed > 100000.0) return false;
    scale = parsed;
    return true;
}

bool parseKind(const std::string& text, UnitKind& kind) {
    for (const UnitKind candidate : {UnitKind::Softener, UnitKind::Osmosis, UnitKind::Measuring}) {
        if (text == kindName(candidate)) {
            kind = candidate;
            return true;
        }
    }
    return false;
}

bool isComName(const std::string& text) {
    return text.size() == 4 && text.compare(0, 3, "COM") == 0 && text[3] >= '1' && text[3] <= '9';
}

// Applies an option that takes a value; false when the value is bad.
bool applyValue(CliOptions& options, const std::string& option, const std::string& value) {
    Config& config = options.config;
    if (option == "--kind") return parseKind(value, config.kind);
    if (option == "--serial") {
        config.serialNumber = value;
        return value.size() == 6;
    }
    if (option == "--level") return parseNumber(value, 0, 2, config.level);
    if (option == "--variant") return parseNumber(value, 0, 6, config.variant);
    if (option == "--logger") {
        int records = 0;
        if (!parseNumber(value, 0, 65535, records)) return false;
        config.loggerRecords = static_cast<std::size_t>(records);
        return true;
    }
    if (option == "--baud")
        return parseNumber(value, 0, 19200, config.baud) &&
               (config.baud == 0 || config.baud == 9600 || config.baud == 19200);
    if (option == "--speed") return parseScale(value, config.timeScale);
    if (option == "--plant")
        return parseNumber(value, 1, 8, config.plantType) && isPlantType(config.plantType);
    if (option == "--dial-delay") return parseNumber(value, 0, 600000, config.dialDelayMs);
    if (option == "--com") {
        options.comName = value;
        return isComName(value);
    }
    if (option == "--ports") {
        options.portsFolder = value;
        return !value.empty();
    }
    return false;
}

bool applyFlag(CliOptions& options, const std::string& option) {
    if (option == "--short")
        options.config.longForm = false;
    else if (option == "--two-part")
        options.config.twoPartDpi = true;
    else if (option == "--two-part-history")
        options.config.twoPartDhi = true;
    else if (option == "--modem")
        options.config.modem = true;
    else if (option == "--help" || option == "-h")
        options.help = true;
    else if (option == "--version")
        options.version = true;
    else
        return false;
    return true;
}

}  // namespace

const char* kindName(UnitKind kind) {
    switch (kind) {
        case UnitKind::Softener:
            return "softener";
        case UnitKind::Osmosis:
            return "osmosis";
        case UnitKind::Measuring:
            return "measuring";
    }
    return "softener";
}

std::optional<CliOptions> parseCommandLine(const std::vector<std::string>& args,
                                           std::string& error) {
    CliOptions options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& option = args[i];
        if (applyFlag(options, option)) continue;
        if (i + 1 >= args.size() || !applyValue(options, option, args[i + 1])) {
            error = i + 1 < args.size() ? "bad option or value: " + option + " " + args[i + 1]
                                        : "unknown option or missing value: " + option;
            return std::nullopt;
        }
        ++i;
    }
    return options;
}

std::string usageText() {
    return "usage: unitsim [options]\n"
           "  --kind softener|osmosis|measuring   the unit (softener)\n"
           "  --serial NNNNNN                     its serial number (123456)\n"
           "  --level 0|1|2                       level of a correct login (2)\n"
           "  --variant 0..6                      measuring unit's login answer form (0)\n"
           "  --logger N                          measuring unit: N records in its data logger "
           "(0)\n"
           "  --short                             parameter record in the short form\n"
           "  --two-part                          parameter record in two answers\n"
           "  --two-part-history                  status history in two answers\n"
           "  --baud 0|9600|19200                 pace the line at this rate (0: off)\n"
           "  --speed N                           plant clock N times real time (1)\n"
           "  --plant 1|2|4|8                     softener plant type: one filter,\n"
           "                                      change-over, parallel, serial (1)\n"
           "  --modem                             a Hayes modem in front of the unit:\n"
           "                                      the program must dial and hang up\n"
           "  --dial-delay MS                     modem: dial command to result (1500)\n"
           "  --com COM1..COM9                    bind the line under this name\n"
           "  --ports DIR                         ports folder (the programs' default)\n"
           "  --help, --version                   this help, the version\n"
           "Commands on standard input: level N, serial NNNNNN, baud N,\n"
           "  fault none|checksum|lowercase|echo|silence|overlong|endless|slow|vanish|carrierloss\n"
           "        [N|always], help, quit\n"
           "Plant: stop on|off, alarm on|off, speed N, advance MIN, pin OFFSET HH, pin clear;\n"
           "  the softener's also chemicals on|off (on: running low), plant 1|2|4|8, show\n"
           "Logs: error CODE (an alarm with this error code), history [status|error];\n"
           "  the softener's also twopart on|off (status history in two answers)\n"
           "Modem: modem (its state), modem connect|nocarrier|busy|speed|silent (answer\n"
           "  to the next dial commands; speed: CONNECT 19200), modem drop (lose the\n"
           "  carrier), modem escape ok|silent|garbage (answer to an escape)\n"
           "Measuring unit: logger (its size), logger N (N generated records), logger clear,\n"
           "  logger count N|off (DFL announces N bytes), logger endless on|off (blocks\n"
           "  never end), temperature on|off (off: no temperature in RMV)\n";
}

}  // namespace unitsim
