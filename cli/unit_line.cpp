#include "cli/unit_line.h"

#include <cctype>

#include "devlink/wait_hook.h"

namespace cli {

namespace {

devlink::LinkProfile profileFor(bool measuring) {
    if (measuring) return devlink::LinkProfile{"Vantiqo", true};
    return devlink::LinkProfile{};
}

}  // namespace

std::string portName(const std::string& given) {
    if (given.size() == 4 && (given[0] == 'c' || given[0] == 'C') &&
        (given[1] == 'o' || given[1] == 'O') && (given[2] == 'm' || given[2] == 'M'))
        return "COM" + given.substr(3);
    return given;
}

UnitLine::UnitLine(devlink::LinkWindow& window, Console& console, bool measuring)
    : window_(window),
      console_(console),
      port_(window, !measuring),
      link_(port_, window, profileFor(measuring)),
      modem_(port_, window) {}

UnitLine::~UnitLine() {
    disconnect();
}

ExitCode UnitLine::connect(const LineTarget& target) {
    port_.closePort();
    port_.setPortName(portName(target.port));
    port_.setBaudRate(target.baud);
    if (!port_.openPort()) {
        console_.fail(kPortProblem);
        return kPortProblem;
    }
    if (!target.modem) return kOk;
    modem_.dialUp();
    if (window_.connected()) return kOk;
    return console_.failure(kNoAnswer);
}

void UnitLine::disconnect() {
    if (window_.connected()) hangUp();
    port_.closePort();
}

// A termination signal has made every wait give up; the hang-up needs its
// waits (the guard times around "+++", the modem's OK), so they work again
// for it. A further signal ends them once more.
void UnitLine::hangUp() {
    if (devlink::endRequested()) devlink::withdrawEndRequest();
    modem_.hangUp();
    if (window_.connected()) {
        console_.message(console_.tr("Das Modem hat nicht aufgelegt: bitte das Modem ausschalten.",
                                     "The modem did not hang up: switch the modem off."));
        window_.setConnected(false);
    }
}

}  // namespace cli
