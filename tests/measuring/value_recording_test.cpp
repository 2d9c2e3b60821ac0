// Recording the measured value: the interval asked (10 s the first time,
// then the last choice), a reading at the start and at each tick as one
// CSV line with the value at the display's precision and the temperature,
// the reading's own time, empty where the unit has no temperature; ended
// from the menu or by a failed reading; charted by "Messwerte im Verlauf".
#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QSpinBox>
#include <string>

#include "devlink/fields.h"
#include "devlink/telegram.h"
#include "measuring/recording_interval_dlg.h"
#include "measuring/value_recorder.h"
#include "shell/recording_chart_dlg.h"
#include "vantiqo_fixture.h"

using testsupport::VantiqoWindow;

namespace {

std::string loginAnswer() {
    return devlink::frameRequest("CSN|42|");
}

std::string rmvAnswer(double value, double temperature) {
    return devlink::frameRequest("RMV|0000" + devlink::encodeFloat(static_cast<float>(value)) +
                                 devlink::encodeFloat(static_cast<float>(temperature)) + "|");
}

class ValueRecording : public VantiqoWindow {
  protected:
    void SetUp() override {
        VantiqoWindow::SetUp();
        recorder().clock = [this] {
            const int at = 14 * 3600 + 7 * 60 + 10 * readings_++;
            return files::WallTime{2009, 6, 3, at / 3600, at / 60 % 60, at % 60};
        };
    }
    measuring::ValueRecorder& recorder() { return window->valueRecorder(); }
    QAction* item(const char* name) { return window->windowMenu()->findChild<QAction*>(name); }
    std::string file() { return testsupport::fileBytes(recorder().lastFile().toStdString()); }
    // Starts with the interval typed into the dialog, or the one offered.
    void startRecording(int seconds, int* offered = nullptr) {
        messages.dialogHandlers.push_back([seconds, offered](QDialog& dialog) {
            auto* ask = qobject_cast<measuring::RecordingIntervalDlg*>(&dialog);
            ASSERT_NE(ask, nullptr);
            if (offered) *offered = ask->seconds();
            ask->secondsBox()->setValue(seconds);
            QTest::mouseClick(ask->startButton(), Qt::LeftButton);
        });
        item("recordValueItem")->trigger();
    }
    // One tick of the recording's timer and the reading it makes.
    void tick() {
        const std::size_t before = file().size();
        recorder().timer().setSingleShot(true);
        recorder().timer().start(0);
        ASSERT_TRUE(testsupport::waitUntil([&] { return file().size() > before; }));
    }
    int readings_ = 0;
};

}  // namespace

TEST_F(ValueRecording, EachReadingIsALineUntilTheMenuEndsIt) {
    for (auto [value, temperature] : {std::pair{0.45, 21.3}, {0.5, -1.0}, {1.25, 21.34}}) {
        sim->queueRawAnswer(loginAnswer());
        sim->queueRawAnswer(rmvAnswer(value, temperature));
    }
    int offered = 0;
    startRecording(2, &offered);
    EXPECT_EQ(offered, 10);
    ASSERT_TRUE(recorder().recording()) << messages.lastText().toStdString();
    EXPECT_TRUE(item("recordValueItem")->isChecked());
    EXPECT_TRUE(recorder().timer().isActive());
    EXPECT_EQ(recorder().timer().interval(), 2000);
    EXPECT_EQ(recorder().lastFile().toStdString(),
              workFolder.path() + "/valuerecord 123456/valuerecord 123456 030609 1407.csv");
    tick();
    tick();
    EXPECT_EQ(file(),
              "Datum;Uhrzeit;Chlor [mg/l];Temperatur [\xB0"
              "C]\r\n"
              "03.06.2009;14:07:00;0.4;21.3\r\n"  // 0.45 as a float is 0.4499...
              "03.06.2009;14:07:10;0.5;\r\n"      // the unit has no temperature
              "03.06.2009;14:07:20;1.2;21.3\r\n");
    item("recordValueItem")->trigger();  // ends it
    EXPECT_FALSE(recorder().recording());
    EXPECT_FALSE(item("recordValueItem")->isChecked());
    EXPECT_FALSE(recorder().timer().isActive());

    // The chart of it; the next recording offers the interval chosen last.
    item("valueTrendItem")->trigger();
    ASSERT_NE(recorder().chart(), nullptr);
    EXPECT_EQ(recorder().chart()->content().rows.size(), 3u);
    EXPECT_EQ(recorder().chart()->chosen(), (std::vector<std::size_t>{0, 1}));
    messages.dialogHandlers.push_back([&](QDialog& dialog) {
        offered = qobject_cast<measuring::RecordingIntervalDlg*>(&dialog)->seconds();
        QTest::mouseClick(qobject_cast<measuring::RecordingIntervalDlg*>(&dialog)->cancelButton(),
                          Qt::LeftButton);
    });
    item("recordValueItem")->trigger();
    EXPECT_EQ(offered, 2);
    EXPECT_FALSE(recorder().recording());
}

TEST_F(ValueRecording, AFailedReadingEndsTheRecording) {
    startRecording(10);
    ASSERT_TRUE(recorder().recording()) << messages.lastText().toStdString();
    sim->queueRawAnswer(loginAnswer());
    sim->queueRawAnswer(devlink::checksumEcho("RMV"));
    recorder().timer().start(0);
    ASSERT_TRUE(testsupport::waitUntil([&] { return !recorder().recording(); }));
    EXPECT_EQ(messages.lastText(), "RMV: checksum error, error in transmission (PC -> Vantiqo)");
    EXPECT_FALSE(recorder().timer().isActive());
    const std::string lines = file();
    EXPECT_EQ(std::count(lines.begin(), lines.end(), '\n'), 2);  // the header and the first
}
