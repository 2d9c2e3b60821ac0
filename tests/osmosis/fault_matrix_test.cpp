// Every exchange of the reverse-osmosis program against every fault a unit,
// a cable or a modem can show: each ends in its message within its
// timeouts, with the window usable, the status field at rest and no error
// list half written; a slow unit is waited for.
#include <gtest/gtest.h>

#include <filesystem>

#include "devlink/delay.h"
#include "fault_matrix.h"
#include "pln2_fixture.h"
#include "resources/ids/pln2_ids.h"

using namespace pln2::ids;
using namespace testsupport;

namespace {

struct Exchange {
    const char* label;  // as the messages name it
    const char* word;   // the request's command word
    int skip;           // answers to that word that go out as usual first
    bool afterRead;     // the operation needs a read first
    int button;
    bool twoParts;  // the unit sends its record in two answers
};

const Exchange kExchanges[] = {
    {"CSN", "CSN", 0, false, ReadButton, false},
    {"DSI", "DSI", 0, false, ReadButton, false},
    {"DPI1", "DPI", 0, false, ReadButton, false},
    {"DPI2", "DPI", 1, false, ReadButton, true},
    {"DPS ", "DPS", 0, true, WriteButton, false},
    {"SEQ", "SEQ", 0, true, QuitErrorButton, false},
    {"SRS", "SRS", 0, true, RunStopButton, false},
    {"SFA", "SFA", 0, true, FlushButton, false},
    {"STS", "STS", 0, true, SetClockButton, false},
    {"DEI", "DEI", 0, true, ErrorHistoryButton, false},
};

}  // namespace

class OsmosisFaultMatrix : public Pln2Window, public MatrixCell<kExchanges> {
  protected:
    void SetUp() override {
        startClock();
        unitsim::Config config = osmosisUnit();
        config.twoPartDpi = exchange().twoParts;
        config.modem = overModem();
        config.dialDelayMs = 100;
        start(config, "AquendorPLN2 english");
        typeSerial("123456");
        if (overModem()) {
            edit(ids().dialNumber)->setText("0711");
            click(ids().connect);
            ASSERT_TRUE(window->session().connected) << messages.lastText().toStdString();
        } else {
            click(ids().nullModemRadio);
        }
        if (exchange().afterRead) click(ids().read);
        ASSERT_TRUE(messages.shown.empty()) << messages.lastText().toStdString();
    }

    std::size_t listFiles() const {
        std::size_t files = 0;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(workFolder.path()))
            files += entry.is_regular_file() && entry.path().extension() == ".txt";
        return files;
    }

    void replug() {
        newLine();
        sim = std::make_unique<unitsim::Simulator>(osmosisUnit());
        ASSERT_TRUE(sim->open());
        ASSERT_TRUE(sim->bindComName(ports.path(), "COM2"));
        sim->start();
    }
};

TEST_P(OsmosisFaultMatrix, EndsInItsMessageWithTheWindowUsable) {
    const MatrixOutcome outcome =
        matrixOutcome(fault(), exchange().label, "Aquendor\u00AE", "COM2: transmission error");
    const std::size_t filesBefore = listFiles();
    sim->setFaultOn(exchange().word, fault(), exchange().skip);
    messages.clear();
    const std::int64_t start = devlink::monotonicMs();
    click(exchange().button);
    const std::int64_t tookMs = devlink::monotonicMs() - start;

    if (outcome.message.empty()) {
        EXPECT_TRUE(messages.shown.empty()) << messages.lastText().toStdString();
    } else {
        ASSERT_FALSE(messages.shown.empty());
        EXPECT_EQ(messages.shown.front().text.toStdString(), outcome.message);
        EXPECT_EQ(messages.shown.size(), 1u) << messages.lastText().toStdString();
        EXPECT_EQ(listFiles(), filesBefore);
    }
    EXPECT_LE(tookMs, outcome.atMostMs);
    EXPECT_EQ(edit(ids().status)->text(), overModem() ? "ONLINE" : "OFFLINE");
    EXPECT_NE(window->cursor().shape(), Qt::WaitCursor);

    if (fault() == Fault::Vanish) replug();
    if (overModem()) return;
    sim->clearFault();
    ASSERT_TRUE(sim->waitUntilIdle());  // an endless stream runs out once nobody reads it
    messages.clear();
    click(ids().read);
    EXPECT_TRUE(messages.shown.empty()) << messages.lastText().toStdString();
    EXPECT_EQ(edit(ids().status)->text(), "OFFLINE");
}

INSTANTIATE_TEST_SUITE_P(AllExchanges, OsmosisFaultMatrix, OsmosisFaultMatrix::cells(),
                         OsmosisFaultMatrix::name);
