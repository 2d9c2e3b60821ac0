// The configuration file byte for byte after each operation, its limits and
// messages, fatal ends in a child process, and rewrites that survive a kill.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <functional>
#include <sstream>

#include "file_size_limit.h"
#include "recording_config_ui.h"
#include "temp_folder.h"

using shell::ConfigFile;
using testsupport::TempFolder;

namespace {

const std::string kHeader = "//never edit this file !//\r\n";

std::string lines(std::initializer_list<std::string> content) {
    std::string bytes = kHeader;
    for (const std::string& line : content) bytes += line + "\r\n";
    return bytes;
}

class ConfigFileTest : public ::testing::Test {
  protected:
    std::string file() const { return folder.path() + "/AquendorKSV2.ini"; }
    void write(const std::string& bytes) { std::ofstream(file(), std::ios::binary) << bytes; }
    std::string read() const {
        std::ifstream in(file(), std::ios::binary);
        std::stringstream bytes;
        bytes << in.rdbuf();
        return bytes.str();
    }
    ConfigFile config() {
        ConfigFile c(shell::softenerConfigProfile(), folder.path(), ui);
        c.setEnglish(true);
        return c;
    }

    TempFolder folder;
    RecordingConfigUi ui;
};

}  // namespace

TEST_F(ConfigFileTest, MissingFileIsCreatedWithTheDefaultBytes) {
    config().LoadAtStart();
    EXPECT_EQ(read(), "//never edit this file !//\r\nCOM2\r\n");
    EXPECT_EQ(ui.comDigit, '2');
    EXPECT_TRUE(ui.locations.empty());
    EXPECT_TRUE(ui.smsNumbers.empty());
}

TEST_F(ConfigFileTest, StartReadsPortLocationsAndSmsNumbers) {
    write(
        "abcdefghijklmnopqrstuvwxyz\r\nCOM3xyz\r\nWerk Nord|07111234\r\nAm See|0899\r\n"
        "0170123\r\n0171999\r\n0172");
    config().LoadAtStart();
    EXPECT_EQ(ui.comDigit, '3');
    EXPECT_EQ(ui.locations, (std::vector<std::string>{"Werk Nord", "Am See"}));
    // The last line has no line end and is not taken.
    EXPECT_EQ(ui.smsNumbers, (std::vector<std::string>{"0170123", "0171999"}));
    EXPECT_TRUE(ui.fatalText.empty());
}

TEST_F(ConfigFileTest, StartRefusesAnUnusablePortLine) {
    for (const char* port : {"COM0", "COMx", "LPT1", "CO"}) {
        ui.fatalText.clear();
        write(lines({port}));
        config().LoadAtStart();
        EXPECT_EQ(ui.fatalText, "file AquendorKSV2.ini corrupted!\n" + file() +
                                    "\nplease delete AquendorKSV2.ini and start again\nexit "
                                    "program")
            << port;
    }
    write(lines({"COM2", std::string(300, 'x') + "|1"}));
    ui.fatalText.clear();
    config().LoadAtStart();
    EXPECT_FALSE(ui.fatalText.empty());
}

TEST_F(ConfigFileTest, LocationsGoBeforeTheSmsNumbers) {
    write(lines({"COM2", "Werk Nord|07111234", "0170123", "0171999"}));
    config().AddLocation("Halle 7", "0899");
    EXPECT_EQ(read(), lines({"COM2", "Werk Nord|07111234", "Halle 7|0899", "0170123", "0171999"}));
    EXPECT_EQ(ui.last(), "location saved !");
    EXPECT_EQ(ui.captions.back(), shell::ConfigCaption::Program);

    config().FindDialNumber("Halle 7");
    EXPECT_EQ(ui.dialNumber, "0899");

    config().AddLocation("Halle 7", "1111");
    EXPECT_EQ(ui.last(), "location already exists !");
    config().AddLocation("", "1111");
    EXPECT_EQ(ui.last(), "no location and/or dialnumber inscribed");
    config().AddLocation("7. Stock", "1111");  // would read back as an SMS number
    EXPECT_EQ(ui.last(), "a location name must not begin with a digit !");
    EXPECT_EQ(read(), lines({"COM2", "Werk Nord|07111234", "Halle 7|0899", "0170123", "0171999"}));
}

