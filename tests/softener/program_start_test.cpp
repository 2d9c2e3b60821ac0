// What a program sets up before its window: Qt's own texts in the interface
// language, the traffic trace of every byte on the line, the working folder
// of a program started from the desktop menu.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>

#include "devlink/traffic_trace.h"
#include "file_bytes.h"
#include "ksv2_fixture.h"
#include "resources/ids/ksv2_ids.h"
#include "shell/program_start.h"

using namespace ksv2::ids;
using testsupport::Ksv2Window;

TEST(ProgramStart, QtsOwnTextsFollowTheInterfaceLanguage) {
    {
        const shell::ProgramStart german(shell::CommonOptions{}, shell::German);
        EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes"), "&Ja");
        EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&No"), "&Nein");
    }
    const shell::ProgramStart english(shell::CommonOptions{}, shell::English);
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes"), "&Yes");
}

TEST(ProgramStart, OptionsAndTheDesktopFolder) {
    const auto options =
        shell::parseCommonOptions({"english", "--trace", "/tmp/t.log", "--desktop", "--help"});
    EXPECT_EQ(options.traceFile, "/tmp/t.log");
    EXPECT_TRUE(options.desktop);
    EXPECT_TRUE(options.help);
    EXPECT_EQ(shell::parseCommonOptions({"--trace"}).problem, "--trace");

    testsupport::TempFolder home;
    setenv("AQUENDOR_HOME", (home.path() + "/Werkstatt").c_str(), 1);
    const QString before = QDir::currentPath();
    shell::CommonOptions desktop;
    desktop.desktop = true;
    {
        const shell::ProgramStart start(desktop, shell::German);
        EXPECT_TRUE(start.warning().empty()) << start.warning();
        EXPECT_EQ(QDir::currentPath().toStdString(), home.path() + "/Werkstatt");
    }
    unsetenv("AQUENDOR_HOME");
    QDir::setCurrent(before);
}

// Words the programs do not know are ignored, as ever; only those written
// like an option are named on the terminal, since they are most likely a
// typing error.
TEST(ProgramStart, UnknownOptionsAreNamedAndTheRestIgnored) {
    struct Case {
        std::vector<std::string> words;
        std::vector<std::string> unknown;
    };
    const Case cases[] = {
        {{"english", "german", "-x", "anything", "--"}, {}},
        {{"--trace", "--file-named-like-an-option", "--desktop", "-h"}, {}},
        {{"--trace=t.log", "--help", "--version"}, {}},
        {{"--bogus", "english", "--Help", "--version=2"}, {"--bogus", "--Help", "--version=2"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(shell::parseCommonOptions(c.words).unknown, c.unknown) << c.words[0];
    EXPECT_EQ(shell::unknownOptionsText("AquendorKSV2", shell::parseCommonOptions({"--bogus"})),
              "AquendorKSV2: unknown option --bogus ignored (see AquendorKSV2 --help)\n");
    EXPECT_EQ(shell::unknownOptionsText("AquendorKSV2", shell::parseCommonOptions({"english"})),
              "");
}

TEST_F(Ksv2Window, TheTraceShowsEveryByteAndDecodesTheTelegrams) {
    const std::string trace = workFolder.path() + "/trace.log";
    ASSERT_TRUE(devlink::TrafficTrace::open(trace));
    readyNullModem();
    click(ReadButton);
    devlink::TrafficTrace::close();
    const std::string log = testsupport::fileBytes(trace);
    EXPECT_NE(log.find("COM2  PC -> unit  CSN|123456|11<EOT>  (14 bytes in"), std::string::npos)
        << log;
    EXPECT_NE(log.find("telegram CSN, 1 field: \"123456\", checksum 11 correct"),
              std::string::npos);
    EXPECT_NE(log.find("COM2  unit -> PC  CSN|2|0E<EOT>"), std::string::npos);
    EXPECT_NE(log.find("telegram DSI, 1 field: (190 characters), checksum"), std::string::npos);
    EXPECT_NE(log.find("telegram DPI, 0 fields, checksum 59 correct"), std::string::npos);
}

TEST(TrafficTrace, AWrongChecksumIsNamedAndTheFileRotates) {
    EXPECT_EQ(devlink::describeTelegram("SEQ|66\x04"),
              "SEQ, 0 fields, checksum 66 WRONG (expected 65)");
    EXPECT_EQ(devlink::describeTelegram("OK\r\n"), "");
    testsupport::TempFolder folder;
    const std::string trace = folder.path() + "/trace.log";
    ASSERT_TRUE(devlink::TrafficTrace::open(trace, 2000));
    for (int i = 0; i < 100; ++i)
        for (char c : std::string("SEQ|65\x04"))
            devlink::TrafficTrace::active()->byte("COM1", devlink::TraceDirection::Sent,
                                                  static_cast<std::uint8_t>(c));
    devlink::TrafficTrace::close();
    EXPECT_FALSE(testsupport::fileBytes(trace + ".1").empty());
    EXPECT_FALSE(testsupport::fileBytes(trace + ".3").empty());
    EXPECT_TRUE(testsupport::fileBytes(trace + ".4").empty());
    EXPECT_LE(testsupport::fileBytes(trace).size(), 2200u);
}

// The trace holds serial numbers and dial numbers: it is the user's alone,
// also after a rotation, and a link laid in its place is not followed.
TEST(TrafficTrace, TheFileIsPrivateAndNoLinkIsFollowed) {
    testsupport::TempFolder folder;
    const mode_t before = umask(022);
    const auto modeOf = [](const std::string& path) {
        struct stat info {};
        return stat(path.c_str(), &info) == 0 ? info.st_mode & 0777 : 0u;
    };
    const std::string fresh = folder.path() + "/fresh.log";
    const std::string old = folder.path() + "/old.log";
    testsupport::writeFileBytes(old, "earlier trace\n");
    chmod(old.c_str(), 0644);
    testsupport::writeFileBytes(old + ".2", "earlier part\n");
    chmod((old + ".2").c_str(), 0644);
    for (const std::string& trace : {fresh, old}) {
        ASSERT_TRUE(devlink::TrafficTrace::open(trace, 200));
        for (int i = 0; i < 10; ++i) devlink::TrafficTrace::active()->event("COM1", "opened");
        devlink::TrafficTrace::close();
        EXPECT_EQ(modeOf(trace), 0600u) << trace;
        for (const char* part : {".1", ".2", ".3"}) {
            if (access((trace + part).c_str(), F_OK) == 0) {
                EXPECT_EQ(modeOf(trace + part), 0600u) << trace << part;
            }
        }
    }

    const std::string target = folder.path() + "/elsewhere";
    const std::string link = folder.path() + "/link.log";
    ASSERT_EQ(symlink(target.c_str(), link.c_str()), 0);
    EXPECT_FALSE(devlink::TrafficTrace::open(link));
    EXPECT_EQ(devlink::TrafficTrace::active(), nullptr);
    EXPECT_EQ(modeOf(target), 0u) << "created through the link";
    umask(before);
}
