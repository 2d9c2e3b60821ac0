// The window stays alive while it waits for the unit: timers outside it keep
// firing, the readout's progress dialog rises and can stop the readout, and
// input aimed at the window during the wait reaches nothing.
#include <QProgressDialog>
#include <QTimer>
#include <chrono>
#include <fstream>
#include <thread>

#include "measuring/chart_dlg.h"

#include "devlink/delay.h"
#include "measuring/readout_progress.h"
#include "resources/ids/vantiqo_ids.h"
#include "vantiqo_fixture.h"
#include "watchdog.h"

using namespace vantiqo::ids;
using shell::MessageAnswer;
using testsupport::measuringConfig;
using testsupport::TempFolder;
using testsupport::VantiqoWindow;
using testsupport::Watchdog;

namespace {

std::size_t blockRequests(const unitsim::Simulator& sim) {
    std::size_t blocks = 0;
    for (const auto& telegram : sim.received()) blocks += telegram.bytes.starts_with("DFI|");
    return blocks;
}

}  // namespace

class PacedLogger : public VantiqoWindow {
  protected:
    // 787 records: 25 184 characters, 50 blocks at 19200 bit/s.
    void SetUp() override { start(measuringConfig(3, 787, 19200)); }
};

TEST_F(PacedLogger, EventsAreHandledAndProgressRisesWhileFiftyBlocksArrive) {
    Watchdog watchdog(20);
    std::vector<std::uint64_t> shown;
    watchdog.onTick = [&] {
        if (auto* progress = window->progressDialog()) {
            shown.push_back(progress->received());
            EXPECT_TRUE(progress->isVisible());
            EXPECT_EQ(progress->maximum(), 787);
        }
    };
    messages.answers = {MessageAnswer::Yes, MessageAnswer::No};
    click(LoggerReadButton);
    ASSERT_EQ(messages.shown.size(), 2u) << messages.lastText().toStdString();
    EXPECT_EQ(blockRequests(*sim), 50u);
    std::printf("%zu ticks, longest gap %lld ms\n", watchdog.ticks.size(),
                static_cast<long long>(watchdog.longestGapMs()));
    EXPECT_GE(watchdog.ticks.size(), 100u);  // about 14 s of transfer
    EXPECT_LT(watchdog.longestGapMs(), Watchdog::kFreezeMs);
    ASSERT_FALSE(shown.empty());
    EXPECT_TRUE(std::is_sorted(shown.begin(), shown.end()));
    EXPECT_LT(shown.front(), 100u);
    EXPECT_GE(shown.back(), 700u);
    EXPECT_EQ(window->progressDialog(), nullptr);
    EXPECT_EQ(csvFiles().size(), 1u);
}

TEST_F(PacedLogger, AbbrechenStopsAfterTheCurrentBlockAndWritesNothing) {
    Watchdog watchdog(20);
    std::size_t blocksAtClick = 0;
    watchdog.onTick = [&] {
        auto* progress = window->progressDialog();
        if (!progress || blocksAtClick > 0 || progress->received() < 100) return;
        blocksAtClick = blockRequests(*sim);
        auto* cancel = progress->findChild<QPushButton*>();
        ASSERT_NE(cancel, nullptr);
        EXPECT_EQ(cancel->text(), "Abbrechen");
        QTest::mouseClick(cancel, Qt::LeftButton);
    };
    messages.answers = {MessageAnswer::Yes};
    click(LoggerReadButton);
    ASSERT_GT(blocksAtClick, 0u);
    EXPECT_LE(blockRequests(*sim), blocksAtClick + 1);
    EXPECT_EQ(messages.lastText(),
              "Das Auslesen des Datenloggers wurde abgebrochen.\nEs wurde keine "
              "Datei geschrieben.");
    EXPECT_TRUE(csvFiles().empty());
    EXPECT_EQ(edit(StatusEdit)->text(), "BEREIT");
}

