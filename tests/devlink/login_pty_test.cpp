// Login of both program kinds over the pseudo-terminal: every known answer,
// the unknown-answer rule, the answer each one reports to the window and
// the messages it gives. Which buttons a window switches after an answer is
// the window's decision (tests/shell/login_buttons_test.cpp).
#include <gtest/gtest.h>

#include "devlink/login.h"
#include "sim_fixture.h"

using namespace devlink;
using testsupport::SimulatedLine;

namespace {

std::string framedAnswer(const std::string& body) {
    return frameRequest(body);
}

}  // namespace

class ControllerLogin : public SimulatedLine {
  protected:
    using Answers = std::vector<LoginAnswer>;
};

TEST_F(ControllerLogin, ReadingAndWritingUnlocksEverything) {
    EXPECT_EQ(controllerLogin(link, LoginIntent::Read), 2);
    EXPECT_TRUE(window.messages.empty()) << window.lastMessage();
    EXPECT_EQ(window.answers, (Answers{LoginAnswer::ReadWrite}));
    EXPECT_EQ(window.statusWords, (std::vector<std::string>{"BUSY", "OFFLINE", "READ"}));
    EXPECT_EQ(controllerLogin(link, LoginIntent::Write), 2);
    EXPECT_EQ(window.lastStatus(), "WRITE");

    // While interval reading runs the answer is reported all the same.
    window.answers.clear();
    window.intervalTicked = true;
    EXPECT_EQ(controllerLogin(link, LoginIntent::QuietRead), 2);
    EXPECT_EQ(window.answers, (Answers{LoginAnswer::ReadWrite}));
    EXPECT_EQ(window.lastStatus(), "READ");
}

TEST_F(ControllerLogin, ReadingOnlyIsANoticeForReadsAndARefusalForWrites) {
    sim->setLevel(1);
    EXPECT_EQ(controllerLogin(link, LoginIntent::Read), 1);
    EXPECT_EQ(window.lastMessage(), "no authorisation to write");
    EXPECT_EQ(window.answers, (Answers{LoginAnswer::ReadOnly}));
    EXPECT_EQ(window.lastStatus(), "READ");

    window.statusWords.clear();
    window.englishUi = false;
    EXPECT_EQ(controllerLogin(link, LoginIntent::Write), 0);
    EXPECT_EQ(window.lastMessage(), "Keine Schreibberechtigung");
    EXPECT_EQ(window.lastStatus(), "OFFLINE");  // never "WRITE"

    // The histories read quietly: no notice, the read goes on.
    window.messages.clear();
    EXPECT_EQ(controllerLogin(link, LoginIntent::QuietRead), 1);
    EXPECT_TRUE(window.messages.empty()) << window.lastMessage();
    EXPECT_EQ(window.lastStatus(), "READ");

    // Interval reading: no message, the read goes on.
    window.intervalTicked = true;
    EXPECT_EQ(controllerLogin(link, LoginIntent::Read), 1);
    EXPECT_TRUE(window.messages.empty());
}

TEST_F(ControllerLogin, NoAccessStopsIntervalReading) {
    sim->setLevel(0);
    window.intervalTicked = true;
    EXPECT_EQ(controllerLogin(link, LoginIntent::Read), 0);
    EXPECT_EQ(window.lastMessage(), "no authorisation to read and write");
    EXPECT_EQ(window.answers, (Answers{LoginAnswer::NoAccess}));
    // The reader stops and restarts the timer around the answer; the login stops it.
    EXPECT_EQ(window.timerEvents, (std::vector<std::string>{"stop", "start", "stop"}));
    window.englishUi = false;
    EXPECT_EQ(controllerLogin(link, LoginIntent::Read), 0);
    EXPECT_EQ(window.lastMessage(), "Keine Schreib- und Leseberechtigung");
}

TEST_F(ControllerLogin, WrongSerialNumber) {
    sim->setSerialNumber("654321");
    EXPECT_EQ(controllerLogin(link, LoginIntent::Read), 0);
    EXPECT_EQ(window.lastMessage(), "Insert the correct serialnumber");
    EXPECT_EQ(window.messages.back().caption, MessageCaption::ProgramCaption);
    EXPECT_EQ(window.answers, (Answers{LoginAnswer::WrongSerial}));
    EXPECT_EQ(window.focusCount, 1);
    window.englishUi = false;
    EXPECT_EQ(controllerLogin(link, LoginIntent::Read), 0);
    EXPECT_EQ(window.lastMessage(), "Bitte die korrekte Seriennummer eingeben");
}

TEST_F(ControllerLogin, EchoAndUnknownAnswers) {
    sim->queueRawAnswer(checksumEcho("CSN"));
    EXPECT_EQ(controllerLogin(link, LoginIntent::Read), 0);
    EXPECT_EQ(window.lastMessage(),
              "CSN: checksum error, error in transmission (PC -> Aquendor\u00AE)");
    EXPECT_TRUE(window.answers.empty());  // no answer the login could take

    // A valid answer that is none of the four known ones: no message,
    // reading and writing.
    window.messages.clear();
    sim->queueRawAnswer(framedAnswer("CSN|7|"));
    EXPECT_EQ(controllerLogin(link, LoginIntent::Write), 2);
    EXPECT_TRUE(window.messages.empty());
    EXPECT_EQ(window.answers, (Answers{LoginAnswer::Other}));
    EXPECT_EQ(window.lastStatus(), "WRITE");
}

