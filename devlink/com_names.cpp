#include "devlink/com_names.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>

#include "devlink/network_address.h"

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

bool isDevicePathName(std::string_view name) {
    return !name.empty() && name.front() == '/';
}

std::string resolveComName(std::string_view comName) {
    if (isDevicePathName(comName)) return std::string(comName);
    if (comName.size() != 4 || comName.substr(0, 3) != "COM" || comName[3] < '1' ||
        comName[3] > '9')
        return {};
    const std::string entry = portsFolder() + "/" + std::string(comName);
    struct stat info {};
    if (lstat(entry.c_str(), &info) == 0) return entry;
    return "/dev/ttyS" + std::to_string(comName[3] - '1');
}

std::string networkBindingText(std::string_view comName) {
    if (isNetworkText(comName)) return std::string(comName);
    const std::string entry = resolveComName(comName);
    if (entry.rfind(portsFolder() + "/", 0) != 0) return {};
    char target[1024];
    const ssize_t n = readlink(entry.c_str(), target, sizeof target);
    if (n <= 0 || static_cast<std::size_t>(n) >= sizeof target) return {};
    std::string text(target, static_cast<std::size_t>(n));
    return isNetworkText(text) ? text : std::string();
}

}  // namespace devlink
