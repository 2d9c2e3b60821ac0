// The softener window keeps answering the desktop while it waits for a
// silent unit or a dialling modem, while input and window timers reach
// nothing and a close request waits for the operation to end.
#include <gtest/gtest.h>

#include <QTimer>

#include "devlink/delay.h"
#include "ksv2_fixture.h"
#include "resources/ids/ksv2_ids.h"
#include "watchdog.h"

using namespace ksv2::ids;
using testsupport::Ksv2Window;
using testsupport::Watchdog;

namespace {

std::size_t requestsOf(const unitsim::Simulator& sim, const std::string& word) {
    std::size_t count = 0;
    for (const auto& telegram : sim.received()) count += telegram.bytes.starts_with(word);
    return count;
}

}  // namespace

TEST_F(Ksv2Window, ASilentUnitKeepsTheWindowAnsweringAndInputReachesNothing) {
    readyNullModem();
    sim->setFault(unitsim::Fault::Silence, 1);
    Watchdog watchdog(100);
    int ticks = 0;
    watchdog.onTick = [&] {
        if (++ticks != 10) return;  // once, a second into the wait
        EXPECT_EQ(window->cursor().shape(), Qt::WaitCursor);
        click(ReadButton);   // a second read
        click(WriteButton);  // write
        QTest::keyClick(edit(SerialNumberEdit), Qt::Key_Backspace);
        // A tick of the window's own interval timer.
        window->intervalTimer().start(1);
    };
    const std::int64_t start = devlink::monotonicMs();
    click(ReadButton);
    EXPECT_GE(devlink::monotonicMs() - start, 6000);
    std::printf("%zu watchdog ticks, longest gap %lld ms\n", watchdog.ticks.size(),
                static_cast<long long>(watchdog.longestGapMs()));
    EXPECT_LT(watchdog.longestGapMs(), Watchdog::kFreezeMs);
    EXPECT_GE(watchdog.ticks.size(), 50u);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.lastText(), QString::fromUtf8("COM2: \u00DCbertragungsfehler"));
    EXPECT_EQ(requestsOf(*sim, "CSN"), 1u);  // nothing else went out
    EXPECT_EQ(edit(SerialNumberEdit)->text(), "123456");
    EXPECT_NE(window->cursor().shape(), Qt::WaitCursor);
    window->intervalTimer().stop();
}

TEST_F(Ksv2Window, ACloseRequestDuringAWaitClosesTheWindowAfterwards) {
    readyNullModem();
    sim->setFault(unitsim::Fault::Silence, 1);
    QTimer::singleShot(300, [&] { window->close(); });
    click(ReadButton);
    EXPECT_TRUE(window->isVisible());  // the read ended first
    EXPECT_TRUE(testsupport::waitUntil([&] { return !window->isVisible(); }));
    EXPECT_FALSE(window->port().isOpen());
}

class Ksv2ModemWait : public Ksv2Window {
  protected:
    void SetUp() override {
        unitsim::Config config;
        config.modem = true;
        config.dialDelayMs = 1500;
        start(config, "AquendorKSV2");
        edit(DialNumberEdit)->setText("07111234");
        messages.clear();
    }
};

TEST_F(Ksv2ModemWait, TheWindowAnswersWhileTheModemDials) {
    Watchdog watchdog(100);
    click(ConnectButton);
    EXPECT_TRUE(messages.shown.empty()) << messages.lastText().toStdString();
    EXPECT_TRUE(window->session().connected);
    EXPECT_GE(watchdog.ticks.size(), 30u);  // 2 s after the first digit, 1.5 s dialling
    EXPECT_LT(watchdog.longestGapMs(), Watchdog::kFreezeMs);
}