TEST_F(ControllerLogin, AZeroByteInTheAnswerIsAChecksumError) {
    // A reading-only answer, a stray byte, zeros from a line break, then an
    // end byte: the digits before the stray byte must not grant a level.
    sim->queueRawAnswer(std::string("CSN|1|0DM\0\0\0N|1|0D\x04", 19));
    EXPECT_EQ(controllerLogin(link, LoginIntent::Read), 0);
    EXPECT_EQ(window.lastMessage(),
              "CSN: checksum error, error in transmission (Aquendor\u00AE -> PC)");
    EXPECT_NE(window.lastStatus(), "READ");
}

TEST_F(ControllerLogin, OnlySixDecimalDigitsAreSent) {
    for (const char* serial : {"12345", "", "12345a", "12|456", "12345\xC3"}) {
        window.serialNumber = serial;
        EXPECT_EQ(controllerLogin(link, LoginIntent::Read), 0) << serial;
        EXPECT_EQ(window.lastMessage(), "Please insert 6 numbers for the serialnumber");
    }
    EXPECT_EQ(window.focusCount, 5);
    window.englishUi = false;
    EXPECT_EQ(controllerLogin(link, LoginIntent::Read), 0);
    EXPECT_EQ(window.lastMessage(), "Bitte 6 Ziffern f\u00FCr die Seriennummer eingeben");
    EXPECT_TRUE(sim->received().empty());

    // The field holds at most six characters: a longer text is cut, as the field would.
    window.serialNumber = "1234567";
    EXPECT_EQ(controllerLogin(link, LoginIntent::Read), 2);
}

class MeasuringLoginTest : public SimulatedLine {
  protected:
    void SetUp() override {}
    void bind(int variant, int level) {
        unitsim::Config config;
        config.kind = unitsim::UnitKind::Measuring;
        config.variant = variant;
        config.level = level;
        bindUnit(config);
        measuringLink = std::make_unique<DeviceLink>(port, window, LinkProfile{"Vantiqo", true});
    }
    std::unique_ptr<DeviceLink> measuringLink;
    MeasuringLogin login;
};

TEST_F(MeasuringLoginTest, EveryVariantAndLevel) {
    bind(1, 2);
    const char* names[] = {"Vantiqo LM",  "Vantiqo pH", "Vantiqo redox",
                           "Vantiqo Cl2", "Vantiqo O3", "Vantiqo ClO2"};
    for (int variant = 1; variant <= 6; ++variant) {
        sim->setVariant(variant);
        for (int level = 0; level <= 2; ++level) {
            sim->setLevel(level);
            window.messages.clear();
            window.variant.clear();
            const int result = login.login(*measuringLink, LoginIntent::Read);
            EXPECT_EQ(result, level + 1) << variant << level;
            EXPECT_EQ(login.deviceType(), '0' + variant);
            EXPECT_EQ(window.variant, names[variant - 1]);
            const char* expected = level == 0   ? "no authorisation to read and write"
                                   : level == 1 ? "no authorisation to write"
                                                : "";
            EXPECT_EQ(window.lastMessage(), expected) << variant << level;
        }
    }
    EXPECT_TRUE(window.answers.empty());  // the measuring program's buttons stay
}

TEST_F(MeasuringLoginTest, ShortAnswersAndIntents) {
    bind(0, 2);
    EXPECT_EQ(login.login(*measuringLink, LoginIntent::Write), 3);
    EXPECT_EQ(login.deviceType(), '0');
    EXPECT_EQ(window.lastStatus(), "SCHREIBEN");
    EXPECT_TRUE(window.variant.empty());

    sim->setLevel(1);
    window.messages.clear();
    EXPECT_EQ(login.login(*measuringLink, LoginIntent::QuietRead), 2);
    EXPECT_TRUE(window.messages.empty());
    EXPECT_EQ(window.lastStatus(), "LESEN");
    window.statusWords.clear();
    EXPECT_EQ(login.login(*measuringLink, LoginIntent::Write), 2);
    EXPECT_EQ(window.lastMessage(), "no authorisation to write");
    EXPECT_TRUE(window.statusWords.empty());  // no busy display, no status text

    sim->setSerialNumber("000001");
    EXPECT_EQ(login.login(*measuringLink, LoginIntent::Read), 4);
    EXPECT_EQ(window.lastMessage(), "Insert the correct serialnumber");

    // Unknown eight-character answers are full access; the checksum texts name the unit.
    sim->queueRawAnswer(framedAnswer("CSN|9|"));
    EXPECT_EQ(login.login(*measuringLink, LoginIntent::Read), 3);
    sim->queueRawAnswer(checksumEcho("CSN"));
    EXPECT_EQ(login.login(*measuringLink, LoginIntent::Read), 0);
    EXPECT_EQ(window.lastMessage(), "CSN: checksum error, error in transmission (PC -> Vantiqo)");
    sim->queueRawAnswer("CSN|2|0e\x04");
    EXPECT_EQ(login.login(*measuringLink, LoginIntent::Read), 0);
    EXPECT_EQ(window.lastMessage(), "CSN: checksum error, error in transmission (Vantiqo -> PC)");
}
