// The trend window: a readout's CSV as value and temperature over time,
// gaps where the temperature is missing, skipped lines said, zoom, reset and
// the chart saved as PNG.
#include <QChart>
#include <QDateTimeAxis>
#include <QLineSeries>
#include <QScatterSeries>
#include <QValueAxis>
#include <QWheelEvent>
#include <fstream>

#include "measuring/chart_dlg.h"
#include "measuring/csv_export.h"
#include "measuring/zoom_chart_view.h"
#include "tools/unitsim/logger.h"
#include "vantiqo_fixture.h"

using testsupport::fileBytes;
using testsupport::TempFolder;
using testsupport::VantiqoWindow;

namespace {

// A CSV as a readout of the simulator's generated logger writes it.
std::string generatedCsv(std::size_t records, int variant) {
    measuring::RecordCollector collector(records);
    for (std::size_t i = 0; i < records; ++i)
        collector.add(unitsim::encodeLoggerEntry(unitsim::generatedEntry(i, variant)));
    return measuring::csvText(collector.records(), records);
}

std::string writeFile(const TempFolder& folder, const std::string& name, const std::string& bytes) {
    const std::string path = folder.path() + "/" + name;
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
}

template <typename Series>
std::vector<Series*> seriesOf(QChart* chart) {
    std::vector<Series*> found;
    for (QAbstractSeries* series : chart->series())
        if (auto* s = qobject_cast<Series*>(series)) found.push_back(s);
    return found;
}

QValueAxis* valueAxis(QChart* chart, Qt::Alignment side) {
    return qobject_cast<QValueAxis*>(chart->axes(Qt::Vertical).at(side == Qt::AlignLeft ? 0 : 1));
}

}  // namespace

TEST(TrendChart, ThreeHundredRecordsOverFourDaysSavedAsPng) {
    TempFolder folder;
    const std::string csv = writeFile(folder, "pH.csv", generatedCsv(300, 2));
    shell::ScriptedMessageService messages;
    measuring::CChartDlg chart(messages);
    chart.setVariant('2');
    ASSERT_TRUE(chart.openFile(QString::fromStdString(csv)));
    EXPECT_TRUE(messages.shown.empty()) << messages.lastText().toStdString();
    chart.show();

    const auto lines = seriesOf<QLineSeries>(chart.chart());
    ASSERT_EQ(lines.size(), 2u);  // the value, and one temperature stretch
    EXPECT_EQ(lines[0]->count(), 300);
    EXPECT_EQ(lines[1]->count(), 280);  // records 281 to 300 have no temperature
    EXPECT_EQ(valueAxis(chart.chart(), Qt::AlignLeft)->titleText(), "pH-Wert");
    EXPECT_EQ(valueAxis(chart.chart(), Qt::AlignRight)->titleText(),
              QString::fromUtf8("Temperatur [\u00B0C]"));
    EXPECT_EQ(chart.summary(),
              "300 Messwerte vom 01.06.09 00:00 bis 04.06.09 02:45, "
              "20 ohne Temperatur");
    chart.setVariant('1');
    EXPECT_EQ(valueAxis(chart.chart(), Qt::AlignLeft)->titleText(),
              QString::fromUtf8("Leitf\u00E4higkeit [\u00B5S/cm]"));
    chart.setVariant('2');

    const std::string png = folder.path() + "/pH.png";
    ASSERT_TRUE(chart.savePng(QString::fromStdString(png)));
    EXPECT_EQ(fileBytes(png).substr(0, 8), "\x89PNG\r\n\x1a\n");
    if (const char* keep = std::getenv("VANTIQO_CHART_PNG"))
        chart.savePng(QString::fromLocal8Bit(keep));
}