TEST_F(ConfigFileTest, TwentyLocationsAtMost) {
    std::vector<std::string> content = {"COM2"};
    for (int i = 0; i < 20; ++i) content.push_back("Ort " + std::to_string(100 + i) + "|1234");
    std::string bytes = kHeader;
    for (const auto& line : content) bytes += line + "\r\n";
    write(bytes);
    config().AddLocation("Ort 999", "5");
    EXPECT_EQ(ui.last(), "max. 20 locations!");
    config().AddLocation("Ort 105", "5");  // a duplicate is named as such even at 20
    EXPECT_EQ(ui.last(), "location already exists !");
    EXPECT_EQ(read(), bytes);
}

TEST_F(ConfigFileTest, OneLineCountsForTheLineLimitNotTheWholeFile) {
    std::string bytes = lines({"COM2"});
    for (int i = 0; i < 12; ++i) bytes += "Standort Nummer " + std::to_string(10 + i) + "|1234\r\n";
    write(bytes);
    config().AddLocation("Neu", "1");
    EXPECT_EQ(read(), bytes + "Neu|1\r\n");
}

TEST_F(ConfigFileTest, SmsNumbersUpToThree) {
    write(lines({"COM2", "Werk|1"}));
    config().AddSmsNumber("0170111");
    EXPECT_EQ(ui.last(), "sms-dialupnumber saved !");
    EXPECT_EQ(ui.captions.back(), shell::ConfigCaption::Sms);
    config().AddSmsNumber("0170222");
    EXPECT_EQ(ui.last(), "sms- dialupnumber saved !");
    config().AddSmsNumber("0170222");
    EXPECT_EQ(ui.last(), "sms- dialupnumber already exists !");
    config().AddSmsNumber("0170333");
    config().AddSmsNumber("0170444");
    EXPECT_EQ(ui.last(), "max. 3 SMS-dialupnumbers !");
    EXPECT_EQ(read(), lines({"COM2", "Werk|1", "0170111", "0170222", "0170333"}));

    config().RemoveSmsNumber("0170222");  // the middle one
    EXPECT_EQ(ui.last(), "sms- dialupnumber deleted !");
    EXPECT_EQ(read(), lines({"COM2", "Werk|1", "0170111", "0170333"}));
    config().RemoveSmsNumber("0179999");
    EXPECT_EQ(ui.last(), "sms- dialinnumber is not in the list !");
    ui.answer = false;
    config().RemoveSmsNumber("0170111");
    EXPECT_EQ(ui.last(), "Are you shure to delete the sms-dialinnumber entry 0170111 ?");
    EXPECT_EQ(read(), lines({"COM2", "Werk|1", "0170111", "0170333"}));
}

// A full disk: the file stays as it was, the operator is told so, and the
// program goes on with what the window holds.
TEST_F(ConfigFileTest, AFailedWriteLeavesTheFileAndTheProgramGoesOn) {
    const std::string before = lines({"COM2", "Werk|1", "Lager|2", "0170111"});
    write(before);
    ui.locations = {"Werk", "Lager"};
    ui.smsNumbers = {"0170111"};
    const std::vector<std::pair<std::function<void(ConfigFile&)>, std::string>> cases = {
        {[](ConfigFile& c) { c.AddSmsNumber("0170222"); }, "The sms- dialupnumber was not saved"},
        {[](ConfigFile& c) { c.RemoveSmsNumber("0170111"); },
         "The sms- dialupnumber was not deleted"},
        {[](ConfigFile& c) { c.AddLocation("Neu", "3"); }, "The location was not saved"},
        {[](ConfigFile& c) { c.RemoveLocation("Werk"); }, "The location was not deleted"},
    };
    for (const auto& [operation, what] : cases) {
        ConfigFile c = config();
        {
            testsupport::FileSizeLimit full(10);
            operation(c);
        }
        EXPECT_EQ(ui.last(), "cannot write AquendorKSV2.ini !\n" + file() + "\n" + what +
                                 "; the file is unchanged.");
        EXPECT_TRUE(ui.fatalText.empty()) << what;
        EXPECT_EQ(read(), before) << what;
    }
    EXPECT_EQ(ui.locations, (std::vector<std::string>{"Werk", "Lager"}));
    EXPECT_EQ(ui.smsNumbers, (std::vector<std::string>{"0170111"}));
}

