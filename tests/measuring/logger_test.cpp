// The data-logger readout and clearing through the window against the
// simulated unit: the question, the blocks, the CSV file byte for byte in
// its folder, the saved message and the folder shown, and every way out.
#include <sys/stat.h>

#include <clocale>
#include <cstdio>
#include <filesystem>

#include "devlink/fields.h"
#include "devlink/telegram.h"
#include "measuring/logger_record.h"
#include "resources/ids/vantiqo_ids.h"
#include "tools/unitsim/logger.h"
#include "vantiqo_fixture.h"

using namespace vantiqo::ids;
using shell::MessageAnswer;
using testsupport::fileBytes;
using testsupport::measuringConfig;
using testsupport::VantiqoWindow;

namespace {

const std::string kFile = "Messdaten Vantiqo 123456 030609 1407.csv";

// The CSV the logger's data must give: the printf format the files have
// always been written with, in the C locale.
std::string expectedCsv(const std::string& data, std::size_t lines) {
    std::string text;
    for (std::size_t i = 0; i < lines && (i + 1) * 32 <= data.size(); ++i) {
        const measuring::LoggerRecord r = measuring::decodeRecord(data.substr(i * 32, 32));
        char line[256];
        std::snprintf(line, sizeof line,
                      "%5.5u  ,  %010.2f  ,  %3.1f  ,  %02d.%02d.%02d , %02d:%02d\r\n", r.number,
                      r.value, r.temperature, r.day, r.month, r.year, r.hour, r.minute);
        text += line;
    }
    return text;
}

// Record 17: 1.25 and 20.5 °C on 3 June 2009 at 14:07.
std::string record17() {
    unitsim::LoggerEntry entry;
    entry.number = 17;
    entry.value = 1.25f;
    entry.temperature = 20.5f;
    entry.hour = 14, entry.minute = 7, entry.day = 3, entry.month = 6, entry.year = 9;
    return unitsim::encodeLoggerEntry(entry);
}

std::size_t count(const std::vector<std::string>& words, const std::string& word) {
    return static_cast<std::size_t>(std::count(words.begin(), words.end(), word));
}

}  // namespace

class VantiqoLogger : public VantiqoWindow {
  protected:
    void SetUp() override { start(measuringConfig(2, 300)); }

    // Yes to the readout question, the answer given to "show the folder".
    void readOut(MessageAnswer showFolder = MessageAnswer::No) {
        messages.answers = {MessageAnswer::Yes, showFolder};
        sim->clearReceived();
        click(LoggerReadButton);
    }
};

TEST_F(VantiqoLogger, OneRecordGivesOneLineAfterOneBlock) {
    sim->setLoggerData(record17());
    readOut();
    ASSERT_EQ(messages.shown.size(), 2u) << messages.lastText().toStdString();
    EXPECT_EQ(messages.shown[0].text,
              QString::fromUtf8("1 Messwert(e) gespeichert !\nDas Auslesen ben\u00F6tigt ca. 1 "
                                "Sekunden.\nAuslesen ?"));
    EXPECT_EQ(messages.shown[0].buttons, shell::MessageButtons::YesNo);
    EXPECT_EQ(requests(), std::vector<std::string>({"CSN", "DFL", "DFI"}));
    EXPECT_EQ(csvFiles(), std::vector<std::string>({kFile}));
    EXPECT_EQ(fileBytes(csvPath(kFile)), "00017  ,  0000001.25  ,  20.5  ,  03.06.09 , 14:07\r\n");
    const QString folder = QString::fromStdString(workFolder.path()) + "/Messdaten Vantiqo 123456";
    EXPECT_EQ(messages.shown[1].text, "Messdaten aus Datenlogger gespeichert:\nSpeicherort: " +
                                          folder + "\nDateiname: " + QString::fromStdString(kFile) +
                                          "\nSpeicherort im Explorer anzeigen ?");
    EXPECT_EQ(messages.shown[1].icon, shell::MessageIcon::Question);
    EXPECT_TRUE(launched.empty());
    EXPECT_EQ(edit(StatusEdit)->text(), "BEREIT");
    EXPECT_EQ(window->lastReadout(), QString::fromStdString(csvPath(kFile)));
}

