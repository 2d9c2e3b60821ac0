// Recording the status while interval reading runs, in both controller
// programs: a hundred readings of a unit whose plant runs five minutes
// between two of them, each one CSV line of Windows-1252 with CR LF, semicolons, a
// header, numbers with a point and the lamps as 0 and 1, the reading's
// time as the clock gave it; the recording stops with interval reading;
// "Verlauf" charts it and saves the chart as PNG.
#include <gtest/gtest.h>

#include <QAction>
#include <QChart>
#include <QImage>
#include <QListWidget>
#include <QMenu>
#include <QRegularExpression>
#include <cstring>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "file_bytes.h"
#include "ksv2_fixture.h"
#include "osmosis/pln2_fixture.h"
#include "shell/recording_chart.h"
#include "shell/recording_chart_dlg.h"
#include "shell/trend_curve.h"
#include "widgets/status_recorder.h"

namespace {

struct Softener {
    using Window = CAquendorKSV2Dlg;
    static constexpr const char* kProgram = "AquendorKSV2";
    static unitsim::Config unit() {
        unitsim::Config config;
        config.timeScale = 60;
        return config;
    }
    // The header's start, as the status page names the values (Windows-1252).
    static constexpr const char* kHeader =
        "Datum;Uhrzeit;Anlagenstatus;Regenerationsstufe;Restzeit Reg.-Stufe [min.];"
        "Restkapazit\xE4t [m\xB3\xB0"
        "dH];";
};

struct Osmosis {
    using Window = CAquendorPLN2Dlg;
    static constexpr const char* kProgram = "AquendorPLN2";
    static unitsim::Config unit() { return testsupport::osmosisUnit(true); }
    static constexpr const char* kHeader =
        "Datum;Uhrzeit;Anlagenstatus;Leitf\xE4higkeit [\xB5S/cm];";
};

std::vector<std::string> crlfLines(const std::string& bytes) {
    std::vector<std::string> lines;
    std::size_t from = 0;
    for (std::size_t end; (end = bytes.find("\r\n", from)) != std::string::npos; from = end + 2)
        lines.push_back(bytes.substr(from, end - from));
    EXPECT_EQ(from, bytes.size()) << "the file ends with a whole line";
    return lines;
}

template <typename Program>
class StatusRecording : public testsupport::ControllerWindowTest<typename Program::Window> {
  protected:
    void SetUp() override {
        this->start(Program::unit(), Program::kProgram);
        // Readings 15 s apart from 7 December 2026, 23:59:00: the day changes
        // on the way.
        recorder().clock = [this] {
            const int at = 23 * 3600 + 59 * 60 + 15 * ticks_++;
            return files::WallTime{2026, 12, 7 + at / 86400, at / 3600 % 24, at / 60 % 60, at % 60};
        };
    }
    widgets::StatusRecorder& recorder() { return this->window->statusRecorder(); }
    std::size_t linesNow() {
        return crlfLines(testsupport::fileBytes(recorder().lastFile().toStdString())).size();
    }
    // The read button logs in, which offers interval reading.
    void startIntervalReading() {
        this->readyNullModem();
        this->click(this->ids().read);
        this->click(this->ids().intervalCheck);
        ASSERT_TRUE(this->window->intervalReadingTicked());
        ASSERT_TRUE(this->messages.shown.empty()) << this->messages.lastText().toStdString();
    }
    // One tick of the interval timer and the reading it makes.
    void tick() {
        this->sim->advanceMinutes(5);
        const std::size_t before = linesNow();
        this->window->intervalTimer().start(0);
        ASSERT_TRUE(testsupport::waitUntil([&] { return linesNow() > before; }));
    }
    int ticks_ = 0;
};

using Programs = ::testing::Types<Softener, Osmosis>;
TYPED_TEST_SUITE(StatusRecording, Programs);

TYPED_TEST(StatusRecording, AHundredReadingsAreAHundredLinesAndTheChartShowsThem) {
    QAction* record = this->recorder().recordItem();
    ASSERT_NE(record, nullptr);
    EXPECT_EQ(record->text(), "Aufzeichnen");
    EXPECT_FALSE(record->isEnabled());  // only while interval reading runs

    this->startIntervalReading();
    ASSERT_TRUE(record->isEnabled());
    record->trigger();
    ASSERT_TRUE(record->isChecked());
    const std::string file = this->recorder().lastFile().toStdString();
    EXPECT_EQ(file, this->workFolder.path() + "/statusrecord 123456/statusrecord 123456 " +
                        "071226 2359.csv");
    for (int i = 0; i < 100; ++i) this->tick();

    // Interval reading off: its last reading is no part of the recording.
    this->click(this->ids().intervalCheck);
    EXPECT_FALSE(record->isChecked());
    EXPECT_FALSE(record->isEnabled());

    const std::string bytes = testsupport::fileBytes(file);
    const std::vector<std::string> lines = crlfLines(bytes);
    ASSERT_EQ(lines.size(), 101u);
    EXPECT_EQ(lines[0].substr(0, std::strlen(TypeParam::kHeader)), TypeParam::kHeader);
    const auto columns = std::count(lines[0].begin(), lines[0].end(), ';');
    EXPECT_NE(lines[0].find(";Lampe Ausg\xE4nge 1;"), std::string::npos);
    EXPECT_EQ(bytes.find('\n'), bytes.find("\r\n") + 1);  // no bare LF
    EXPECT_EQ(lines[1].substr(0, 20), "07.12.2026;23:59:15;");
    EXPECT_EQ(lines[4].substr(0, 20), "08.12.2026;00:00:00;");
    EXPECT_EQ(lines[100].substr(0, 20), "08.12.2026;00:24:00;");
    // Numbers with a point, whatever the desktop's locale; lamps 0 or 1.
    const QStringList header = QString::fromLatin1(lines[0]).split(';');
    const QRegularExpression commaNumber("^ *-?[0-9]+,[0-9]+$");
    std::set<QString> lampStates;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        EXPECT_EQ(std::count(lines[i].begin(), lines[i].end(), ';'), columns) << lines[i];
        const QStringList fields = QString::fromLatin1(lines[i]).split(';');
        for (int f = 2; f < fields.size(); ++f) {
            EXPECT_FALSE(commaNumber.match(fields[f]).hasMatch()) << lines[i] << " field " << f;
            if (!header[f].startsWith("Lampe ")) continue;
            EXPECT_TRUE(fields[f] == "0" || fields[f] == "1") << lines[i] << " field " << f;
            lampStates.insert(fields[f]);
        }
    }
    EXPECT_EQ(lampStates, (std::set<QString>{"0", "1"}));

