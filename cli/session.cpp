#include "cli/session.h"

namespace cli {

ControllerSession::ControllerSession(Console& console, const UnitAddress& address,
                                     const std::string& folder)
    : ui(console),
      line(ui, console, false),
      unit(controllerKind(address.kind), {line.link(), ui}),
      address_(address) {
    ui.setSerialNumber(address.serial);
    ui.setDialNumber(address.line.dial);
    ui.setStartDirectory(folder);
}

MeasuringSession::MeasuringSession(Console& console, const UnitAddress& address)
    : ui(console), line(ui, console, true), address_(address) {
    ui.setSerialNumber(address.serial);
    ui.setDialNumber(address.line.dial);
}

}  // namespace cli