TEST_F(VantiqoLogger, ThreeHundredRecordsAreAskedForInNineSecondsAndWrittenWhole) {
    // A German desktop's numbers while the file is written.
    const bool german = std::setlocale(LC_NUMERIC, "de_DE.UTF-8") != nullptr;
    readOut();
    std::setlocale(LC_NUMERIC, "C");
    if (!german) std::printf("no German locale here: written with the C locale only\n");
    EXPECT_TRUE(messages.shown[0].text.contains("300 Messwert(e)"));
    EXPECT_TRUE(messages.shown[0].text.contains(QString::fromUtf8("ca. 9 Sekunden")));
    EXPECT_EQ(count(requests(), "DFI"), 20u);
    const std::string csv = fileBytes(csvPath(kFile));
    EXPECT_EQ(csv, expectedCsv(sim->loggerData(), 300));
    EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 300);
    EXPECT_EQ(csv.substr(0, 54), "00001  ,  0000007.20  ,  15.0  ,  01.06.09 , 00:00\r\n00");
}

TEST_F(VantiqoLogger, CountsThatAreNoMultipleOf16AreRoundedDown) {
    sim->setLoggerAnnouncedBytes(299 * 16 + 15);
    readOut();
    EXPECT_TRUE(messages.shown[0].text.startsWith("299 Messwert(e)"));
    EXPECT_EQ(fileBytes(csvPath(kFile)), expectedCsv(sim->loggerData(), 299));
    EXPECT_FALSE(messages.shown[1].text.contains("nur"));
}

TEST_F(VantiqoLogger, AFinalBlockOfExactly512CharactersEndsTheReadout) {
    sim->fillLogger(63);  // 2016 characters: four full blocks, the last without blank
    readOut();
    EXPECT_EQ(count(requests(), "DFI"), 4u);
    EXPECT_EQ(fileBytes(csvPath(kFile)), expectedCsv(sim->loggerData(), 63));
}

TEST_F(VantiqoLogger, FewerRecordsThanAnnouncedAreWrittenAndSaid) {
    sim->fillLogger(20);
    sim->setLoggerData(sim->loggerData() + "0123456789");  // and a piece of a record
    sim->setLoggerAnnouncedBytes(300 * 16);
    readOut();
    EXPECT_EQ(fileBytes(csvPath(kFile)), expectedCsv(sim->loggerData(), 20));
    EXPECT_TRUE(
        messages.shown[1].text.contains("\nEs wurden nur 20 von 300 Messwerten empfangen."));
    EXPECT_TRUE(messages.shown[1].text.endsWith("\nSpeicherort im Explorer anzeigen ?"));
}

TEST_F(VantiqoLogger, ACountOfAllOnesAsksForTheRealDataOnly) {
    sim->setLoggerAnnouncedBytes(0xFFFFFFFFu);
    readOut();
    EXPECT_TRUE(messages.shown[0].text.startsWith("268435455 Messwert(e)"));
    EXPECT_TRUE(messages.shown[0].text.contains("ca. 8053064 Sekunden"));
    EXPECT_EQ(count(requests(), "DFI"), 20u);
    EXPECT_EQ(fileBytes(csvPath(kFile)), expectedCsv(sim->loggerData(), 300));
    EXPECT_TRUE(messages.shown[1].text.contains("nur 300 von 268435455"));
}

TEST_F(VantiqoLogger, TwoReadoutsInOneMinuteGiveASecondFileWithSuffix) {
    readOut();
    readOut();
    EXPECT_EQ(csvFiles(),
              std::vector<std::string>({kFile, "Messdaten Vantiqo 123456 030609 1407_1.csv"}));
    EXPECT_EQ(fileBytes(csvPath(kFile)),
              fileBytes(csvPath("Messdaten Vantiqo 123456 030609 1407_1.csv")));
}

