// Every exchange of the Vantiqo program against every fault a unit, a
// cable or a modem can show: each ends in its message within its timeouts,
// with the window usable, the status field at rest and no CSV file half
// written; a slow unit is waited for.
#include <filesystem>

#include "devlink/delay.h"
#include "fault_matrix.h"
#include "resources/ids/vantiqo_ids.h"
#include "vantiqo_fixture.h"

using namespace vantiqo::ids;
using shell::MessageAnswer;
using testsupport::measuringConfig;
using testsupport::VantiqoWindow;
using unitsim::Fault;
using namespace testsupport;

namespace {

struct Exchange {
    const char* label;  // the command word, as the messages name it
    int button;         // the button that starts it
};

const Exchange kExchanges[] = {
    {"CSN", MeasuredValueButton}, {"RMV", MeasuredValueButton}, {"DFL", LoggerReadButton},
    {"DFI", LoggerReadButton},    {"CLM", LoggerClearButton},
};

}  // namespace

class VantiqoFaultMatrix : public VantiqoWindow, public MatrixCell<kExchanges> {
  protected:
    void SetUp() override {
        startClock();
        unitsim::Config config = measuringConfig(4, 40);
        config.modem = overModem();
        config.dialDelayMs = 100;
        start(config);
        if (!overModem()) return;
        click(ModemRadio);
        edit(DialNumberEdit)->setText("0711");
        click(ConnectButton);
        ASSERT_EQ(edit(StatusEdit)->text(), "ONLINE") << messages.lastText().toStdString();
        messages.clear();
    }

    MatrixOutcome expected() const {
        return matrixOutcome(fault(), exchange().label, "Vantiqo", "COM1: \u00DCbertragungsfehler");
    }

    void replug() {
        newLine();
        sim = std::make_unique<unitsim::Simulator>(measuringConfig(4, 40));
        ASSERT_TRUE(sim->open());
        ASSERT_TRUE(sim->bindComName(ports.path(), "COM1"));
        sim->start();
    }
};

TEST_P(VantiqoFaultMatrix, EndsInItsMessageWithTheWindowUsable) {
    sim->setFaultOn(exchange().label, fault());
    // Yes to the readout or clear question, No to showing the folder.
    messages.answers = {MessageAnswer::Yes, MessageAnswer::No};
    const std::int64_t start = devlink::monotonicMs();
    click(exchange().button);
    const std::int64_t tookMs = devlink::monotonicMs() - start;

    const MatrixOutcome outcome = expected();
    const std::string& message = outcome.message;
    if (message.empty()) {
        // Slow but correct: the exchange succeeds; only the questions and
        // confirmations of the operation appear.
        for (const auto& shown : messages.shown)
            EXPECT_EQ(shown.text.indexOf("error"), -1) << shown.text.toStdString();
        EXPECT_LE(tookMs, outcome.atMostMs);
    } else {
        ASSERT_FALSE(messages.shown.empty());
        EXPECT_EQ(messages.lastText().toStdString().rfind(message, 0), 0u)
            << messages.lastText().toStdString();
        EXPECT_LE(tookMs, outcome.atMostMs);
        EXPECT_TRUE(csvFiles().empty());  // nothing half written
    }
    EXPECT_EQ(edit(StatusEdit)->text(), overModem() ? "ONLINE" : "BEREIT");
    EXPECT_NE(window->cursor().shape(), Qt::WaitCursor);

    // The window is usable: the next reading works.
    if (fault() == Fault::Vanish) replug();
    if (overModem()) return;
    sim->clearFault();
    ASSERT_TRUE(sim->waitUntilIdle());  // an endless stream runs out once nobody reads it
    messages.clear();
    click(MeasuredValueButton);
    EXPECT_TRUE(messages.shown.empty()) << messages.lastText().toStdString();
    EXPECT_EQ(edit(StatusEdit)->text(), "BEREIT");
}

INSTANTIATE_TEST_SUITE_P(AllExchanges, VantiqoFaultMatrix, VantiqoFaultMatrix::cells(),
                         VantiqoFaultMatrix::name);
