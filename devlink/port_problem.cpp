#include "devlink/port_problem.h"

#include <dirent.h>

#include <algorithm>
#include <cstring>
#include <fstream>

#include "devlink/com_names.h"

namespace devlink {

namespace {

std::vector<std::string> entries(const std::string& folder, const char* prefix) {
    std::vector<std::string> found;
    DIR* dir = opendir(folder.c_str());
    if (!dir) return found;
    while (const dirent* entry = readdir(dir)) {
        const std::string name = entry->d_name;
        if (name == "." || name == "..") continue;
        if (name.rfind(prefix, 0) == 0) found.push_back(folder + "/" + name);
    }
    closedir(dir);
    std::sort(found.begin(), found.end());
    return found;
}

std::string processName(pid_t pid) {
    std::ifstream comm("/proc/" + std::to_string(pid) + "/comm");
    std::string name;
    std::getline(comm, name);
    return name;
}

std::string joined(const std::vector<std::string>& items, const std::string& none) {
    if (items.empty()) return none;
    std::string text;
    for (const std::string& item : items) text += (text.empty() ? "" : ", ") + item;
    return text;
}

std::string holderText(const PortProblem& p, bool english) {
    if (p.holder <= 0) return {};
    const std::string name = processName(p.holder);
    return std::string(english ? " (process " : " (Prozess ") + std::to_string(p.holder) +
           (name.empty() ? "" : " " + name) + ")";
}

}  // namespace

std::vector<std::string> presentSerialDevices() {
    std::vector<std::string> devices = entries("/dev/serial/by-id", "");
    for (const char* prefix : {"ttyUSB", "ttyACM"}) {
        const auto more = entries("/dev", prefix);
        devices.insert(devices.end(), more.begin(), more.end());
    }
    return devices;
}

std::string explain(const PortProblem& p, bool english) {
    using K = PortProblem::Kind;
    const std::string& path = p.path;
    switch (p.kind) {
        case K::None:
            return {};
        case K::NoComName:
            return english ? "Only COM1 to COM9 can be opened."
                           : "Nur COM1 bis COM9 sind m\u00F6glich.";
        case K::Missing:
            return english
                       ? path + ": no such device. " + p.comName + " is set in the ports folder " +
                             portsFolder() +
                             " (aquendor-ports lists and binds them). Serial devices present: " +
                             joined(presentSerialDevices(), "none") + "."
                       : path + ": Ger\u00E4t nicht vorhanden. " + p.comName + " wird im Ordner " +
                             portsFolder() +
                             " festgelegt (aquendor-ports zeigt und setzt die Namen). "
                             "Vorhandene serielle Ger\u00E4te: " +
                             joined(presentSerialDevices(), "keine") + ".";
        case K::Permission:
            return english ? path +
                                 ": permission denied. Add yourself to the group dialout: "
                                 "sudo usermod -aG dialout $USER, then log in again."
                           : path +
                                 ": keine Berechtigung. Bitte in die Gruppe dialout "
                                 "aufnehmen: sudo usermod -aG dialout $USER, danach neu "
                                 "anmelden.";
        case K::Busy:
            return english
                       ? path + ": held by another program" + holderText(p, true) + "."
                       : path + ": von einem anderen Programm belegt" + holderText(p, false) + ".";
        case K::NotSerial:
            return english ? path + ": not a serial device."
                           : path + ": keine serielle Schnittstelle.";
        case K::Lost:
            return english ? path +
                                 ": the device has gone (adapter unplugged?). Plug it in again "
                                 "and repeat the action."
                           : path +
                                 ": das Ger\u00E4t ist weg (Adapter abgezogen?). Bitte wieder "
                                 "einstecken und die Aktion wiederholen.";
        case K::Other:
            break;
    }
    return path + ": " + std::strerror(p.error);
}

}  // namespace devlink
