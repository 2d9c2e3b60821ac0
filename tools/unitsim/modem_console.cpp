#include "tools/unitsim/modem_console.h"

#include <utility>

namespace unitsim {

namespace {

constexpr std::pair<const char*, ModemOutcome> kOutcomes[] = {
    {"connect", ModemOutcome::Connect}, {"nocarrier", ModemOutcome::NoCarrier},
    {"busy", ModemOutcome::Busy},       {"speed", ModemOutcome::ConnectWithSpeed},
    {"silent", ModemOutcome::Silent},
};

constexpr std::pair<const char*, EscapeResponse> kResponses[] = {
    {"ok", EscapeResponse::Ok},
    {"silent", EscapeResponse::Silent},
    {"garbage", EscapeResponse::Garbage},
};

const char* stateName(ModemState state) {
    switch (state) {
        case ModemState::Idle:
            return "idle";
        case ModemState::Dialling:
            return "dialling";
        case ModemState::Online:
            return "online";
        case ModemState::OnlineCommand:
            return "connected, in command mode";
    }
    return "idle";
}

}  // namespace

void ModemConsole::execute(const std::string& argument, const std::string& extra) {
    if (!simulator_.hasModem()) return log_.line("no modem (start with --modem)");
    if (argument.empty()) return show();
    if (argument == "drop") return drop();
    if (argument == "escape") return escape(extra);
    for (const auto& [name, outcome] : kOutcomes) {
        if (argument != name) continue;
        simulator_.setDialOutcome(outcome);
        return log_.line("modem answers the next dial commands: " + argument);
    }
    log_.line("modem [connect|nocarrier|busy|speed|silent|drop], modem escape ok|silent|garbage");
}

void ModemConsole::show() {
    const std::string number = simulator_.dialledNumber();
    log_.line(std::string("modem ") + stateName(simulator_.modemState()) +
              (number.empty() ? "" : ", last number dialled " + number));
}

void ModemConsole::drop() {
    if (simulator_.modemState() == ModemState::Idle ||
        simulator_.modemState() == ModemState::Dialling)
        return log_.line("modem not connected");
    simulator_.dropCarrier();
    log_.line("modem carrier dropped");
}

void ModemConsole::escape(const std::string& response) {
    for (const auto& [name, value] : kResponses) {
        if (response != name) continue;
        simulator_.setEscapeResponse(value);
        return log_.line("modem answers an escape: " + response);
    }
    log_.line("modem escape ok|silent|garbage");
}

}  // namespace unitsim