TEST_F(VantiqoWindow, ASilentUnitKeepsTimersRunningAndClicksReachNothing) {
    sim->setFault(unitsim::Fault::Silence, 1);
    Watchdog watchdog(50);
    int poked = 0;
    watchdog.onTick = [&] {
        if (poked++ != 20) return;  // once, a second into the wait
        click(LoggerReadButton);
        click(ExitButton);
        QTest::keyClick(window.get(), Qt::Key_Escape);
        QTest::keyClick(edit(SerialNumberEdit), Qt::Key_Backspace);
        EXPECT_EQ(window->cursor().shape(), Qt::WaitCursor);
    };
    const std::int64_t start = devlink::monotonicMs();
    click(MeasuredValueButton);
    const std::int64_t waited = devlink::monotonicMs() - start;
    EXPECT_GE(waited, 6000);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.lastText(), QString::fromUtf8("COM1: \u00DCbertragungsfehler"));
    EXPECT_GE(watchdog.ticks.size(), 100u);
    EXPECT_LT(watchdog.longestGapMs(), Watchdog::kFreezeMs);
    EXPECT_EQ(requests(), std::vector<std::string>({"CSN"}));
    EXPECT_EQ(edit(SerialNumberEdit)->text(), "123456");
    EXPECT_TRUE(window->isVisible());
    EXPECT_NE(window->cursor().shape(), Qt::WaitCursor);
}

TEST_F(VantiqoWindow, AClosedWindowWaitsForTheEndOfTheOperation) {
    sim->setFault(unitsim::Fault::Silence, 1);
    QTimer::singleShot(300, [&] { window->close(); });
    click(MeasuredValueButton);
    EXPECT_TRUE(window->isVisible());  // the operation ended first
    EXPECT_TRUE(testsupport::waitUntil([&] { return !window->isVisible(); }));
    EXPECT_FALSE(window->port().isOpen());
}

class SlowUnit : public VantiqoWindow {
  protected:
    // The unit takes 600 ms to answer RMV.
    void SetUp() override {
        observer = [](unitsim::Direction direction, const std::string& bytes) {
            if (direction == unitsim::Direction::Received && bytes.starts_with("RMV|"))
                std::this_thread::sleep_for(std::chrono::milliseconds(600));
        };
        start(measuringConfig(4));
    }
};

// The chart window, open before the operation, takes no input while the
// unit is awaited: its "Als PNG speichern" would open a file dialog, and its
// event loop would hold the wait up until the answer counted as lost.
TEST_F(SlowUnit, AnOpenChartTakesNoInputWhileTheValueIsRead) {
    TempFolder folder;
    const std::string csv = folder.path() + "/old.csv";
    std::ofstream(csv, std::ios::binary)
        << "00001  ,  0000001.25  ,  20.5  ,  03.06.09 , 14:07\r\n";
    messages.fileNames = {QString::fromStdString(csv)};
    click(TrendButton);
    measuring::CChartDlg* chart = window->chartWindow();
    ASSERT_NE(chart, nullptr);
    QPushButton* save = nullptr;
    for (auto* b : chart->findChildren<QPushButton*>())
        if (b->text().startsWith("Als PNG speichern")) save = b;
    ASSERT_NE(save, nullptr);
    const std::string png = folder.path() + "/chart.png";
    messages.fileNames = {QString::fromStdString(png)};

    Watchdog watchdog(20);
    bool clicked = false;
    watchdog.onTick = [&] {
        if (clicked || edit(StatusEdit)->text() != "LESEN") return;
        clicked = true;
        QTest::mouseClick(save, Qt::LeftButton);
        QTest::keyClick(chart, Qt::Key_Escape);
    };
    click(MeasuredValueButton);
    EXPECT_TRUE(clicked);
    EXPECT_TRUE(messages.shown.empty()) << messages.lastText().toStdString();
    EXPECT_TRUE(edit(MeasuredValueEdit)->text().contains(" mg/l T= "))
        << edit(MeasuredValueEdit)->text().toStdString();
    EXPECT_EQ(messages.fileNames.size(), 1u);  // no file dialog was asked for
    EXPECT_FALSE(std::filesystem::exists(png));
    EXPECT_TRUE(chart->isVisible());
    QTest::mouseClick(save, Qt::LeftButton);  // afterwards it works again
    EXPECT_TRUE(std::filesystem::exists(png));
}
