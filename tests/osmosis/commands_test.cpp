// The five command buttons and the error history of the reverse-osmosis
// window against the simulator: the telegram each command sends and what
// follows it, the reset with its own message, and the error list file byte
// for byte.
#include <gtest/gtest.h>

#include <cstdio>

#include "devlink/telegram.h"
#include "files/file_write.h"
#include "history_support.h"
#include "osmosis/pln2_unit_functions.h"
#include "pln2_fixture.h"
#include "resources/ids/pln2_ids.h"
#include "telegrams.h"

using namespace pln2::ids;
using testsupport::framed;
using testsupport::join;
using testsupport::kLogin;
using testsupport::kReadAll;
using testsupport::logData;
using testsupport::Pln2Window;

class Pln2Commands : public Pln2Window {
  protected:
    // Read once with full access, so that the command buttons are usable.
    void logIn() {
        readUnit();
        functions().history().clock = [] { return testsupport::moment(2009, 12, 31, 23, 59); };
        functions().commands().clock = [] { return testsupport::moment(2009, 3, 5, 14, 7, 40); };
        sim->clearReceived();
        messages.clear();
    }
    osmosis::Pln2UnitFunctions& functions() { return window->unitFunctions(); }
    // The reset's 4 s pause ends as soon as the unit has taken the whole
    // telegram and answered it.
    testsupport::SkippingClock clock;
    std::vector<std::string> telegrams() const { return testsupport::telegramsOf(*sim); }
    std::string errorList() const {
        const auto bytes = files::readWholeFile(
            workFolder.path() + "/errorlist 123456/errorlist 123456 311209 2359.txt");
        return bytes ? *bytes : std::string("(no file)");
    }
};

TEST_F(Pln2Commands, EachButtonSendsItsTelegramAndOnlySomeReadAgain) {
    logIn();
    const std::pair<int, std::vector<std::string>> cases[] = {
        {QuitErrorButton, join({kLogin, "SEQ|65\x04"}, kReadAll)},
        {RunStopButton, {kLogin, "SRS|74\x04"}},
        {FlushButton, {kLogin, "SFA|56\x04"}},
        {SetClockButton, join({kLogin, framed("STS|0503091407|")}, kReadAll)},
    };
    for (const auto& [control, expected] : cases) {
        sim->clearReceived();
        click(control);
        EXPECT_TRUE(messages.shown.empty()) << messages.lastText().toStdString();
        EXPECT_EQ(telegrams(), expected) << control;
    }
    // "Start / Stop" stopped the plant; the status page shows it after a read.
    EXPECT_EQ(devlink::decodeByte(sim->statusArea(), 96), 8);
    // An echo of the command's own telegram is the PC-to-unit error.
    sim->queueRawAnswer(framed("CSN|2|"));
    sim->queueRawAnswer("SFA|56\x04");
    click(FlushButton);
    EXPECT_EQ(
        messages.lastText(),
        QString::fromUtf8("SFA: checksum error, error in transmission (PC -> Aquendor\u00AE)"));
    EXPECT_EQ(messages.shown.back().caption, QString::fromUtf8("Aquendor\u00AE PLN2"));
}

TEST_F(Pln2Commands, ResetAsksWaitsReadsAndThenSaysSo) {
    logIn();
    click(ResetButton);  // the script answers No
    EXPECT_EQ(messages.lastText(), "Steuerung wirklich zur\u00FCcksetzen ?");
    EXPECT_TRUE(sim->received().empty());
    messages.answers.push_back(shell::MessageAnswer::Yes);
    click(ResetButton);
    EXPECT_EQ(telegrams(), join({kLogin, "RST|75\x04"}, kReadAll));
    EXPECT_EQ(messages.lastText(),
              QString::fromUtf8("PLN2 zur\u00FCckgesetzt, wenn Alarm-LED (Hupe) leuchtet"));
    EXPECT_EQ(messages.shown.back().caption, QString::fromUtf8("Aquendor\u00AE PLN2"));
}

