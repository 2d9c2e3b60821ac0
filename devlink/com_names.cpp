#include "devlink/com_names.h"

#include <sys/stat.h>

#include <cstdlib>

namespace devlink {

namespace {

std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? std::string(value) : std::string();
}

}  // namespace

std::string portsFolder() {
    if (auto folder = environment("AQUENDOR_PORTS"); !folder.empty()) return folder;
    if (auto config = environment("XDG_CONFIG_HOME"); !config.empty())
        return config + "/aquendor/ports";
    return environment("HOME") + "/.config/aquendor/ports";
}

std::string resolveComName(std::string_view comName) {
    if (comName.size() != 4 || comName.substr(0, 3) != "COM" || comName[3] < '1' ||
        comName[3] > '9')
        return {};
    const std::string entry = portsFolder() + "/" + std::string(comName);
    struct stat info {};
    if (lstat(entry.c_str(), &info) == 0) return entry;
    return "/dev/ttyS" + std::to_string(comName[3] - '1');
}

}  // namespace devlink
