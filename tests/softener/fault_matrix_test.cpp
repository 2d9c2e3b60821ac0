// Every exchange of the softener program against every fault a unit, a
// cable or a modem can show: each ends in its message within its timeouts,
// with the window usable, the status field at rest and no file half
// written; a slow unit is waited for.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "devlink/delay.h"
#include "fault_matrix.h"
#include "ksv2_fixture.h"
#include "resources/ids/ksv2_ids.h"

using namespace ksv2::ids;
using testsupport::Ksv2Window;
using unitsim::Fault;
using namespace testsupport;

namespace {

// One exchange of the program: where its answer is spoiled and how the
// operator starts it.
struct Exchange {
    const char* label;  // as the messages name it
    const char* word;   // the request's command word
    int skip;           // answers to that word that go out as usual first
    bool afterRead;     // the operation needs a read first (buttons, record)
    int button;
    bool twoParts;  // the unit sends its record and status history in two answers
};

const Exchange kExchanges[] = {
    {"CSN", "CSN", 0, false, ReadButton, false},
    {"DSI", "DSI", 0, false, ReadButton, false},
    {"DPI1", "DPI", 0, false, ReadButton, false},
    {"DPI2", "DPI", 1, false, ReadButton, true},
    {"DPS ", "DPS", 0, true, WriteButton, false},
    {"SEQ", "SEQ", 0, true, QuitErrorButton, false},
    {"SRS", "SRS", 0, true, RegenerationButton, false},
    {"SRF", "SRF", 0, true, ReserveFilterButton, false},
    {"SFA", "SFA", 0, true, ChangeFilterButton, false},
    {"STS", "STS", 0, true, SetClockButton, false},
    {"DHI", "DHI", 0, true, StatusHistoryButton, false},
    {"DHI2", "DHI", 1, true, StatusHistoryButton, true},
    {"DEI", "DEI", 0, true, ErrorHistoryButton, false},
};

MatrixOutcome expected(const Exchange& exchange, Fault fault) {
    return matrixOutcome(fault, exchange.label, "Aquendor\u00AE", "COM2: transmission error");
}

}  // namespace

class SoftenerFaultMatrix : public Ksv2Window, public MatrixCell<kExchanges> {
  protected:
    void SetUp() override {
        startClock();
        unitsim::Config config;
        config.twoPartDpi = exchange().twoParts;
        config.modem = overModem();
        config.dialDelayMs = 100;
        start(config, "AquendorKSV2 english");
        sim->setTwoPartHistory(exchange().twoParts);
        typeSerial("123456");
        if (overModem()) {
            edit(DialNumberEdit)->setText("0711");
            click(ConnectButton);
            ASSERT_TRUE(window->session().connected) << messages.lastText().toStdString();
        } else {
            click(NullModemRadio);
        }
        if (exchange().afterRead) click(ReadButton);
        ASSERT_TRUE(messages.shown.empty()) << messages.lastText().toStdString();
    }

    std::size_t historyFiles() const {
        std::size_t files = 0;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(workFolder.path()))
            files += entry.is_regular_file() && entry.path().extension() == ".txt";
        return files;
    }

    // A new device behind COM2, as an adapter plugged in again.
    void replug() {
        newLine();
        sim = std::make_unique<unitsim::Simulator>(unitsim::Config{});
        ASSERT_TRUE(sim->open());
        ASSERT_TRUE(sim->bindComName(ports.path(), "COM2"));
        sim->start();
    }
};

TEST_P(SoftenerFaultMatrix, EndsInItsMessageWithTheWindowUsable) {
    const MatrixOutcome outcome = expected(exchange(), fault());
    const std::size_t filesBefore = historyFiles();
    sim->setFaultOn(exchange().word, fault(), exchange().skip);
    messages.clear();
    if (exchange().button == ResetButton) messages.answers.push_back(shell::MessageAnswer::Yes);
    const std::int64_t start = devlink::monotonicMs();
    click(exchange().button);
    const std::int64_t tookMs = devlink::monotonicMs() - start;

    if (outcome.message.empty()) {
        EXPECT_TRUE(messages.shown.empty()) << messages.lastText().toStdString();
    } else {
        ASSERT_FALSE(messages.shown.empty());
        EXPECT_EQ(messages.shown.front().text.toStdString(), outcome.message);
        EXPECT_EQ(messages.shown.size(), 1u) << messages.lastText().toStdString();
    }
    EXPECT_LE(tookMs, outcome.atMostMs);
    // At rest: ONLINE over a modem line (the program cannot tell that it
    // broke), OFFLINE over the cable.
    EXPECT_EQ(edit(StatusEdit)->text(), overModem() ? "ONLINE" : "OFFLINE");
    EXPECT_NE(window->cursor().shape(), Qt::WaitCursor);
    if (!outcome.message.empty()) {
        EXPECT_EQ(historyFiles(), filesBefore);  // nothing half written
    }

    // The window is usable: the next read works (after a vanished device,
    // once it is back).
    if (fault() == Fault::Vanish) replug();
    if (overModem()) return;  // the line is gone; dialling again is the operator's
    sim->clearFault();
    ASSERT_TRUE(sim->waitUntilIdle());  // an endless stream runs out once nobody reads it
    messages.clear();
    click(ReadButton);
    EXPECT_TRUE(messages.shown.empty()) << messages.lastText().toStdString();
    EXPECT_EQ(edit(StatusEdit)->text(), "OFFLINE");
}

INSTANTIATE_TEST_SUITE_P(AllExchanges, SoftenerFaultMatrix, SoftenerFaultMatrix::cells(),
                         SoftenerFaultMatrix::name);
