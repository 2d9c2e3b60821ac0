// Measures repeated login + DSI + DPI cycles against the unit simulator
// paced at 19200 bit/s, and compares them with what the line itself allows:
// the bits on the wire plus the mandated 1 ms pauses after paused request
// bytes. The simulator runs in a child process, so the CPU figure is the
// exchanging process's own.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "devlink/delay.h"
#include "devlink/device_link.h"
#include "devlink/login.h"
#include "devlink/serial_port.h"
#include "tools/unitsim/simulator.h"

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
    void enableButtons(devlink::ButtonSet, bool) override {}
};

// Runs the simulator in a child until the parent closes the pipe.
pid_t startSimulator(const std::string& ports, int& keepAlive) {
    int ready[2], alive[2];
    if (pipe(ready) != 0 || pipe(alive) != 0) return -1;
    const pid_t child = fork();
    if (child == 0) {
        close(ready[0]);
        close(alive[1]);
        unitsim::Config config;
        config.baud = kBaud;
        unitsim::Simulator sim(config);
        if (!sim.open() || !sim.bindComName(ports, "COM7")) _exit(1);
        sim.start();
        char byte = 1;
        if (write(ready[1], &byte, 1) != 1) _exit(1);
        while (read(alive[0], &byte, 1) > 0) {
        }
        sim.stop();
        _exit(0);
    }
    close(ready[1]);
    close(alive[0]);
    char byte = 0;
    const bool started = read(ready[0], &byte, 1) == 1;
    close(ready[0]);
    keepAlive = alive[1];
    return started ? child : -1;
}

double cpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

struct CycleBytes {
    std::size_t unpaused = 0;  // request bytes written without pause and answer bytes
    std::size_t paused = 0;    // request bytes followed by a 1 ms pause
};

bool runCycle(devlink::DeviceLink& link, CycleBytes& bytes) {
    devlink::AnswerBuffer answer{};
    bytes = {};
    if (devlink::controllerLogin(link, devlink::LoginIntent::Read) != 2) return false;
    bytes.unpaused += devlink::frameRequest("CSN|123456|").size() + 9;  // "CSN|2|0E" + end byte
    for (const char* request : {"DSI|", "DPI|"}) {
        if (!link.exchange(request, request, true, answer)) return false;
        bytes.paused += devlink::frameRequest(request).size();
        bytes.unpaused += devlink::answerLength(answer);
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    const int cycles = argc > 1 ? std::atoi(argv[1]) : 20;
    char pattern[] = "/tmp/aquendor-bench-XXXXXX";
    const std::string ports = mkdtemp(pattern);
    setenv("AQUENDOR_PORTS", ports.c_str(), 1);
    int keepAlive = -1;
    const pid_t child = startSimulator(ports, keepAlive);
    if (child < 0) {
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
            const double floor =
                (bytes.unpaused + bytes.paused) * 10.0 / kBaud + bytes.paused * 0.001;
            std::printf("cycles: %d of login + DSI + DPI at %d bit/s\n", cycles, kBaud);
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
    close(keepAlive);
    waitpid(child, nullptr, 0);
    std::filesystem::remove_all(ports);
    return status;
}
