#include "tools/bench/chart_figures.h"

#include <malloc.h>

#include <QApplication>
#include <QChart>
#include <QDate>
#include <QElapsedTimer>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <vector>

#include "measuring/chart_dlg.h"
#include "measuring/csv_export.h"
#include "shell/message_service.h"
#include "shell/zoom_chart_view.h"
#include "tools/bench/process_memory.h"

namespace bench {

namespace {

struct Readout {
    const char* name;
    std::size_t records;
    int minutes;   // between two records
    int gapEvery;  // every n-th record without temperature, 0: none
};

const Readout kReadouts[] = {
    {"300 records, 15 min apart (3 days)", 300, 15, 0},
    {"4 800 records, 1 min apart (3 1/3 days)", 4800, 1, 0},
    {"65 535 records, 15 min apart (1 1/2 years)", 65535, 15, 0},
    {"65 535 records, every third without temperature", 65535, 15, 3},
};

// The file a readout of this kind writes: from 1 June 2009, 00:00.
std::string csvOf(const Readout& readout) {
    std::vector<measuring::LoggerRecord> records(readout.records);
    for (std::size_t i = 0; i < readout.records; ++i) {
        const long minutes = static_cast<long>(i) * readout.minutes;
        const long day = minutes / 1440;
        measuring::LoggerRecord& r = records[i];
        r.number = static_cast<std::uint16_t>(i + 1);
        r.value = 7.0 + 0.5 * std::sin(static_cast<double>(minutes % 1440) / 1440 * 6.283);
        const bool gap = readout.gapEvery > 0 && (i + 1) % readout.gapEvery == 0;
        r.temperature = gap ? -1.0 : 18.0 + 3.0 * std::cos(static_cast<double>(i) * 0.01);
        r.hour = static_cast<std::uint8_t>(minutes % 1440 / 60);
        r.minute = static_cast<std::uint8_t>(minutes % 60);
        const QDate date = QDate(2009, 6, 1).addDays(day);
        r.day = static_cast<std::uint8_t>(date.day());
        r.month = static_cast<std::uint8_t>(date.month());
        r.year = static_cast<std::uint8_t>(date.year() % 100);
    }
    return measuring::csvText(records, records.size());
}

// Until the window has been laid out and drawn once.
void drawn(QWidget& window) {
    QApplication::processEvents();
    window.grab();
}

bool measure(const Readout& readout, const std::string& folder, const char* pngFolder, int index) {
    const std::string path = folder + "/chart.csv";
    std::ofstream(path, std::ios::binary) << csvOf(readout);
    malloc_trim(0);  // what the charts before freed counts as free again
    const long idleKb = bench::statusKb("VmRSS:");
    { std::ofstream("/proc/self/clear_refs") << "5"; }  // the peak starts again from here
    shell::ScriptedMessageService messages;
    QElapsedTimer clock;
    clock.start();
    measuring::CChartDlg chart(messages);
    if (!chart.openFile(QString::fromStdString(path))) return false;
    chart.show();
    drawn(chart);
    const double openSeconds = static_cast<double>(clock.nsecsElapsed()) / 1e9;
    // Four wheel steps into the middle, each drawn.
    clock.restart();
    const QRectF plot = chart.chart()->plotArea();
    for (int i = 0; i < 4; ++i) {
        chart.view()->zoomTimeAt(plot.center().x(), 1.25);
        drawn(chart);
    }
    const double zoomSeconds = static_cast<double>(clock.nsecsElapsed()) / 1e9 / 4;
    const long peakKb = bench::statusKb("VmHWM:");
    if (pngFolder) {
        chart.chart()->zoomReset();
        chart.savePng(QString("%1/chart-%2.png").arg(pngFolder).arg(index));
    }
    std::printf("  %-48s open and drawn %6.3f s, a zoom step drawn %6.3f s, peak %6.1f MiB\n",
                readout.name, openSeconds, zoomSeconds,
                static_cast<double>(peakKb - idleKb) / 1024.0);
    return messages.shown.empty();
}

}  // namespace

bool measureCharts(int& argc, char** argv, const std::string& folder, const char* pngFolder) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    {
        // The program's first window loads fonts and styles; that is not the chart's.
        shell::ScriptedMessageService messages;
        measuring::CChartDlg warmUp(messages);
        warmUp.show();
        drawn(warmUp);
    }
    std::printf("trend chart of a readout (targets: open < 1 s, < 100 MiB above the program):\n");
    bool ok = true;
    int index = 0;
    for (const Readout& readout : kReadouts)
        ok = measure(readout, folder, pngFolder, ++index) && ok;
    return ok;
}

}  // namespace bench
