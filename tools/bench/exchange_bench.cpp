// Measures repeated login + DSI + DPI cycles against the unit simulator
// paced at 19200 bit/s, and compares them with what the line itself allows:
// the bits on the wire plus the mandated 1 ms pauses after paused request
// bytes. The simulator runs in a child process, so the CPU figure is the
// exchanging process's own.
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

}  // namespace

// exchange_bench [cycles] [--trace FILE]: with a trace, every byte is also
// written to FILE, as a program started with --trace does.
int main(int argc, char** argv) {
    const int cycles = argc > 1 && argv[1][0] != '-' ? std::atoi(argv[1]) : 20;
    for (int i = 1; i + 1 < argc; ++i)
        if (std::string(argv[i]) == "--trace" && !devlink::TrafficTrace::open(argv[i + 1])) {
            std::fprintf(stderr, "cannot write the trace %s\n", argv[i + 1]);
            return 1;
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
    simulator.stop();
    std::filesystem::remove_all(ports);
    return status;
}
