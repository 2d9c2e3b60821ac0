// The status and error history buttons of the softener window against the
// simulator: the requests, the list files they leave (where, under which
// name, byte for byte) and every failure message.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "devlink/telegram.h"
#include "files/file_write.h"
#include "history_support.h"
#include "ksv2_fixture.h"
#include "resources/ids/ksv2_ids.h"
#include "softener/ksv2_unit_functions.h"
#include "telegrams.h"

using namespace ksv2::ids;
using testsupport::kLogin;
using testsupport::Ksv2Window;
using testsupport::logData;

namespace {

const std::string kListName = " 123456 311209 2359";

}  // namespace

class Ksv2Histories : public Ksv2Window {
  protected:
    void logIn() {
        readyNullModem();
        click(ReadButton);
        ASSERT_TRUE(messages.shown.empty()) << messages.lastText().toStdString();
        window->findChild<softener::Ksv2UnitFunctions*>()->histories().clock = [] {
            return testsupport::moment(2009, 12, 31, 23, 59, 30);
        };
        sim->clearReceived();
        statusWords.clear();
    }
    void restartWith(unitsim::Config config) {
        window.reset();
        sim.reset();
        start(config, "AquendorKSV2");
    }
    std::vector<std::string> telegrams() const { return testsupport::telegramsOf(*sim); }
    static std::string statusListPath(const std::string& folder, const std::string& copy = "") {
        return folder + "/statuslist 123456/statuslist" + kListName + copy + ".txt";
    }
    static std::string errorListPath(const std::string& folder) {
        return folder + "/errorlist 123456/errorlist" + kListName + ".txt";
    }
    std::size_t recordLines(const std::string& path) {
        const auto bytes = files::readWholeFile(path);
        EXPECT_TRUE(bytes) << path;
        std::size_t lines = 0;
        for (std::size_t at = 0; bytes && (at = bytes->find("\r\n", at)) != std::string::npos;
             at += 2)
            ++lines;
        return lines - 2;  // header and blank line
    }
};

TEST_F(Ksv2Histories, StatusHistoryInTwoAnswersBecomesOneListAndASecondReadingANewFile) {
    sim->setHistoryText(
        unitsim::History::Status,
        logData(2, {{8, 12345.0, 31, 12, 9, 23, 5}, {512, 0.0, 1, 1, 10, 0, 0}}, true));
    sim->setTwoPartHistory(true);
    logIn();
    click(StatusHistoryButton);
    EXPECT_TRUE(messages.shown.empty()) << messages.lastText().toStdString();
    const std::string dhi = devlink::frameRequest("DHI|");
    EXPECT_EQ(telegrams(), (std::vector<std::string>{kLogin, dhi, dhi}));
    EXPECT_EQ(files::readWholeFile(statusListPath(workFolder.path())),
              "Nr.   Datum      Zeit   Status                         Entnahme\r\n\r\n"
              "  1   31.12.09   23:05  man. Regeneration Filter 1      012.3\r\n"
              "  2   01.01.10   00:00  man. Filterwechsel F1 -> F2     000.0\r\n");
    EXPECT_EQ(statusWords.mid(0, 3), (QStringList{"BUSY", "OFFLINE", "READ"}));
    EXPECT_EQ(edit(StatusEdit)->text(), "OFFLINE");

    click(StatusHistoryButton);  // the same minute: the first file stays, the second gets "_1"
    EXPECT_TRUE(messages.shown.empty()) << messages.lastText().toStdString();
    EXPECT_EQ(files::readWholeFile(statusListPath(workFolder.path(), "_1")),
              files::readWholeFile(statusListPath(workFolder.path())));
}

TEST_F(Ksv2Histories, ShortFormUnitListsTenStatusRecordsAndTheLongFormFifteen) {
    std::vector<testsupport::LogRecord> fifteen(15, {1, 1000.0, 1, 1, 10, 2, 0});
    sim->setHistoryText(unitsim::History::Status, logData(15, fifteen, true));
    logIn();
    click(StatusHistoryButton);
    EXPECT_EQ(recordLines(statusListPath(workFolder.path())), 15u);

    unitsim::Config shortForm;
    shortForm.longForm = false;
    restartWith(shortForm);
    sim->setHistoryText(unitsim::History::Status, logData(15, fifteen, true));
    logIn();
    click(StatusHistoryButton);
    EXPECT_EQ(recordLines(statusListPath(workFolder.path(), "_1")), 10u);
}

