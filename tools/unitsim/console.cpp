#include "tools/unitsim/console.h"

#include <sstream>
#include <utility>

#include "tools/unitsim/cli_options.h"

namespace unitsim {

namespace {

constexpr std::pair<const char*, Fault> kFaultNames[] = {
    {"none", Fault::None},
    {"checksum", Fault::WrongChecksum},
    {"lowercase", Fault::LowerCaseChecksum},
    {"echo", Fault::ChecksumEcho},
    {"silence", Fault::Silence},
    {"overlong", Fault::Overlong},
    {"endless", Fault::EndlessStream},
    {"slow", Fault::SlowBytes},
    {"vanish", Fault::Vanish},
    {"carrierloss", Fault::CarrierLoss},
};

bool toNumber(const std::string& text, int& value) {
    std::istringstream in(text);
    return static_cast<bool>(in >> value) && in.eof();
}

}  // namespace

bool Console::execute(const std::string& line) {
    std::istringstream words(line);
    std::string command, argument, extra;
    words >> command >> argument >> extra;
    if (command.empty()) return true;
    if (command == "quit" || command == "exit") return false;
    if (command == "level")
        setLevel(argument);
    else if (command == "serial")
        setSerialNumber(argument);
    else if (command == "baud")
        setBaud(argument);
    else if (command == "fault")
        setFault(argument, extra);
    else if (command == "modem")
        modem_.execute(argument, extra);
    else if (!plant_.execute(command, argument, extra) && !history_.execute(command, argument) &&
             !measuring_.execute(command, argument, extra))
        log_.line(command == "help" ? usageText() : "unknown command (try help): " + command);
    return true;
}

void Console::setLevel(const std::string& argument) {
    int level = 0;
    if (!toNumber(argument, level) || level < 0 || level > 2) return log_.line("level 0, 1 or 2");
    simulator_.setLevel(level);
    log_.line("login level now " + argument);
}

void Console::setSerialNumber(const std::string& argument) {
    if (argument.size() != 6) return log_.line("a serial number has six characters");
    simulator_.setSerialNumber(argument);
    log_.line("serial number now " + argument);
}

void Console::setBaud(const std::string& argument) {
    int baud = 0;
    if (!toNumber(argument, baud) || (baud != 0 && baud != 9600 && baud != 19200))
        return log_.line("baud 0, 9600 or 19200");
    simulator_.setBaud(baud);
    log_.line(baud ? "line paced at " + argument + " baud" : "line not paced");
}

// "fault NAME" spoils the next answer, "fault NAME 3" the next three and
// "fault NAME always" every answer until "fault none".
void Console::setFault(const std::string& name, const std::string& count) {
    int answers = 1;
    if (count == "always")
        answers = -1;
    else if (!count.empty() && (!toNumber(count, answers) || answers < 1))
        return log_.line("fault count: a number from 1, or always");
    for (const auto& [faultName, fault] : kFaultNames) {
        if (name != faultName) continue;
        simulator_.setFault(fault, answers);
        return log_.line(fault == Fault::None ? "faults cleared" : "fault set: " + name);
    }
    log_.line(
        "fault none|checksum|lowercase|echo|silence|overlong|endless|slow|vanish|carrierloss "
        "[N|always]");
}

}  // namespace unitsim
