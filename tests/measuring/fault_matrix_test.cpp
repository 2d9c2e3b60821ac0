// Every exchange of the Vantiqo program against every fault a unit, a
// cable or a modem can show: each ends in its message within its timeouts,
// with the window usable, the status field at rest and no CSV file half
// written; a slow unit is waited for.
#include <filesystem>

#include "devlink/delay.h"
#include "vantiqo_fixture.h"

using shell::MessageAnswer;
using testsupport::measuringConfig;
using testsupport::VantiqoWindow;
using unitsim::Fault;

namespace {

struct Exchange {
    const char* word;
    int button;  // 1018 measured value, 1002 logger readout, 1008 logger clear
};

const Exchange kExchanges[] = {
    {"CSN", 1018}, {"RMV", 1018}, {"DFL", 1002}, {"DFI", 1002}, {"CLM", 1008},
};

const Fault kFaults[] = {Fault::Silence,  Fault::WrongChecksum, Fault::ChecksumEcho,
                         Fault::Overlong, Fault::EndlessStream, Fault::SlowBytes,
                         Fault::Vanish,   Fault::CarrierLoss};

const char* faultName(Fault fault) {
    switch (fault) {
        case Fault::Silence:
            return "Silence";
        case Fault::WrongChecksum:
            return "WrongChecksum";
        case Fault::ChecksumEcho:
            return "ChecksumEcho";
        case Fault::Overlong:
            return "Overflow";
        case Fault::EndlessStream:
            return "EndlessStream";
        case Fault::SlowBytes:
            return "SlowBytes";
        case Fault::Vanish:
            return "Vanish";
        case Fault::CarrierLoss:
            return "CarrierLoss";
        default:
            return "Other";
    }
}

std::string paramName(const testing::TestParamInfo<std::tuple<int, Fault>>& info) {
    return std::string(kExchanges[std::get<0>(info.param)].word) + "_" +
           faultName(std::get<1>(info.param));
}

}  // namespace

class VantiqoFaultMatrix : public VantiqoWindow,
                           public testing::WithParamInterface<std::tuple<int, Fault>> {
  protected:
    const Exchange& exchange() const { return kExchanges[std::get<0>(GetParam())]; }
    Fault fault() const { return std::get<1>(GetParam()); }
    bool overModem() const { return fault() == Fault::CarrierLoss; }

    void SetUp() override {
        unitsim::Config config = measuringConfig(4, 40);
        config.modem = overModem();
        config.dialDelayMs = 100;
        start(config);
        if (!overModem()) return;
        click(1014);
        edit(1011)->setText("0711");
        click(1012);
        ASSERT_EQ(edit(1006)->text(), "ONLINE") << messages.lastText().toStdString();
        messages.clear();
    }

    std::string expectedMessage() const {
        const std::string word = exchange().word;
        switch (fault()) {
            case Fault::Silence:
            case Fault::CarrierLoss:
            case Fault::Vanish:
                return "COM1: \u00DCbertragungsfehler";
            case Fault::WrongChecksum:
                return word + ": checksum error, error in transmission (Vantiqo -> PC)";
            case Fault::ChecksumEcho:
                return word + ": checksum error, error in transmission (PC -> Vantiqo)";
            case Fault::Overlong:
            case Fault::EndlessStream:
                return "buffer overflow";
            default:
                return {};
        }
    }

    void replug() {
        sim = std::make_unique<unitsim::Simulator>(measuringConfig(4, 40));
        ASSERT_TRUE(sim->open());
        ASSERT_TRUE(sim->bindComName(ports.path(), "COM1"));
        sim->start();
    }
};

TEST_P(VantiqoFaultMatrix, EndsInItsMessageWithTheWindowUsable) {
    sim->setFaultOn(exchange().word, fault());
    // Yes to the readout or clear question, No to showing the folder.
    messages.answers = {MessageAnswer::Yes, MessageAnswer::No};
    const std::int64_t start = devlink::monotonicMs();
    click(exchange().button);
    const std::int64_t tookMs = devlink::monotonicMs() - start;

    const std::string message = expectedMessage();
    if (message.empty()) {
        // Slow but correct: the exchange succeeds; only the questions and
        // confirmations of the operation appear.
        for (const auto& shown : messages.shown)
            EXPECT_EQ(shown.text.indexOf("error"), -1) << shown.text.toStdString();
        EXPECT_LE(tookMs, 14000);
    } else {
        ASSERT_FALSE(messages.shown.empty());
        EXPECT_EQ(messages.lastText().toStdString().rfind(message, 0), 0u)
            << messages.lastText().toStdString();
        EXPECT_LE(tookMs, fault() == Fault::Silence || overModem() ? 7500 : 3000);
        EXPECT_TRUE(csvFiles().empty());  // nothing half written
    }
    EXPECT_EQ(edit(1006)->text(), overModem() ? "ONLINE" : "BEREIT");
    EXPECT_NE(window->cursor().shape(), Qt::WaitCursor);

    // The window is usable: the next reading works.
    if (fault() == Fault::Vanish) replug();
    if (overModem()) return;
    sim->clearFault();
    devlink::Delay(300);
    messages.clear();
    click(1018);
    EXPECT_TRUE(messages.shown.empty()) << messages.lastText().toStdString();
    EXPECT_EQ(edit(1006)->text(), "BEREIT");
}

INSTANTIATE_TEST_SUITE_P(AllExchanges, VantiqoFaultMatrix,
                         testing::Combine(testing::Range(0,
                                                         static_cast<int>(std::size(kExchanges))),
                                          testing::ValuesIn(kFaults)),
                         paramName);
