// One connection on 127.0.0.1 served by a script in a thread of its own,
// for servers that do what ser2net never does: refuse Com Port Control, set
// another speed, keep the program waiting.
#pragma once

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <functional>
#include <initializer_list>
#include <string>
#include <thread>

namespace testsupport {

inline std::string bytes(std::initializer_list<int> list) {
    std::string text;
    for (int byte : list) text += static_cast<char>(byte);
    return text;
}

class ScriptedServer {
  public:
    explicit ScriptedServer(std::function<void(int)> script) {
        listener_ = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t size = sizeof address;
        bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address);
        listen(listener_, 1);
        getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &size);
        port_ = ntohs(address.sin_port);
        thread_ = std::thread([this, script = std::move(script)] {
            const int client = accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
            if (client < 0) return;
            script(client);
            close(client);
        });
    }
    ~ScriptedServer() {
        shutdown(listener_, SHUT_RDWR);  // an accept still waiting ends
        thread_.join();
        close(listener_);
    }
    std::string url() const { return "rfc2217://127.0.0.1:" + std::to_string(port_); }

  private:
    int listener_ = -1;
    int port_ = 0;
    std::thread thread_;
};

// Reads until the text holds wanted or the client has gone.
inline void readUntil(int fd, const std::string& wanted) {
    std::string text;
    char c;
    while (text.find(wanted) == std::string::npos && recv(fd, &c, 1, 0) == 1) text += c;
}

inline void readToEnd(int fd) {
    char c;
    while (recv(fd, &c, 1, 0) == 1) {
    }
}

// IAC WILL COM-PORT-OPTION, as the program offers it.
inline const std::string kComPortOffer = bytes({255, 251, 44});

}  // namespace testsupport
