#include "devlink/port_problem.h"

#include <dirent.h>
#include <grp.h>
#include <sys/stat.h>

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

// Who holds the port and what the technician does about it.
std::string busyText(const PortProblem& p, bool english) {
    if (p.holder > 0) {
        const std::string name = processName(p.holder);
        const std::string process = std::to_string(p.holder) + (name.empty() ? "" : " " + name);
        return english ? " (process " + process + "). Close that program, then try again."
                       : " (Prozess " + process +
                             "). Bitte dieses Programm beenden und es dann erneut versuchen.";
    }
    if (!p.lockFile.empty())
        return english ? " (lock file " + p.lockFile +
                             "). Close that program, then try again; if none is running, remove "
                             "the lock file."
                       : " (Sperrdatei " + p.lockFile +
                             "). Bitte dieses Programm beenden und es dann erneut versuchen; "
                             "l\u00E4uft keines, die Sperrdatei l\u00F6schen.";
    return english ? ". Close the program that uses it, then try again."
                   : ". Bitte das Programm beenden, das sie verwendet, und es dann erneut "
                     "versuchen.";
}

std::string missingText(const PortProblem& p, bool english) {
    const std::string present = joined(presentSerialDevices(), english ? "none" : "keine");
    // A device named by its path has no COM name and no ports folder behind it.
    if (isDevicePathName(p.comName))
        return english
                   ? p.path + ": no such device. Serial devices present: " + present + "."
                   : p.path + ": Ger\u00E4t nicht vorhanden. Vorhandene serielle Ger\u00E4te: " +
                         present + ".";
    if (english)
        return p.path + ": no such device. " + p.comName +
               (p.bound ? " is set in the ports folder " + portsFolder() +
                              " (aquendor-ports lists and binds them)."
                        : " has no entry in the ports folder " + portsFolder() +
                              " and opens this default (aquendor-ports binds it to a device).") +
               " Serial devices present: " + present + ".";
    return p.path + ": Ger\u00E4t nicht vorhanden. " + p.comName +
           (p.bound ? " wird im Ordner " + portsFolder() +
                          " festgelegt (aquendor-ports zeigt und setzt die Namen)."
                    : " hat keinen Eintrag im Ordner " + portsFolder() +
                          " und \u00F6ffnet diese Vorgabe (aquendor-ports setzt die Namen).") +
           " Vorhandene serielle Ger\u00E4te: " + present + ".";
}

std::string permissionText(const PortProblem& p, bool english) {
    const std::string& group = p.group;
    if (group.empty())
        return english ? p.path +
                             ": permission denied. No group may use it; ask the administrator "
                             "for access."
                       : p.path +
                             ": keine Berechtigung. Keine Gruppe darf es verwenden; bitte den "
                             "Administrator um Zugriff bitten.";
    return english ? p.path + ": permission denied. Add yourself to the group " + group +
                         ": sudo usermod -aG " + group + " $USER, then log in again."
                   : p.path + ": keine Berechtigung. Bitte in die Gruppe " + group +
                         " aufnehmen: sudo usermod -aG " + group + " $USER, danach neu anmelden.";
}

// A built-in port has a UART behind it when the kernel knows its type (0
// is none); without the type to read, the device counts.
bool hasUart(const std::string& ttyClassFolder, const std::string& device) {
    std::ifstream type(ttyClassFolder + "/" + device.substr(device.rfind('/') + 1) + "/type");
    int value = 0;
    return !(type >> value) || value != 0;
}

}  // namespace

std::vector<std::string> presentSerialDevices() {
    return presentSerialDevices("/dev", "/sys/class/tty");
}

std::vector<std::string> presentSerialDevices(const std::string& devFolder,
                                              const std::string& ttyClassFolder) {
    std::vector<std::string> devices = entries(devFolder + "/serial/by-id", "");
    for (const char* prefix : {"ttyUSB", "ttyACM"}) {
        const auto more = entries(devFolder, prefix);
        devices.insert(devices.end(), more.begin(), more.end());
    }
    for (const std::string& device : entries(devFolder, "ttyS"))
        if (hasUart(ttyClassFolder, device)) devices.push_back(device);
    return devices;
}

std::string deviceGroup(const std::string& path) {
    struct stat info {};
    if (stat(path.c_str(), &info) != 0 || info.st_gid == 0 ||
        (info.st_mode & (S_IRGRP | S_IWGRP)) != (S_IRGRP | S_IWGRP))
        return {};
    group entry{};
    group* found = nullptr;
    char buffer[4096];
    if (getgrgid_r(info.st_gid, &entry, buffer, sizeof buffer, &found) != 0 || !found)
        return std::to_string(info.st_gid);
    return found->gr_name;
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
            return missingText(p, english);
        case K::Permission:
            return permissionText(p, english);
        case K::Busy:
            return english ? path + ": held by another program" + busyText(p, true)
                           : path + ": von einem anderen Programm belegt" + busyText(p, false);
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
        default:
            return explainNetwork(p, english);
    }
    return path + ": " + std::strerror(p.error);
}

}  // namespace devlink