TEST_F(VantiqoLogger, EmptyLoggersAndNoWriteNothing) {
    for (std::uint32_t bytes : {0u, 15u}) {
        sim->setLoggerAnnouncedBytes(bytes);
        messages.clear();
        readOut();
        EXPECT_EQ(messages.lastText(), "Messwertspeicher ist leer !");
        EXPECT_EQ(requests(), std::vector<std::string>({"CSN", "DFL"}));
    }
    sim->setLoggerAnnouncedBytes(std::nullopt);
    messages.clear();
    messages.answers = {MessageAnswer::No};
    sim->clearReceived();
    click(LoggerReadButton);
    EXPECT_EQ(requests(), std::vector<std::string>({"CSN", "DFL"}));
    EXPECT_TRUE(csvFiles().empty());
}

TEST_F(VantiqoLogger, AUnitSendingMoreThanItAnnouncedGivesTheAnnouncedRecordsAndIsSaid) {
    const struct {
        std::optional<std::uint32_t> announcedBytes;
        bool endless;
        std::size_t blocks;  // DFI requests
        std::size_t lines;
    } cases[] = {
        {std::nullopt, true, 21, 300},  // never a last block: the 20 needed, and one more
        {100 * 16, false, 8, 100},      // 20 blocks for 100 records: 7 needed, and one more
        {290 * 16, false, 20, 290},     // ten records more in the last block
    };
    for (const auto& c : cases) {
        std::filesystem::remove_all(workFolder.path() + "/Messdaten Vantiqo 123456");
        sim->setLoggerAnnouncedBytes(c.announcedBytes);
        sim->setLoggerEndless(c.endless);
        messages.clear();
        readOut();
        EXPECT_EQ(count(requests(), "DFI"), c.blocks) << c.lines;
        ASSERT_EQ(csvFiles(), std::vector<std::string>({kFile})) << c.lines;
        EXPECT_EQ(fileBytes(csvPath(kFile)), expectedCsv(sim->loggerData(), c.lines));
        ASSERT_EQ(messages.shown.size(), 2u) << messages.lastText().toStdString();
        EXPECT_TRUE(messages.shown[1].text.contains(
            QString::fromUtf8(
                "\nDer Datenlogger hat mehr Daten gesendet als angek\u00FCndigt; gespeichert "
                "wurden "
                "die angek\u00FCndigten %1 Messwerte.\nSpeicherort im Explorer anzeigen ?")
                .arg(c.lines)))
            << messages.shown[1].text.toStdString();
        EXPECT_EQ(edit(StatusEdit)->text(), "BEREIT");
    }
}

TEST_F(VantiqoLogger, AFailedBlockDiscardsEverything) {
    const std::string data = sim->loggerData();
    sim->queueRawAnswer(devlink::frameRequest("CSN|22|"));
    sim->queueRawAnswer(devlink::frameRequest("DFL|000012C0|"));
    sim->queueRawAnswer(devlink::frameRequest(" FI|" + data.substr(0, 504) + "|"));
    sim->queueRawAnswer(devlink::checksumEcho("DFI"));
    readOut();
    EXPECT_EQ(messages.lastText(), "DFI: checksum error, error in transmission (PC -> Vantiqo)");
    EXPECT_TRUE(csvFiles().empty());
    EXPECT_EQ(window->lastReadout(), QString());
}

TEST_F(VantiqoLogger, TheFolderIsShownOnRequestAndBothFailuresAreTold) {
    readOut(MessageAnswer::Yes);
    const QString folder = QString::fromStdString(workFolder.path()) + "/Messdaten Vantiqo 123456";
    ASSERT_EQ(launched.size(), 1u);
    EXPECT_EQ(launched[0], folder);

    launcherWorks = false;
    messages.clear();
    readOut(MessageAnswer::Yes);
    EXPECT_EQ(messages.lastText(), "Datei nicht gefunden.");
    EXPECT_EQ(messages.shown.back().icon, shell::MessageIcon::Exclamation);

    // The folder vanishes while the operator reads the saved message.
    messages.onShow = [&](const shell::Message& m) {
        if (m.text.startsWith("Messdaten aus Datenlogger gespeichert"))
            std::filesystem::remove_all(folder.toStdString());
    };
    messages.clear();
    launched.clear();
    readOut(MessageAnswer::Yes);
    EXPECT_EQ(messages.lastText(), "Pfad nicht gefunden.");
    EXPECT_TRUE(launched.empty());
}

