#include "tools/unitsim/serial_server.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

namespace unitsim {

namespace {

constexpr int kAttempts = 5;
constexpr int kStartLimitMs = 10000;
constexpr int kStopLimitMs = 5000;

void pause1ms() {
    const timespec pause{0, 1000000};
    nanosleep(&pause, nullptr);
}

std::string fileText(const std::string& path) {
    std::ifstream file(path);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

// The inodes of the sockets that listen on 127.0.0.1:port.
std::vector<std::string> listeningInodes(int port) {
    std::vector<std::string> inodes;
    std::ifstream table("/proc/net/tcp");
    std::string line;
    char local[32];
    std::snprintf(local, sizeof local, "0100007F:%04X", port);
    std::getline(table, line);  // the heading
    while (std::getline(table, line)) {
        std::istringstream fields(line);
        std::string slot, address, remote, state, queues, timer, retransmits, uid, timeout, inode;
        if (!(fields >> slot >> address >> remote >> state >> queues >> timer >> retransmits >>
              uid >> timeout >> inode))
            continue;
        if (address == local && state == "0A") inodes.push_back(inode);
    }
    return inodes;
}

}  // namespace

std::string SerialServer::program() {
    std::string folders = std::getenv("PATH") ? std::getenv("PATH") : "";
    folders += ":/usr/sbin:/sbin:/usr/local/sbin";
    std::istringstream list(folders);
    std::string folder;
    while (std::getline(list, folder, ':')) {
        if (folder.empty()) continue;
        const std::string path = folder + "/ser2net";
        if (access(path.c_str(), X_OK) == 0) return path;
    }
    return {};
}

int SerialServer::freePort() {
    const int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return 0;
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof address;
    int port = 0;
    if (bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
        getsockname(fd, reinterpret_cast<sockaddr*>(&address), &size) == 0)
        port = ntohs(address.sin_port);
    close(fd);
    return port;
}

std::string SerialServer::url() const {
    return std::string(mode_ == Mode::Raw ? "tcp" : "rfc2217") +
           "://127.0.0.1:" + std::to_string(port_);
}

bool SerialServer::start(const std::string& device, Mode mode, const std::string& folder, int port,
                         bool kickOldUser) {
    stop();
    mode_ = mode;
    kickOldUser_ = kickOldUser;
    if (program().empty()) {
        why_ = "ser2net is not installed (Debian package ser2net)";
        return false;
    }
    // A free port may be taken by another program before ser2net binds it:
    // then another one. A port asked for is tried once.
    for (int attempt = 0; attempt < (port ? 1 : kAttempts); ++attempt)
        if (startOnce(device, folder, port ? port : freePort())) return true;
    return false;
}

bool SerialServer::startOnce(const std::string& device, const std::string& folder, int port) {
    port_ = port;
    const std::string config = folder + "/ser2net.yaml";
    log_ = folder + "/ser2net.log";
    {
        std::ofstream out(config, std::ios::trunc);
        out << "connection: &line\n"
            << "    accepter: " << (mode_ == Mode::Raw ? "" : "telnet(rfc2217),")
            << "tcp,127.0.0.1," << port << "\n"
            << "    enable: on\n"
            << "    options:\n"
            << "      kickolduser: " << (kickOldUser_ ? "true" : "false") << "\n"
            << "    connector: serialdev," << device << ",19200n81,local\n";
        if (!out) {
            why_ = "cannot write " + config;
            return false;
        }
    }
    const std::string path = program();
    std::vector<std::string> words = {
        path, "-n", "-u", "-c", config, "-P", folder + "/ser2net.pid"};
    std::vector<char*> argv;
    for (std::string& word : words) argv.push_back(word.data());
    argv.push_back(nullptr);
    const pid_t parent = getpid();
    const pid_t child = fork();
    if (child == 0) {
        // Ends with the test or benchmark that started it, however that ends.
        prctl(PR_SET_PDEATHSIG, SIGTERM);
        if (getppid() != parent) _exit(1);
        const int log = ::open(log_.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if (log >= 0) {
            dup2(log, 1);
            dup2(log, 2);
        }
        execv(path.c_str(), argv.data());
        _exit(127);
    }
    if (child < 0) {
        why_ = "cannot start ser2net";
        return false;
    }
    pid_ = child;
    if (waitUntilListening()) return true;
    stop();
    return false;
}

// ser2net says nothing when it listens; its socket in the kernel's table
// does. Someone else's socket on the port means ser2net could not have it.
bool SerialServer::waitUntilListening() {
    for (int waited = 0; waited < kStartLimitMs; ++waited) {
        int status = 0;
        if (waitpid(pid_, &status, WNOHANG) == pid_) {
            pid_ = -1;
            why_ = "ser2net ended at once: " + fileText(log_);
            return false;
        }
        if (listensHere()) return true;
        if (!listeningInodes(port_).empty() && waited > 1000) {
            why_ = "another program listens on port " + std::to_string(port_);
            return false;
        }
        pause1ms();
    }
    why_ = "ser2net did not listen on port " + std::to_string(port_) + ": " + fileText(log_);
    return false;
}

bool SerialServer::listensHere() const {
    const auto inodes = listeningInodes(port_);
    if (inodes.empty()) return false;
    std::error_code error;
    const std::string fds = "/proc/" + std::to_string(pid_) + "/fd";
    for (const auto& entry : std::filesystem::directory_iterator(fds, error)) {
        const auto target = std::filesystem::read_symlink(entry.path(), error).string();
        for (const std::string& inode : inodes)
            if (target == "socket:[" + inode + "]") return true;
    }
    return false;
}

void SerialServer::stop() {
    if (pid_ <= 0) return;
    kill(pid_, SIGTERM);
    for (int waited = 0; waited < kStopLimitMs; ++waited) {
        if (waitpid(pid_, nullptr, WNOHANG) == pid_) {
            pid_ = -1;
            return;
        }
        pause1ms();
    }
    kill(pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
    pid_ = -1;
}

}  // namespace unitsim
