// Reads out the data logger of a simulated measuring unit and compares the
// time with what the line allows, and the memory it takes with the size of
// the file it writes.
//
// Time: a logger of 4 800 records from the simulator paced at 19200 bit/s,
// once as it is and once with a wait hook installed, as in the window. The
// line floor counts for every block the 7 request bytes, each costing
// max(1 ms, one character time) since a byte travels during its own pause,
// and the answer bytes at 10 bits a byte.
//
// Memory: a full logger of 65 535 records from an unpaced simulator; the
// peak resident memory above the idle program, next to the CSV file's size.
//
// The simulator runs in a child process, so the figures are the readout's own.
//
// Chart: the trend window on readouts up to a full logger with every third
// temperature missing, the time from opening the file to the drawn window
// and the memory it takes (see chart_figures.h).
//
// Usage: logger_bench [records]   (4800 unless given)
//        logger_bench --chart [folder]   (the chart figures only; the charts
//                                         saved as PNG into folder when given)
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

#include "devlink/delay.h"
#include "devlink/device_link.h"
#include "devlink/login.h"
#include "devlink/serial_port.h"
#include "devlink/wait_hook.h"
#include "measuring/logger_readout.h"
#include "measuring/logger_record.h"
#include "tools/bench/chart_figures.h"
#include "tools/bench/child_simulator.h"
#include "tools/bench/process_memory.h"

namespace {

constexpr int kBaud = 19200;

// The window of a benchmark: says Yes to the readout and No to showing the
// folder, and notes when the block transfer starts and ends.
class BenchUi : public measuring::MeasuringUi {
  public:
    int messages = 0;
    std::int64_t transferStartUs = 0, transferEndUs = 0;

    bool english() const override { return false; }
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

