// A network serial server in front of a line, as a plant may have one:
// ser2net started on 127.0.0.1 at a free port, serving a device (the
// simulator's pseudo-terminal, or a link to it) raw or with RFC 2217. For
// the tests and benchmarks that reach a unit over the network.
#pragma once

#include <sys/types.h>

#include <string>

namespace unitsim {

class SerialServer {
  public:
    enum class Mode { Raw, Rfc2217 };

    SerialServer() = default;
    ~SerialServer() { stop(); }
    SerialServer(const SerialServer&) = delete;
    SerialServer& operator=(const SerialServer&) = delete;

    // The ser2net program, looked for on the PATH and in the sbin folders;
    // empty when it is not installed.
    static std::string program();
    // A TCP port on 127.0.0.1 that nothing listens on at the moment.
    static int freePort();

    // Starts ser2net serving device in folder (its configuration and log
    // go there), on port or, with 0, on a free one. kickOldUser: a new
    // client pushes the one connected off. Returns once it listens; false
    // with why() saying what went wrong.
    bool start(const std::string& device, Mode mode, const std::string& folder, int port = 0,
               bool kickOldUser = false);
    // Ends ser2net: its clients see the connection closed.
    void stop();

    bool running() const { return pid_ > 0; }
    int port() const { return port_; }
    // "tcp://127.0.0.1:PORT" or "rfc2217://127.0.0.1:PORT".
    std::string url() const;
    const std::string& why() const { return why_; }

  private:
    bool startOnce(const std::string& device, const std::string& folder, int port);
    bool waitUntilListening();
    bool listensHere() const;

    Mode mode_ = Mode::Raw;
    bool kickOldUser_ = false;
    pid_t pid_ = -1;
    int port_ = 0;
    std::string log_;
    std::string why_;
};

}  // namespace unitsim
