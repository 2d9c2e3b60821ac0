// Measures aquendorctl as a script runs it: "status" from the start of the
// process to its exit, against the unit simulator paced at 19200 bit/s,
// compared with the line floor of its telegrams (login, DSI, DPI: the bits
// on the wire and the 1 ms pauses after paced request bytes, counted as
// exchange_bench counts them); and the start of the process without a
// display ("--version", no DISPLAY or WAYLAND_DISPLAY in its environment).
// The simulator runs in a child process.
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "devlink/delay.h"
#include "devlink/device_link.h"
#include "devlink/login.h"
#include "devlink/serial_port.h"
#include "tools/bench/child_simulator.h"

extern char** environ;

namespace {

constexpr int kBaud = 19200;

class QuietWindow : public devlink::LinkWindow {
  public:
    bool english() const override { return true; }
    void showMessage(const std::string& text, devlink::MessageCaption) override {
        std::fprintf(stderr, "message: %s\n", text.c_str());
    }
    void setStatusText(const std::string&) override {}
    void showLinkState() override {}
    bool intervalReadingTicked() const override { return false; }
    void stopIntervalTimer() override {}
    void startIntervalTimer() override {}
    std::string serialNumberText() const override { return "123456"; }
    void focusSerialNumber() override {}
};

// The line floor of login + DSI + DPI as the unit answers them now, in
// seconds; 0 when the exchanges fail.
double lineFloor(const std::string& comName) {
    QuietWindow window;
    devlink::SerialPort port(window);
    port.setPortName(comName);
    port.setBaudRate(kBaud);
    if (!port.openPort()) return 0;
    devlink::DeviceLink link(port, window);
    if (devlink::controllerLogin(link, devlink::LoginIntent::Read) != 2) return 0;
    std::size_t unpaused = devlink::frameRequest("CSN|123456|").size() + 9;
    std::size_t paused = 0;
    for (const char* request : {"DSI|", "DPI|"}) {
        devlink::AnswerBuffer answer{};
        if (!link.exchange(request, request, true, answer)) return 0;
        paused += devlink::frameRequest(request).size() - 1;
        unpaused += 1 + devlink::answerLength(answer);
    }
    const double byteTime = 10.0 / kBaud;
    return unpaused * byteTime + paused * std::max(0.001, byteTime);
}

// The environment of a session without a display.
std::vector<char*> withoutDisplay() {
    std::vector<char*> env;
    for (char** e = environ; *e; ++e) {
        const std::string entry = *e;
        if (entry.rfind("DISPLAY=", 0) == 0 || entry.rfind("WAYLAND_DISPLAY=", 0) == 0) continue;
        env.push_back(*e);
    }
    env.push_back(nullptr);
    return env;
}

struct Run {
    double seconds = 0;
    int exitCode = -1;
};

Run runTool(std::vector<std::string> args) {
    args.insert(args.begin(), AQUENDORCTL);
    std::vector<char*> argv;
    for (std::string& arg : args) argv.push_back(arg.data());
    argv.push_back(nullptr);
    std::vector<char*> env = withoutDisplay();
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    Run run;
    const auto start = devlink::monotonicUs();
    pid_t child = -1;
    if (posix_spawn(&child, AQUENDORCTL, &actions, nullptr, argv.data(), env.data()) == 0) {
        int status = 0;
        waitpid(child, &status, 0);
        run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    run.seconds = (devlink::monotonicUs() - start) / 1e6;
    posix_spawn_file_actions_destroy(&actions);
    return run;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

// Each run's time; empty when one failed.
std::vector<double> times(const std::vector<std::string>& args, int runs) {
    std::vector<double> seconds;
    for (int i = 0; i < runs; ++i) {
        const Run run = runTool(args);
        if (run.exitCode != 0) {
            std::fprintf(stderr, "aquendorctl ended with %d\n", run.exitCode);
            return {};
        }
        seconds.push_back(run.seconds);
    }
    return seconds;
}

}  // namespace

// cli_bench [runs]
int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
    char pattern[] = "/tmp/aquendor-bench-XXXXXX";
    const std::string ports = mkdtemp(pattern);
    setenv("AQUENDOR_PORTS", ports.c_str(), 1);
    setenv("AQUENDOR_LOCK_DIR", ports.c_str(), 1);
    unitsim::Config config;
    config.baud = kBaud;
    config.timeScale = 0;
    bench::ChildSimulator simulator;
    if (!simulator.start(config, ports, "COM7")) {
        std::fprintf(stderr, "the unit simulator did not start\n");
        return 1;
    }
    const double floor = lineFloor("COM7");
    const std::vector<std::string> status = {"--port", "COM7",     "--serial", "123456",
                                             "--kind", "softener", "status"};
    times(status, 1);  // the binary in the page cache
    const std::vector<double> statusTimes = times(status, runs);
    const std::vector<double> startTimes = times({"--version"}, runs);
    rusage children{};
    getrusage(RUSAGE_CHILDREN, &children);
    simulator.stop();
    std::filesystem::remove_all(ports);
    if (floor == 0 || statusTimes.empty() || startTimes.empty()) return 1;

    const double wall = median(statusTimes);
    std::printf("runs: %d of \"aquendorctl status\" (softener, long form) at %d bit/s\n", runs,
                kBaud);
    std::printf("status, process start to exit: median %.1f ms, best %.1f ms\n", wall * 1000,
                *std::min_element(statusTimes.begin(), statusTimes.end()) * 1000);
    std::printf("line floor of its telegrams: %.1f ms\n", floor * 1000);
    std::printf("ratio status / floor: %.3f\n", wall / floor);
    std::printf("process start without a display (--version): median %.2f ms\n",
                median(startTimes) * 1000);
    std::printf("largest resident memory of a run: %ld KiB\n", children.ru_maxrss);
    return 0;
}