    // The chart of the recording, a lamp among its lines as a step line.
    this->recorder().showTrend();
    shell::RecordingChartDlg* chart = this->recorder().chart();
    ASSERT_NE(chart, nullptr);
    ASSERT_TRUE(chart->isVisible());
    EXPECT_EQ(chart->content().rows.size(), 100u);
    EXPECT_EQ(chart->content().skipped, 0u);
    EXPECT_EQ(chart->chosen().size(), 2u);
    std::size_t lamp = 0;
    while (lamp < chart->content().columns.size() &&
           chart->content().columns[lamp] != "Lampe Ausg\u00E4nge 1")
        ++lamp;
    ASSERT_LT(lamp, chart->content().columns.size());
    EXPECT_TRUE(shell::isStepColumn(chart->content(), lamp));
    std::vector<std::size_t> chosen = chart->chosen();
    chosen.push_back(lamp);
    chart->choose(chosen);
    const QList<shell::TrendCurveItem*> curves = shell::recordingCurves(*chart->chart());
    ASSERT_EQ(curves.size(), 3);
    EXPECT_EQ(chart->chart()->axes(Qt::Horizontal).size(), 1);
    EXPECT_EQ(chart->chart()->axes(Qt::Vertical).size(), 3);
    EXPECT_GE(curves[2]->points().size(), 100u);
    const std::string png = this->workFolder.path() + "/chart.png";
    ASSERT_TRUE(chart->savePng(QString::fromStdString(png)));
    QImage picture(QString::fromStdString(png));
    EXPECT_FALSE(picture.isNull());
    EXPECT_GE(picture.width(), 600);
}

// A recording whose file went away ends at the next reading and says so;
// the readings go on.
TYPED_TEST(StatusRecording, ALineThatCannotBeWrittenEndsTheRecording) {
    this->startIntervalReading();
    this->recorder().recordItem()->trigger();
    ASSERT_TRUE(this->recorder().recording());
    this->tick();
    const std::string file = this->recorder().lastFile().toStdString();
    std::filesystem::remove(file);
    const auto reads = this->sim->received().size();
    this->window->intervalTimer().start(0);
    ASSERT_TRUE(testsupport::waitUntil([&] { return !this->messages.shown.empty(); }));
    EXPECT_TRUE(this->messages.lastText().startsWith(
        "Die Ablesung kann nicht in die Aufzeichnung geschrieben werden"));
    EXPECT_FALSE(this->recorder().recording());
    EXPECT_FALSE(std::filesystem::exists(file));
    EXPECT_GT(this->sim->received().size(), reads);
    EXPECT_TRUE(this->window->intervalReadingTicked());
}

}  // namespace
