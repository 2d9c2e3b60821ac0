#include "tools/ports/ports_command.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "devlink/com_names.h"
#include "devlink/network_address.h"
#include "devlink/port_problem.h"

namespace ports {

namespace {

const char* kUsage =
    "Usage: aquendor-ports                      list serial devices and COM1 ... COM9\n"
    "       aquendor-ports bind COMn DEVICE     let COMn open DEVICE (best a stable\n"
    "                                           name from /dev/serial/by-id)\n"
    "       aquendor-ports bind COMn tcp://HOST:PORT\n"
    "       aquendor-ports bind COMn rfc2217://HOST:PORT\n"
    "                                           let COMn reach a serial port on a\n"
    "                                           network serial server, raw or with\n"
    "                                           RFC 2217 (Telnet Com Port Control)\n"
    "       aquendor-ports unbind COMn          COMn opens /dev/ttyS<n-1> again\n"
    "The bindings are symbolic links in the ports folder ($AQUENDOR_PORTS, else\n"
    "$XDG_CONFIG_HOME/aquendor/ports or ~/.config/aquendor/ports). Using a serial\n"
    "device needs membership of its group (usually dialout). A network port is not\n"
    "encrypted: across a public network reach it through an SSH tunnel or a VPN.\n";

bool isComName(const std::string& name) {
    return name.size() == 4 && name.compare(0, 3, "COM") == 0 && name[3] >= '1' && name[3] <= '9';
}

// The device a path finally names, or empty when it does not exist.
std::string finalDevice(const std::string& path) {
    char resolved[PATH_MAX];
    return realpath(path.c_str(), resolved) ? std::string(resolved) : std::string();
}

std::string linkTarget(const std::string& path) {
    char target[PATH_MAX];
    const ssize_t n = readlink(path.c_str(), target, sizeof target - 1);
    return n > 0 ? std::string(target, static_cast<std::size_t>(n)) : std::string();
}

void listDevices(std::ostream& out) {
    out << "Serial devices:\n";
    const auto devices = devlink::presentSerialDevices();
    if (devices.empty())
        out << "  none found (USB adapters appear as /dev/ttyUSB* or /dev/ttyACM*)\n";
    for (const std::string& device : devices) {
        const std::string final = finalDevice(device);
        out << "  " << device;
        if (!final.empty() && final != device) out << "  (" << final << ")";
        out << "\n";
    }
}

// "(network serial server, RFC 2217)" for a network binding, empty for a device.
std::string networkNote(const std::string& text) {
    const auto address = devlink::parseNetworkAddress(text);
    if (!address) return "  (no valid network address: tcp://HOST:PORT or rfc2217://HOST:PORT)";
    return address->protocol == devlink::NetworkAddress::Protocol::Raw
               ? "  (network serial server, raw TCP)"
               : "  (network serial server, RFC 2217)";
}

void listComNames(std::ostream& out) {
    out << "COM names (ports folder " << devlink::portsFolder() << "):\n";
    for (char digit = '1'; digit <= '9'; ++digit) {
        const std::string com = std::string("COM") + digit;
        if (const std::string network = devlink::networkBindingText(com); !network.empty()) {
            out << "  " << com << "  " << network << networkNote(network) << "\n";
            continue;
        }
        const std::string path = devlink::resolveComName(com);
        const std::string target = linkTarget(path);
        const bool bound = path != "/dev/ttyS" + std::to_string(digit - '1');
        out << "  " << com << "  " << (target.empty() ? path : target);
        if (!bound) out << "  (default)";
        if (finalDevice(path).empty()) out << "  (missing)";
        out << "\n";
    }
}

// The binding is read from the ports folder, so a relative name means the
// folder the command was given in.
std::string absolute(const std::string& path) {
    if (path.empty() || path.front() == '/') return path;
    char folder[PATH_MAX];
    if (!getcwd(folder, sizeof folder)) return path;
    return std::string(folder) + "/" + path;
}

// The entry COMn in the ports folder, replaced in one step: a program
// resolving the name sees the old binding or the new one, never none.
bool writeBinding(const std::string& com, const std::string& text, std::ostream& err) {
    const std::string folder = devlink::portsFolder();
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    const std::string entry = folder + "/" + com;
    const std::string temporary = entry + ".new";
    ::unlink(temporary.c_str());
    if (symlink(text.c_str(), temporary.c_str()) != 0 ||
        std::rename(temporary.c_str(), entry.c_str()) != 0) {
        err << "aquendor-ports: cannot write " << entry << ": " << std::strerror(errno) << "\n";
        ::unlink(temporary.c_str());
        return false;
    }
    return true;
}

int bindNetwork(const std::string& com, const std::string& given, std::ostream& out,
                std::ostream& err) {
    const auto address = devlink::parseNetworkAddress(given);
    if (!address) {
        err << "aquendor-ports: " << given
            << " is no network address: tcp://HOST:PORT or rfc2217://HOST:PORT\n";
        return 1;
    }
    if (!writeBinding(com, address->url(), err)) return 1;
    out << com << " -> " << address->url() << networkNote(address->url()) << "\n"
        << "Note: the connection is not encrypted and carries the unit's serial number; across a\n"
        << "public network reach the server through an SSH tunnel or a VPN.\n";
    return 0;
}

int bind(const std::string& com, const std::string& given, std::ostream& out, std::ostream& err) {
    if (!isComName(com)) {
        err << "aquendor-ports: " << com << " is no COM name (COM1 ... COM9)\n";
        return 2;
    }
    if (devlink::isNetworkText(given)) return bindNetwork(com, given, out, err);
    const std::string device = absolute(given);
    struct stat info {};
    if (stat(device.c_str(), &info) != 0) {
        err << "aquendor-ports: " << device << ": " << std::strerror(errno) << "\n";
        return 1;
    }
    // Serial devices, USB adapters and pseudo-terminals alike, are character
    // devices; a file or a folder would only fail when a program opens it.
    if (!S_ISCHR(info.st_mode)) {
        err << "aquendor-ports: " << device << " is no serial device (not a character device)\n";
        return 1;
    }
    if (!writeBinding(com, device, err)) return 1;
    const std::string final = finalDevice(device);
    out << com << " -> " << device;
    if (!final.empty() && final != device) out << "  (" << final << ")";
    out << "\n";
    if (access(device.c_str(), R_OK | W_OK) != 0) {
        const std::string group = devlink::deviceGroup(device);
        out << "Note: you may not use " << device << " yet. ";
        if (group.empty())
            out << "No group may use it; ask the administrator for access.\n";
        else
            out << "Add yourself to the group " << group << ":\n  sudo usermod -aG " << group
                << " $USER\nthen log in again.\n";
    }
    return 0;
}

int unbind(const std::string& com, std::ostream& out, std::ostream& err) {
    if (!isComName(com)) {
        err << "aquendor-ports: " << com << " is no COM name (COM1 ... COM9)\n";
        return 2;
    }
    const std::string entry = devlink::portsFolder() + "/" + com;
    if (::unlink(entry.c_str()) != 0 && errno != ENOENT) {
        err << "aquendor-ports: cannot remove " << entry << ": " << std::strerror(errno) << "\n";
        return 1;
    }
    out << com << " -> " << devlink::resolveComName(com) << " (default)\n";
    return 0;
}

}  // namespace

int runPortsCommand(const std::vector<std::string>& arguments, std::ostream& out,
                    std::ostream& err) {
    if (arguments.empty() || arguments[0] == "list") {
        listDevices(out);
        listComNames(out);
        return 0;
    }
    if (arguments[0] == "--help" || arguments[0] == "-h") {
        out << kUsage;
        return 0;
    }
    if (arguments[0] == "--version") {
        out << "aquendor-ports 1.0\nfrom the package " AQUENDOR_PACKAGE_VERSION "\n";
        return 0;
    }
    if (arguments[0] == "bind" && arguments.size() == 3)
        return bind(arguments[1], arguments[2], out, err);
    if (arguments[0] == "unbind" && arguments.size() == 2) return unbind(arguments[1], out, err);
    err << kUsage;
    return 2;
}

}  // namespace ports
