// Measures repeated login + DSI + DPI cycles against the unit simulator
// paced at 19200 bit/s, and compares them with what the line itself allows:
// the bits on the wire plus the mandated 1 ms pauses after paused request
// bytes. The simulator runs in a child process, so the CPU figure is the
// exchanging process's own. With --via the unit is reached through ser2net
// on 127.0.0.1, raw or with RFC 2217, as a plant behind a network serial
// server is; the floor stays that of the serial side.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "devlink/delay.h"
#include "devlink/device_link.h"
#include "devlink/login.h"
#include "devlink/serial_port.h"
#include "devlink/traffic_trace.h"
#include "tools/bench/child_simulator.h"
#include "tools/unitsim/serial_server.h"

namespace {

constexpr int kBaud = 19200;

class QuietWindow : public devlink::LinkWindow {
  public:
    int messages = 0;
    bool english() const override { return true; }
    void showMessage(const std::string& text, devlink::MessageCaption) override {
        std::fprintf(stderr, "message: %s\n", text.c_str());
        ++messages;
    }
    void setStatusText(const std::string&) override {}
    void showLinkState() override {}
    bool intervalReadingTicked() const override { return false; }
    void stopIntervalTimer() override {}
    void startIntervalTimer() override {}
    std::string serialNumberText() const override { return "123456"; }
    void focusSerialNumber() override {}
};

double cpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// What a cycle puts on the line. A paced request byte travels during its
// own 1 ms pause and costs the longer of the two; the pause after a
// request's end byte runs while the answer is already on its way, so that
// byte costs only its own time on the line.
struct CycleBytes {
    std::size_t unpaused = 0;  // login bytes, answer bytes, the end byte of a paced request
    std::size_t paused = 0;    // paced request bytes before the end byte
};

bool runCycle(devlink::DeviceLink& link, CycleBytes& bytes) {
    devlink::AnswerBuffer answer{};
    bytes = {};
    if (devlink::controllerLogin(link, devlink::LoginIntent::Read) != 2) return false;
    bytes.unpaused += devlink::frameRequest("CSN|123456|").size() + 9;  // "CSN|2|0E" + end byte
    for (const char* request : {"DSI|", "DPI|"}) {
        if (!link.exchange(request, request, true, answer)) return false;
        bytes.paused += devlink::frameRequest(request).size() - 1;
        bytes.unpaused += 1 + devlink::answerLength(answer);
    }
    return true;
}

// Puts ser2net in front of the simulator's line and binds the COM name to
// it instead. Empty on success, else why not.
std::string serveThroughNetwork(const std::string& ports, const std::string& comName,
                                unitsim::SerialServer::Mode mode, unitsim::SerialServer& server) {
    const std::string entry = ports + "/" + comName;
    std::error_code error;
    const std::string line = std::filesystem::read_symlink(entry, error).string();
    if (error) return "the simulator's line is not bound as " + comName;
    if (!server.start(line, mode, ports)) return server.why();
    const std::string temporary = entry + ".new";
    if (symlink(server.url().c_str(), temporary.c_str()) != 0 ||
        std::rename(temporary.c_str(), entry.c_str()) != 0)
        return "cannot bind " + comName + " to " + server.url();
    return {};
}

}  // namespace

// exchange_bench [cycles] [--trace FILE] [--via raw|rfc2217]: with a trace,
// every byte is also written to FILE, as a program started with --trace
// does; with --via, the unit is reached through ser2net.
int main(int argc, char** argv) {
    const int cycles = argc > 1 && argv[1][0] != '-' ? std::atoi(argv[1]) : 20;
    std::string via;
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::string(argv[i]) == "--trace" && !devlink::TrafficTrace::open(argv[i + 1])) {
            std::fprintf(stderr, "cannot write the trace %s\n", argv[i + 1]);
            return 1;
        }
        if (std::string(argv[i]) == "--via") via = argv[i + 1];
    }
    if (!via.empty() && via != "raw" && via != "rfc2217") {
        std::fprintf(stderr, "--via takes raw or rfc2217\n");
        return 2;
    }
    char pattern[] = "/tmp/aquendor-bench-XXXXXX";
    const std::string ports = mkdtemp(pattern);
    setenv("AQUENDOR_PORTS", ports.c_str(), 1);
    unitsim::Config config;
    config.baud = kBaud;
    bench::ChildSimulator simulator;
    if (!simulator.start(config, ports, "COM7")) {
        std::fprintf(stderr, "the unit simulator did not start\n");
        return 1;
    }
    unitsim::SerialServer server;
    if (!via.empty()) {
        const auto mode =
            via == "raw" ? unitsim::SerialServer::Mode::Raw : unitsim::SerialServer::Mode::Rfc2217;
        if (const std::string why = serveThroughNetwork(ports, "COM7", mode, server);
            !why.empty()) {
            std::fprintf(stderr, "no network serial server: %s\n", why.c_str());
            simulator.stop();
            std::filesystem::remove_all(ports);
            return 1;
        }
    }

    QuietWindow window;
    devlink::SerialPort port(window);
    port.setPortName("COM7");
    port.setBaudRate(kBaud);
    int status = 1;
    if (port.openPort()) {
        devlink::DeviceLink link(port, window);
        CycleBytes bytes;
        runCycle(link, bytes);  // warm-up
        const double cpuStart = cpuSeconds();
        const auto wallStart = devlink::monotonicUs();
        int done = 0;
        while (done < cycles && runCycle(link, bytes)) ++done;
        const double wall = (devlink::monotonicUs() - wallStart) / 1e6;
        const double cpu = cpuSeconds() - cpuStart;
        if (done == cycles && window.messages == 0) {
            const double perCycle = wall / cycles;
            const double byteTime = 10.0 / kBaud;
            const double floor =
                bytes.unpaused * byteTime + bytes.paused * std::max(0.001, byteTime);
            std::printf("cycles: %d of login + DSI + DPI at %d bit/s%s\n", cycles, kBaud,
                        devlink::TrafficTrace::active() ? ", traced" : "");
            std::printf("line: %s\n",
                        via.empty() ? "the simulator's pseudo-terminal"
                                    : ("through ser2net on 127.0.0.1, " + server.url()).c_str());
            std::printf("bytes per cycle: %zu unpaused, %zu paused\n", bytes.unpaused,
                        bytes.paused);
            std::printf("wall time per cycle: %.2f ms\n", perCycle * 1000);
            std::printf("line floor per cycle: %.2f ms\n", floor * 1000);
            std::printf("ratio wall / floor: %.3f (target <= 1.05)\n", perCycle / floor);
            std::printf("CPU of the exchanging process: %.2f %% of wall time (target <= 2 %%)\n",
                        100.0 * cpu / wall);
            status = 0;
        } else {
            std::fprintf(stderr, "cycle %d failed\n", done);
        }
    }
    port.closePort();
    devlink::TrafficTrace::close();
    server.stop();
    simulator.stop();
    std::filesystem::remove_all(ports);
    return status;
}