TEST_F(ConfigFileTest, RemovingALocationAndSelectingOneThatIsGone) {
    write(lines({"COM2", "A|1", "B|2", "C|3", "0170"}));
    config().RemoveLocation("B");
    EXPECT_EQ(ui.messages.front(), "Are you shure to delete the location B ?");
    EXPECT_EQ(ui.last(), "location deleted !");
    EXPECT_EQ(read(), lines({"COM2", "A|1", "C|3", "0170"}));
    config().RemoveLocation("B");
    EXPECT_EQ(ui.last(), "location not found !");

    config().FindDialNumber("B");  // removed by hand while listed
    EXPECT_EQ(ui.fatalText, "file AquendorKSV2.ini corrupted!\n" + file() +
                                "\nplease delete AquendorKSV2.ini and start again\nexit program");
}

TEST_F(ConfigFileTest, ALocationSavedAfterALastLineWithoutLineEndStartsALine) {
    write(kHeader + "COM2");
    config().AddLocation("Werk Nord", "0711555");
    EXPECT_EQ(ui.last(), "location saved !");
    EXPECT_EQ(read(), lines({"COM2", "Werk Nord|0711555"}));
    RecordingConfigUi fresh;
    ConfigFile(shell::softenerConfigProfile(), folder.path(), fresh).LoadAtStart();
    EXPECT_EQ(fresh.locations, (std::vector<std::string>{"Werk Nord"}));
}

TEST_F(ConfigFileTest, PastedLineBreaksAndTabsBecomeBlanks) {
    // A name pasted into the location box keeps its line break: written as
    // it is, it would split its entry into two lines.
    write(lines({"COM2", "0170111"}));
    config().AddLocation("Werk\r\nNord\tX", "0711\n5");
    EXPECT_EQ(ui.last(), "location saved !");
    EXPECT_EQ(read(), lines({"COM2", "Werk  Nord X|0711 5", "0170111"}));
    EXPECT_EQ(ui.locations, (std::vector<std::string>{"Werk  Nord X"}));
    RecordingConfigUi fresh;
    ConfigFile(shell::softenerConfigProfile(), folder.path(), fresh).LoadAtStart();
    EXPECT_EQ(fresh.locations, ui.locations);
    EXPECT_EQ(fresh.smsNumbers, (std::vector<std::string>{"0170111"}));
    // Deleting by the pasted text finds the entry it wrote.
    config().RemoveLocation("Werk\r\nNord\tX");
    EXPECT_EQ(ui.last(), "location deleted !");
    EXPECT_EQ(read(), lines({"COM2", "0170111"}));
}

TEST_F(ConfigFileTest, ALongStoredNameIsFoundByItsFullText) {
    // A hand-made file may hold names longer than the 39 characters a
    // screen field takes; the list shows them whole and selects them whole.
    const std::string name(45, 'L');
    write(lines({"COM2", name + "|0711"}));
    config().FindDialNumber(name);
    EXPECT_TRUE(ui.fatalText.empty()) << ui.fatalText;
    EXPECT_EQ(ui.dialNumber, "0711");
}

TEST_F(ConfigFileTest, AFileWithLinuxLineEndsIsReadAndWrittenBackWithCrLf) {
    write("//never edit this file !//\nCOM3\nWerk|0711\n0170123\n");
    config().LoadAtStart();
    EXPECT_TRUE(ui.fatalText.empty()) << ui.fatalText;
    EXPECT_EQ(ui.comDigit, '3');
    EXPECT_EQ(ui.locations, (std::vector<std::string>{"Werk"}));
    EXPECT_EQ(ui.smsNumbers, (std::vector<std::string>{"0170123"}));
    EXPECT_EQ(read(), lines({"COM3", "Werk|0711", "0170123"}));
    config().StorePortDigit('4');
    EXPECT_EQ(read(), lines({"COM4", "Werk|0711", "0170123"}));
}