TEST(TrendChart, GapsBreakTheTemperatureLineAndMalformedLinesAreSkippedAndSaid) {
    TempFolder folder;
    const double temperatures[] = {20, 21, -1, 22, -1, -1, 23, 24, -1, 25};
    std::string csv;
    for (int i = 0; i < 10; ++i) {
        char line[128];
        std::snprintf(line, sizeof line,
                      "%05d  ,  0000001.%02d  ,  %3.1f  ,  03.06.09 , 14:%02d\r\n", i + 1, i,
                      temperatures[i], i * 5);
        csv += line;
        if (i == 4) csv += "00099  ,  kaputt  ,  20.0  ,  03.06.09 , 14:22\r\n";
    }
    shell::ScriptedMessageService messages;
    measuring::CChartDlg chart(messages);
    ASSERT_TRUE(chart.openFile(QString::fromStdString(writeFile(folder, "gaps.csv", csv))));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.lastText(), QString::fromUtf8("1 Zeile(n) der Datei konnten nicht gelesen "
                                                     "werden und wurden \u00FCbersprungen."));
    EXPECT_EQ(chart.content().points.size(), 10u);
    EXPECT_EQ(chart.content().skipped, 1u);
    EXPECT_TRUE(chart.summary().endsWith("4 ohne Temperatur, 1 Zeile(n) \u00FCbersprungen"));

    const auto lines = seriesOf<QLineSeries>(chart.chart());
    ASSERT_EQ(lines.size(), 3u);  // the value and the stretches 1-2 and 7-8
    EXPECT_EQ(lines[0]->count(), 10);
    EXPECT_EQ(lines[1]->count(), 2);
    EXPECT_EQ(lines[2]->count(), 2);
    const auto single = seriesOf<QScatterSeries>(chart.chart());
    ASSERT_EQ(single.size(), 1u);  // records 4 and 10 stand alone
    EXPECT_EQ(single[0]->count(), 2);
    EXPECT_EQ(valueAxis(chart.chart(), Qt::AlignLeft)->titleText(), "Messwert");
}

TEST(TrendChart, WheelZoomsTheTimeAxisAndResetRestoresIt) {
    TempFolder folder;
    shell::ScriptedMessageService messages;
    measuring::CChartDlg chart(messages);
    ASSERT_TRUE(
        chart.openFile(QString::fromStdString(writeFile(folder, "a.csv", generatedCsv(96, 4)))));
    chart.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&chart));
    auto* time = qobject_cast<QDateTimeAxis*>(chart.chart()->axes(Qt::Horizontal).at(0));
    const qint64 full = time->min().msecsTo(time->max());
    const QPointF centre = chart.chart()->plotArea().center();
    QWheelEvent wheel(centre, chart.view()->mapToGlobal(centre.toPoint()), QPoint(), QPoint(0, 240),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(chart.view()->viewport(), &wheel);
    const qint64 zoomed = time->min().msecsTo(time->max());
    EXPECT_NEAR(static_cast<double>(zoomed), full / 1.5625, full * 0.02);
    chart.chart()->zoomReset();
    EXPECT_EQ(time->min().msecsTo(time->max()), full);
}

TEST(TrendChart, UnreadableAndEmptyFilesAreTold) {
    TempFolder folder;
    shell::ScriptedMessageService messages;
    measuring::CChartDlg chart(messages);
    EXPECT_FALSE(chart.openFile(QString::fromStdString(folder.path() + "/missing.csv")));
    EXPECT_TRUE(messages.lastText().startsWith("Die Datei kann nicht gelesen werden:\n"));
    EXPECT_FALSE(chart.openFile(QString::fromStdString(writeFile(folder, "e.csv", "x\r\n"))));
    EXPECT_TRUE(messages.lastText().startsWith(
        QString::fromUtf8("Die Datei enth\u00E4lt keine Messwerte")));
}

TEST_F(VantiqoWindow, VerlaufShowsTheLastReadoutOrAFileTheOperatorPicks) {
    TempFolder folder;
    const std::string old = writeFile(folder, "old.csv", generatedCsv(10, 4));
    messages.fileNames = {QString::fromStdString(old)};
    click(1022);
    ASSERT_NE(window->chartWindow(), nullptr);
    EXPECT_EQ(window->chartWindow()->file(), QString::fromStdString(old));
    EXPECT_TRUE(window->chartWindow()->isVisible());

    sim->fillLogger(30);
    messages.answers = {shell::MessageAnswer::Yes, shell::MessageAnswer::No};
    click(1002);
    click(1022);
    EXPECT_EQ(window->chartWindow()->file(), window->lastReadout());
    EXPECT_EQ(window->chartWindow()->content().points.size(), 30u);
    EXPECT_EQ(window->chartWindow()->variant(), '4');  // the unit's quantity: chlorine
}
