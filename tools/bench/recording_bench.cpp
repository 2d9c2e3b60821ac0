// A day of status recording at the fastest rate interval reading has: a
// reading every 15 s, 5 760 lines, from the simulated softener and reverse-
// osmosis units (the plant a quarter of a minute further at each reading).
// Prints per unit the file's size and bytes a line, the time the lines took
// to write (each appended and flushed to the disk on its own, as the
// window does), and for the chart: the time from opening the file to the
// drawn window with two values, and with every column (the lamps as step
// lines), a zoom step drawn, and the memory the chart takes.
//
// Usage: recording_bench [readings] [png folder]   (5760 unless given)
#include <malloc.h>
#include <unistd.h>

#include <QApplication>
#include <QChart>
#include <QElapsedTimer>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "controller/status_recording.h"
#include "controller/unit_record.h"
#include "osmosis/parameter_layout.h"
#include "osmosis/status_values.h"
#include "shell/message_service.h"
#include "shell/recording_chart_dlg.h"
#include "shell/zoom_chart_view.h"
#include "softener/parameter_layout.h"
#include "softener/status_values.h"
#include "tools/bench/process_memory.h"
#include "tools/unitsim/simulator.h"

namespace {

struct Unit {
    const char* name;
    unitsim::UnitKind kind;
    const controller::RecordLayout& layout;
    controller::UnitValues (*values)(std::string_view area, const controller::UnitRecord& record);
};

controller::UnitValues softenerValues(std::string_view area, const controller::UnitRecord& record) {
    return softener::statusValues(area, record);
}

controller::UnitValues osmosisValues(std::string_view area, const controller::UnitRecord&) {
    return osmosis::statusValues(area);
}

// The record as the unit's first DPI answer brings it.
controller::UnitRecord recordOf(const controller::RecordLayout& layout, const std::string& text) {
    controller::UnitRecord record(layout.form);
    record.takeFirstAnswer("DPI|" + text + std::string(layout.form.firstAnswerCut, '|'));
    return record;
}

files::WallTime timeOf(int reading) {
    const int seconds = 8 * 3600 + 15 * reading;
    const int day = seconds / 86400;
    return {2026, 12, 7 + day, seconds / 3600 % 24, seconds / 60 % 60, seconds % 60};
}

double since(const QElapsedTimer& clock) {
    return static_cast<double>(clock.nsecsElapsed()) / 1e9;
}

void drawn(QWidget& window) {
    QApplication::processEvents();
    window.grab();
}

std::string record(const Unit& unit, int readings, const std::string& folder) {
    unitsim::Config config;
    config.kind = unit.kind;
    config.timeScale = 0;
    unitsim::Simulator sim(config);
    const controller::UnitRecord parameters = recordOf(unit.layout, sim.parameterRecord());
    controller::StatusRecording recording;
    const files::NewRecording made = recording.start(
        folder, "123456", timeOf(0), unit.values(sim.statusArea(), parameters), false);
    if (!made.created) return {};
    QElapsedTimer clock;
    clock.start();
    for (int i = 1; i <= readings; ++i) {
        sim.advanceMinutes(0.25);
        if (!recording.append(timeOf(i), unit.values(sim.statusArea(), parameters))) return {};
    }
    const double seconds = since(clock);
    const auto bytes = std::filesystem::file_size(made.path);
    std::printf(
        "%s: %d readings, file %.1f KiB (%.0f bytes a line), written in %.2f s "
        "(%.2f ms a line, each flushed)\n",
        unit.name, readings, static_cast<double>(bytes) / 1024.0,
        static_cast<double>(bytes) / (readings + 1), seconds, seconds * 1000 / readings);
    return made.path;
}

bool chart(const std::string& path, const char* pngFolder, const char* name) {
    malloc_trim(0);
    const long idleKb = bench::statusKb("VmRSS:");
    { std::ofstream("/proc/self/clear_refs") << "5"; }
    shell::ScriptedMessageService messages;
    QElapsedTimer clock;
    clock.start();
    shell::RecordingChartDlg dialog(messages, false, "bench");
    if (!dialog.openFile(QString::fromStdString(path))) return false;
    dialog.show();
    drawn(dialog);
    const double openSeconds = since(clock);
    clock.restart();
    std::vector<std::size_t> every;
    for (std::size_t i = 0; i < dialog.content().columns.size(); ++i) every.push_back(i);
    dialog.choose(every);
    drawn(dialog);
    const double everySeconds = since(clock);
    clock.restart();
    const QRectF plot = dialog.chart()->plotArea();
    for (int i = 0; i < 4; ++i) {
        dialog.view()->zoomTimeAt(plot.center().x(), 1.25);
        drawn(dialog);
    }
    const double zoomSeconds = since(clock) / 4;
    const long peakKb = bench::statusKb("VmHWM:");
    if (pngFolder) {
        dialog.chart()->zoomReset();
        dialog.savePng(QString("%1/recording-%2.png").arg(pngFolder, name));
    }
    std::printf(
        "  chart: opened and drawn %.3f s (two values), every one of its %zu columns "
        "drawn %.3f s, a zoom step drawn %.3f s, peak %.1f MiB\n",
        openSeconds, every.size(), everySeconds, zoomSeconds,
        static_cast<double>(peakKb - idleKb) / 1024.0);
    return messages.shown.empty();
}

}  // namespace

int main(int argc, char** argv) {
    const int readings = argc > 1 ? std::atoi(argv[1]) : 5760;
    const char* pngFolder = argc > 2 ? argv[2] : nullptr;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    {
        // The program's first window loads fonts and styles; that is not the chart's.
        shell::ScriptedMessageService messages;
        shell::RecordingChartDlg warmUp(messages, false, "bench");
        warmUp.show();
        drawn(warmUp);
    }
    const std::string folder =
        (std::filesystem::temp_directory_path() / ("recording-bench-" + std::to_string(getpid())))
            .string();
    std::filesystem::create_directories(folder);
    const Unit units[] = {
        {"softener", unitsim::UnitKind::Softener, softener::softenerLayout(), softenerValues},
        {"reverse osmosis", unitsim::UnitKind::Osmosis, osmosis::osmosisLayout(), osmosisValues},
    };
    bool ok = true;
    for (const Unit& unit : units) {
        const std::string path = record(unit, readings, folder);
        ok = !path.empty() &&
             chart(path, pngFolder,
                   unit.kind == unitsim::UnitKind::Softener ? "softener" : "osmosis") &&
             ok;
    }
    std::filesystem::remove_all(folder);
    return ok ? 0 : 1;
}