TEST_F(Pln2Commands, ErrorHistoryIsWrittenByteForByte) {
    logIn();
    sim->setHistoryText(unitsim::History::Error,
                        logData(3,
                                {{1, 0, 7, 1, 9, 6, 58},
                                 {6, 0, 15, 11, 9, 23, 5},  // two bits: no text of its own
                                 {1024, 0, 31, 12, 9, 23, 59}},
                                false));
    click(ErrorHistoryButton);
    EXPECT_TRUE(messages.shown.empty()) << messages.lastText().toStdString();
    EXPECT_EQ(errorList(),
              "Nr.   Datum      Zeit   Fehler\r\n\r\n"
              "  1   07.01.09   06:58  Spannungsausfall\r\n"
              "  2   15.11.09   23:05  Kein Fehler\r\n"
              "  3   31.12.09   23:59  \xDC"
              "berlauf\r\n");
    EXPECT_EQ(telegrams(), (std::vector<std::string>{kLogin, "DEI|4E\x04"}));
}

// An answer that ends within the year column holds only the records
// before its end; nothing is listed for the rest of the count.
TEST_F(Pln2Commands, AnErrorHistoryCutShortListsOnlyTheRecordsSent) {
    logIn();
    std::vector<testsupport::LogRecord> twenty(20, {1024, 0, 31, 12, 9, 23, 59});
    sim->setHistoryText(unitsim::History::Error, logData(20, twenty, false).substr(0, 330));
    click(ErrorHistoryButton);
    const std::string list = errorList();
    EXPECT_NE(list.find("\r\n  4   31.12.09   23:59  \xDC"
                        "berlauf\r\n"),
              std::string::npos)
        << list;
    EXPECT_EQ(list.find("  5   "), std::string::npos) << list;
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.lastText(),
              QString::fromUtf8("DEI: Das Ger\u00E4t hat 20 Eintr\u00E4ge angek\u00FCndigt, aber "
                                "nur 4 gesendet.\nDie Liste enth\u00E4lt nur diese 4."));
    EXPECT_EQ(messages.shown[0].caption, QString::fromUtf8("Aquendor\u00AE PLN2"));
}

TEST_F(Pln2Commands, ErrorHistoryCountsBeyondTheTwentySlotsListTwenty) {
    restart(testsupport::osmosisUnit(), "AquendorPLN2 english");
    for (const int count : {21, 255}) {
        logIn();
        std::string data = logData(count, {}, false);
        // Entry 3 at its offsets: code 18, hour 166, minute 206, day 246, month 286, year 326.
        devlink::putField(data, 18, devlink::encodeWord32(128));
        for (const auto& [offset, value] :
             {std::pair{166, 8}, {206, 15}, {246, 2}, {286, 3}, {326, 10}})
            devlink::putField(data, static_cast<std::size_t>(offset),
                              devlink::encodeByte(static_cast<unsigned>(value)));
        sim->setHistoryText(unitsim::History::Error, data);
        click(ErrorHistoryButton);
        const std::string list = errorList();
        EXPECT_EQ(list.substr(0, 36), "Nr.   Date       Time   Error\r\n\r\n  1");
        EXPECT_NE(list.find("\r\n  3   02.03.10   08:15  Motor protect\r\n"), std::string::npos);
        EXPECT_NE(list.find("\r\n 20   00.00.00   00:00  no error\r\n"), std::string::npos);
        EXPECT_EQ(list.find(" 21 "), std::string::npos);
        EXPECT_EQ(messages.lastText(),
                  QString("DEI: The unit announced %1 records but sent only 20.\n"
                          "The list holds only these 20.")
                      .arg(count));
        std::remove(
            (workFolder.path() + "/errorlist 123456/errorlist 123456 311209 2359.txt").c_str());
    }
}