// A count beyond what the answers hold: the list holds the records sent,
// and the operator learns that the unit announced more.
TEST_F(Ksv2Histories, AStatusHistoryCutShortListsWhatWasSentAndSaysSo) {
    std::vector<testsupport::LogRecord> twelve;
    for (int i = 0; i < 12; ++i) twelve.push_back({8, 1000.0, 1, 1, 10, 2, i});
    // Up to the ninth year in two answers of 250 characters each.
    sim->setHistoryText(unitsim::History::Status, logData(12, twelve, true).substr(0, 500));
    sim->setTwoPartHistory(true);
    logIn();
    click(StatusHistoryButton);
    EXPECT_EQ(recordLines(statusListPath(workFolder.path())), 9u);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(
        messages.lastText(),
        QString::fromUtf8("DHI: Das Ger\u00E4t hat 12 Eintr\u00E4ge angek\u00FCndigt, aber nur "
                          "9 gesendet.\nDie Liste enth\u00E4lt nur diese 9."));
    EXPECT_EQ(messages.shown[0].caption, QString::fromUtf8("Aquendor\u00AE KSV2"));
    EXPECT_EQ(edit(StatusEdit)->text(), "OFFLINE");
}

TEST_F(Ksv2Histories, AnAnswerWithoutACountIsNoHistoryAndNoList) {
    logIn();
    for (const auto& [button, word] :
         {std::pair{StatusHistoryButton, "DHI"}, std::pair{ErrorHistoryButton, "DEI"}}) {
        messages.clear();
        sim->queueRawAnswer(devlink::frameRequest("CSN|2|"));
        sim->queueRawAnswer(devlink::frameRequest(std::string(word) + "||"));
        click(button);
        ASSERT_EQ(messages.shown.size(), 1u) << word;
        EXPECT_EQ(messages.lastText(),
                  QString(word) + QString::fromUtf8(": Die Antwort des Ger\u00E4ts enth\u00E4lt "
                                                    "keine Historie.\nEs wurde keine Liste "
                                                    "angelegt."));
        EXPECT_EQ(edit(StatusEdit)->text(), "OFFLINE");
    }
    EXPECT_FALSE(std::filesystem::exists(workFolder.path() + "/statuslist 123456"));
    EXPECT_FALSE(std::filesystem::exists(workFolder.path() + "/errorlist 123456"));
}

TEST_F(Ksv2Histories, StatusListGoesToTheCurrentFolderAndErrorListToTheStartFolder) {
    sim->setHistoryText(unitsim::History::Error,
                        logData(2, {{3, 0, 31, 12, 9, 23, 5}, {8192, 0, 1, 2, 10, 6, 30}}, false));
    logIn();
    testsupport::TempFolder elsewhere;
    ASSERT_EQ(chdir(elsewhere.path().c_str()), 0);
    click(StatusHistoryButton);
    click(ErrorHistoryButton);
    EXPECT_TRUE(messages.shown.empty()) << messages.lastText().toStdString();
    EXPECT_TRUE(std::filesystem::exists(statusListPath(elsewhere.path())));
    EXPECT_FALSE(std::filesystem::exists(workFolder.path() + "/statuslist 123456"));
    EXPECT_EQ(files::readWholeFile(errorListPath(workFolder.path())),
              "Nr.   Datum      Zeit   Fehler\r\n\r\n"
              "  1   31.12.09   23:05  Kein Fehler\r\n"
              "  2   01.02.10   06:30  Fehler H\xE4rtemessung (0-20mA Eingang)\r\n");
    EXPECT_EQ(telegrams().back(), devlink::frameRequest("DEI|"));
}

TEST_F(Ksv2Histories, SerialNumberOfOtherThanSixDigitsNamesNoFile) {
    logIn();
    edit(SerialNumberEdit)->setText("12a456");
    messages.clear();
    click(StatusHistoryButton);
    click(ErrorHistoryButton);
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.lastText(),
              QString::fromUtf8("Bitte 6 Ziffern f\u00FCr die Seriennummer eingeben"));
    EXPECT_TRUE(telegrams().empty());
    EXPECT_FALSE(std::filesystem::exists(workFolder.path() + "/statuslist 12a456"));
    EXPECT_FALSE(std::filesystem::exists(workFolder.path() + "/errorlist 12a456"));
}

TEST_F(Ksv2Histories, FolderAndFileFailuresSayWhatWentWrong) {
    logIn();
    // The list folder's name is taken by a file.
    std::ofstream(workFolder.path() + "/errorlist 123456") << "not a folder";
    click(ErrorHistoryButton);
    EXPECT_EQ(messages.lastText(),
              QString::fromStdString("cannot create " + errorListPath(workFolder.path())));
    EXPECT_EQ(messages.shown.back().caption, "AquendorKSV2");

    // The start folder is gone.
    window->session().startDirectory = QString::fromStdString(workFolder.path() + "/gone");
    statusWords.clear();
    click(ErrorHistoryButton);
    EXPECT_EQ(messages.lastText(), QString("System Error Code: %1").arg(ENOENT));
    EXPECT_EQ(messages.shown.back().icon, shell::MessageIcon::Exclamation);
    EXPECT_EQ(statusWords.back(), "OFFLINE");

    // The current folder is gone.
    {
        testsupport::TempFolder doomed;
        ASSERT_EQ(chdir(doomed.path().c_str()), 0);
    }
    click(StatusHistoryButton);
    EXPECT_EQ(messages.lastText(), QString("System Error Code%1").arg(ENOENT));
    EXPECT_EQ(messages.shown.back().icon, shell::MessageIcon::Exclamation);
}