TEST_F(ConfigFileTest, PortDigitIsOverwrittenInPlace) {
    write(lines({"COM2", "A|1"}));
    const std::string before = read();
    ui.answer = false;
    config().StorePortDigit('4');
    EXPECT_EQ(ui.last(), "interface is changed from COM2\nto COM4\nsave setting?");
    EXPECT_EQ(read(), before);
    ui.answer = true;
    config().StorePortDigit('4');
    EXPECT_EQ(read(), lines({"COM4", "A|1"}));
    ui.messages.clear();
    config().StorePortDigit('4');
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(ConfigFileTest, WindowsCodePageAndByte255) {
    write(lines({"COM2"}));
    config().AddLocation("Br\u00FCcke \u00FF", "12");  // ü and ÿ: 0xFC and 0xFF on disk
    EXPECT_EQ(read(), lines({"COM2",
                             "Br\xFC"
                             "cke \xFF|12"}));
    config().AddLocation("Zoll", "34");
    RecordingConfigUi fresh;
    ConfigFile(shell::softenerConfigProfile(), folder.path(), fresh).LoadAtStart();
    EXPECT_EQ(fresh.locations, (std::vector<std::string>{"Br\u00FCcke \u00FF", "Zoll"}));
}

TEST(ConfigFileNames, BothSpellingsAreOneFile) {
    TempFolder folder;
    std::ofstream(folder.path() + "/aquendorPLN2.ini", std::ios::binary) << lines({"COM5"});
    RecordingConfigUi ui;
    ConfigFile config(shell::osmosisConfigProfile(), folder.path(), ui);
    config.AddSmsNumber("0170");  // spelled "AquendorPLN2.ini"
    config.LoadAtStart();
    EXPECT_EQ(ui.comDigit, '5');
    EXPECT_EQ(ui.smsNumbers, (std::vector<std::string>{"0170", "0170"}));
}

namespace {

// Runs op in a child process whose fatal end shows its message through a
// pipe and ends the process the way the program does.
struct ChildResult {
    int exitCode = -1;
    std::string message;
};

template <typename Op>
ChildResult inChild(const std::string& folder, Op op) {
    int pipeFds[2];
    if (pipe(pipeFds) != 0) return {};
    const pid_t child = fork();
    if (child == 0) {
        close(pipeFds[0]);
        struct PipeUi : RecordingConfigUi {
            int fd = -1;
            void fatal(const std::string& text, shell::ConfigIcon) override {
                (void)!::write(fd, text.data(), text.size());
                std::exit(0);
            }
        } ui;
        ui.fd = pipeFds[1];
        ConfigFile config(shell::softenerConfigProfile(), folder, ui);
        op(config);
        _exit(3);  // the operation did not end the program
    }
    close(pipeFds[1]);
    ChildResult result;
    char buffer[512];
    ssize_t n;
    while ((n = ::read(pipeFds[0], buffer, sizeof buffer)) > 0) result.message.append(buffer, n);
    close(pipeFds[0]);
    int status = 0;
    waitpid(child, &status, 0);
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

}  // namespace

TEST_F(ConfigFileTest, FatalProblemsEndTheProgramWithExitCodeZero) {
    write(lines({"COM0"}));
    ChildResult start = inChild(folder.path(), [](ConfigFile& c) { c.LoadAtStart(); });
    EXPECT_EQ(start.exitCode, 0);
    EXPECT_EQ(start.message, "Datei AquendorKSV2.ini ist defekt!\n" + file() +
                                 "\nBitte AquendorKSV2.ini l\u00F6schen und das Programm neu "
                                 "starten\nProgramm wird beendet");

    write(lines({"COM2", "A|1"}));
    ChildResult select = inChild(folder.path(), [](ConfigFile& c) { c.FindDialNumber("Z"); });
    EXPECT_EQ(select.exitCode, 0);
    EXPECT_NE(select.message.find("corrupted!"), std::string::npos);

    write(lines({"COM2", std::string(3001, 'x')}));
    ChildResult big = inChild(folder.path(), [](ConfigFile& c) { c.AddSmsNumber("1"); });
    EXPECT_EQ(big.exitCode, 0);
    EXPECT_EQ(big.message, "AquendorKSV2.ini corrupt\n" + file() + "\nexit program");
    EXPECT_EQ(read(), lines({"COM2", std::string(3001, 'x')}));  // untouched
}