TEST_F(VantiqoLogger, FilesThatCannotBeWrittenAreToldAndLeaveNothingBehind) {
    // A file where the unit's folder belongs.
    std::FILE* blocker = std::fopen((workFolder.path() + "/Messdaten Vantiqo 123456").c_str(), "w");
    ASSERT_NE(blocker, nullptr);
    std::fclose(blocker);
    readOut();
    EXPECT_EQ(messages.lastText(), QString::fromStdString("cannot create " + csvPath(kFile)));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(workFolder.path()),
                            std::filesystem::directory_iterator()),
              1);  // the blocking file and no temporary one

    // The working folder itself is gone.
    std::filesystem::remove_all(workFolder.path());
    messages.clear();
    readOut();
    EXPECT_EQ(messages.lastText(), "System Error Code2");
    EXPECT_EQ(messages.shown.back().icon, shell::MessageIcon::Exclamation);
    std::filesystem::create_directory(workFolder.path());
}

TEST_F(VantiqoLogger, ClearingAsksWithTheCountAndSendsClm) {
    messages.answers = {MessageAnswer::No};
    click(LoggerClearButton);
    EXPECT_EQ(messages.shown[0].text,
              QString::fromUtf8("Sollen die 300 Datens\u00E4tze gel\u00F6scht "
                                "werden?"));
    EXPECT_EQ(count(requests(), "CLM"), 0u);
    EXPECT_EQ(sim->loggerRecords(), 300u);

    messages.clear();
    messages.answers = {MessageAnswer::Yes};
    statusWords.clear();
    click(LoggerClearButton);
    EXPECT_EQ(messages.lastText(), QString::fromUtf8("Messdaten aus Datenlogger gel\u00F6scht!"));
    EXPECT_EQ(sim->loggerRecords(), 0u);
    EXPECT_EQ(statusWords, QStringList({"SCHREIBEN", "BEREIT"}));

    // Reading only: the login says so, and neither DFL nor CLM goes out.
    sim->fillLogger(5);
    sim->setLevel(1);
    sim->clearReceived();
    messages.clear();
    click(LoggerClearButton);
    EXPECT_EQ(messages.lastText(), "Keine Schreibberechtigung");
    EXPECT_EQ(requests(), std::vector<std::string>({"CSN"}));
    EXPECT_EQ(sim->loggerRecords(), 5u);
}

TEST_F(VantiqoLogger, ClearingErasesAnyCountButZero) {
    const struct {
        std::uint32_t bytes;
        const char* question;  // nullptr: the logger is empty
    } cases[] = {
        {0, nullptr},
        {1, "Sollen die 0 Datens\u00E4tze gel\u00F6scht werden?"},
        {15, "Sollen die 0 Datens\u00E4tze gel\u00F6scht werden?"},
        {16, "Sollen die 1 Datens\u00E4tze gel\u00F6scht werden?"},
    };
    for (const auto& c : cases) {
        sim->fillLogger(1);
        sim->setLoggerAnnouncedBytes(c.bytes);
        sim->clearReceived();
        messages.clear();
        messages.answers = {MessageAnswer::Yes};
        click(LoggerClearButton);
        if (!c.question) {
            EXPECT_EQ(messages.lastText(), "Messwertspeicher ist leer !");
            EXPECT_EQ(requests(), std::vector<std::string>({"CSN", "DFL"}));
            continue;
        }
        ASSERT_EQ(messages.shown.size(), 2u) << c.bytes;
        EXPECT_EQ(messages.shown[0].text, QString::fromUtf8(c.question));
        EXPECT_EQ(messages.lastText(),
                  QString::fromUtf8("Messdaten aus Datenlogger gel\u00F6scht!"));
        EXPECT_EQ(requests(), std::vector<std::string>({"CSN", "DFL", "CLM"})) << c.bytes;
        EXPECT_EQ(sim->loggerRecords(), 0u);
    }
}