    void tell(const std::string& text, devlink::MessageCaption caption,
              measuring::UiIcon) override {
        showMessage(text, caption);
    }
    bool ask(const std::string& text, measuring::UiIcon) override {
        return text.find("Auslesen ?") != std::string::npos;
    }
    void showMeasuredText(const std::string&) override {}
    void showRestState() override {}
    void repaintWindow() override {}
    void beginProgress(std::uint64_t) override { transferStartUs = devlink::monotonicUs(); }
    bool updateProgress(const measuring::ReadoutProgress&) override { return true; }
    void endProgress() override { transferEndUs = devlink::monotonicUs(); }
    std::tm localTime() override {
        const std::time_t now = std::time(nullptr);
        std::tm local{};
        localtime_r(&now, &local);
        return local;
    }
    bool showFolder(const std::string&) override { return false; }
};

// A hook that does what a window's costs least: nothing, counted.
class CountingHook : public devlink::WaitHook {
  public:
    long calls = 0;
    void duringWait() override { ++calls; }
};

// A measuring unit with a logger of this many records, in a child process.
bool startSimulator(bench::ChildSimulator& simulator, const std::string& ports, const char* comName,
                    std::size_t records, int baud) {
    unitsim::Config config;
    config.kind = unitsim::UnitKind::Measuring;
    config.variant = 2;
    config.loggerRecords = records;
    config.baud = baud;
    return simulator.start(config, ports, comName);
}

// The line floor of the block transfer of a logger of this many records.
double floorSeconds(std::size_t records) {
    const std::size_t data = records * 32;
    const std::size_t full = data / measuring::kBlockDataChars;
    const std::size_t rest = data % measuring::kBlockDataChars;
    const std::size_t blocks = full + (rest > 0 || full == 0 ? 1 : 0);
    const std::size_t answerBytes = full * 512 + (rest > 0 || full == 0 ? rest + 8 : 0);
    const double requestByte = std::max(0.001, 10.0 / kBaud);
    return static_cast<double>(blocks) * 7 * requestByte + answerBytes * 10.0 / kBaud;
}

struct Readout {
    bool ok = false;
    double transferSeconds = 0;
    std::string file;
};

Readout readOut(const std::string& comName, int baud) {
    BenchUi ui;
    devlink::SerialPort port(ui, false);
    port.setPortName(comName);
    port.setBaudRate(baud);
    Readout result;
    if (!port.openPort()) return result;
    devlink::DeviceLink link(port, ui, devlink::LinkProfile{"Vantiqo", true});
    devlink::MeasuringLogin login;
    measuring::OperationContext context{link, login, ui};
    const auto file = measuring::ReadOutLogger(context);
    result.ok = file.has_value() && ui.messages == 0;
    result.transferSeconds = static_cast<double>(ui.transferEndUs - ui.transferStartUs) / 1e6;
    if (file) result.file = *file;
    return result;
}

bool timeReadouts(const std::string& ports, std::size_t records) {
    bench::ChildSimulator simulator;
    if (!startSimulator(simulator, ports, "COM7", records, kBaud)) return false;
    const double floor = floorSeconds(records);
    std::printf("readout of %zu records at %d bit/s, line floor of the blocks %.2f s\n", records,
                kBaud, floor);
    bool ok = true;
    for (const bool hooked : {false, true}) {
        CountingHook hook;
        if (hooked) devlink::setWaitHook(&hook);
        const Readout readout = readOut("COM7", kBaud);
        devlink::setWaitHook(nullptr);
        ok = ok && readout.ok;
        if (!readout.ok) break;
        std::printf("  %-22s %.2f s, time / floor %.3f (target <= 1.03)",
                    hooked ? "with a wait hook:" : "without a wait hook:", readout.transferSeconds,
                    readout.transferSeconds / floor);
        if (hooked) std::printf(", hook ran %ld times", hook.calls);
        std::printf("\n");
    }
    simulator.stop();
    return ok;
}

bool measureMemory(const std::string& ports) {
    bench::ChildSimulator simulator;
    if (!startSimulator(simulator, ports, "COM8", 65535, 0)) return false;
    // Measured first, on the fresh program: memory an earlier readout freed
    // and kept would hide part of the peak.
    const long idleKb = bench::statusKb("VmRSS:");
    { std::ofstream("/proc/self/clear_refs") << "5"; }  // the peak starts again from here
    const Readout readout = readOut("COM8", 19200);
    const long peakKb = bench::statusKb("VmHWM:");
    simulator.stop();
    if (!readout.ok) return false;
    struct stat info {};
    stat(readout.file.c_str(), &info);
    const double csvKb = static_cast<double>(info.st_size) / 1024.0;
    std::printf(
        "readout of 65535 records (unpaced): CSV %.0f KiB, peak resident memory %ld KiB "
        "above the idle program's %ld KiB: %.2f x the CSV (target <= 2)\n",
        csvKb, peakKb - idleKb, idleKb, static_cast<double>(peakKb - idleKb) / csvKb);
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    const bool chartOnly = argc > 1 && std::strcmp(argv[1], "--chart") == 0;
    const std::size_t records = argc > 1 && !chartOnly ? std::strtoul(argv[1], nullptr, 10) : 4800;
    const std::string pngFolder =
        chartOnly && argc > 2 ? std::filesystem::absolute(argv[2]).string() : std::string();
    char portsPattern[] = "/tmp/aquendor-bench-XXXXXX";
    const std::string ports = mkdtemp(portsPattern);
    const std::string work = ports + "/work";
    std::filesystem::create_directory(work);
    if (chdir(work.c_str()) != 0) return 1;
    setenv("AQUENDOR_PORTS", ports.c_str(), 1);
    // The charts last: the simulator's child processes are forked before
    // the process has the threads of a window system.
    const bool ok =
        (chartOnly || (measureMemory(ports) && timeReadouts(ports, records))) &&
        bench::measureCharts(argc, argv, work, pngFolder.empty() ? nullptr : pngFolder.c_str());
    if (chdir("/") != 0) return 1;
    std::filesystem::remove_all(ports);
    if (!ok) std::fprintf(stderr, "a readout failed\n");
    return ok ? 0 : 1;
}
