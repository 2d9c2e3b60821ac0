#include "tools/unitsim/plant_console.h"

#include <charconv>
#include <cstdio>
#include <optional>

#include "devlink/fields.h"

namespace unitsim {

namespace {

using Handler = void (PlantConsole::*)(const std::string&, const std::string&);

std::optional<bool> onOff(const std::string& text) {
    if (text == "on") return true;
    if (text == "off") return false;
    return std::nullopt;
}

std::optional<double> toDouble(const std::string& text) {
    double value = 0.0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) return {};
    return value;
}

std::optional<unsigned> toUnsigned(const std::string& text, int base) {
    unsigned value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) return {};
    return value;
}

bool bitOf(const std::string& area, std::size_t offset, int bit) {
    return (devlink::decodeByte(area, offset) >> bit) & 1;
}

std::string filterLine(const std::string& area, int filter) {
    const std::size_t stageAt = filter == 1 ? 172 : 176;
    const int valveBit = filter == 1 ? 6 : 4;
    char text[120];
    std::snprintf(text, sizeof text,
                  "filter %d: stage %d (%d min), service valve %s%s, meter %.0f l", filter,
                  devlink::decodeByte(area, stageAt), devlink::decodeByte(area, stageAt + 2),
                  bitOf(area, 162, valveBit) ? "open" : "closed",
                  bitOf(area, 186, filter - 1) ? ", waiting" : "",
                  devlink::decodeFloat(area, filter == 1 ? 72 : 80));
    return text;
}

}  // namespace

bool PlantConsole::execute(const std::string& command, const std::string& argument,
                           const std::string& extra) {
    static const std::pair<const char*, Handler> kCommands[] = {
        {"stop", &PlantConsole::stop},
        {"alarm", &PlantConsole::alarm},
        {"chemicals", &PlantConsole::chemicals},
        {"speed", &PlantConsole::speed},
        {"advance", &PlantConsole::advance},
        {"plant", &PlantConsole::plant},
        {"pin", &PlantConsole::pin},
        {"show", &PlantConsole::show},
    };
    for (const auto& [name, handler] : kCommands) {
        if (command != name) continue;
        (this->*handler)(argument, extra);
        return true;
    }
    return false;
}

void PlantConsole::stop(const std::string& argument, const std::string&) {
    const auto closed = onOff(argument);
    if (!closed) return log_.line("stop on|off");
    simulator_.setStopInput(*closed);
    log_.line(*closed ? "stop input closed: the plant stands still" : "stop input open");
}

void PlantConsole::alarm(const std::string& argument, const std::string&) {
    const auto on = onOff(argument);
    if (!on) return log_.line("alarm on|off");
    simulator_.raiseAlarm(*on);
    log_.line(*on ? "alarm raised" : "alarm cleared");
}

void PlantConsole::chemicals(const std::string& argument, const std::string&) {
    const auto low = onOff(argument);
    if (!low) return log_.line("chemicals on|off (on: the container runs low)");
    simulator_.setChemicalsLow(*low);
    log_.line(*low ? "chemicals low" : "chemicals refilled");
}

void PlantConsole::speed(const std::string& argument, const std::string&) {
    const auto scale = toDouble(argument);
    if (!scale || *scale < 0.0 || *scale > 100000.0)
        return log_.line("speed N: simulated seconds per second, 0 to 100000");
    simulator_.setTimeScale(*scale);
    log_.line("plant clock at " + argument + " times real time");
}

void PlantConsole::advance(const std::string& argument, const std::string&) {
    const auto minutes = toDouble(argument);
    if (!minutes || *minutes <= 0.0 || *minutes > 1e6)
        return log_.line("advance MIN: simulated minutes to jump on");
    simulator_.advanceMinutes(*minutes);
    log_.line("plant advanced " + argument + " minutes");
}

void PlantConsole::plant(const std::string& argument, const std::string&) {
    const auto type = toUnsigned(argument, 10);
    if (!type || !simulator_.setPlantType(static_cast<int>(*type)))
        return log_.line("plant 1|2|4|8: one filter, change-over, parallel, serial");
    log_.line("plant type now " + argument);
}

// "pin 162 40" pins the byte at character 162 to hex 40; "pin clear" frees all.
void PlantConsole::pin(const std::string& argument, const std::string& extra) {
    if (argument == "clear") {
        simulator_.clearStatusOverrides();
        return log_.line("status bytes free");
    }
    const auto offset = toUnsigned(argument, 10);
    const auto value = toUnsigned(extra, 16);
    if (!offset || !value || *value > 0xFF ||
        !simulator_.overrideStatusByte(*offset, static_cast<std::uint8_t>(*value)))
        return log_.line("pin OFFSET HH (offset 0..188, value in hex) or pin clear");
    log_.line("status byte " + argument + " pinned to " + extra);
}

void PlantConsole::show(const std::string&, const std::string&) {
    const std::string area = simulator_.statusArea();
    char capacity[64];
    std::snprintf(capacity, sizeof capacity, "residual capacity %.1f, operation hours %u",
                  devlink::decodeFloat(area, 8), devlink::decodeWord32(area, 120));
    log_.line(filterLine(area, 1));
    log_.line(filterLine(area, 2));
    log_.line(capacity);
}

}  // namespace unitsim
