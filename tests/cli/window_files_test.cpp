// The files of aquendorctl are the windows' files, byte for byte: the
// program's window and the tool work with the same simulated unit, one
// after the other, and write the exported setting file, the status and
// error lists and the logger CSV file; then the bytes are compared.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <filesystem>

#include "controller_fixture.h"
#include "file_bytes.h"
#include "history_support.h"
#include "measuring/vantiqo_dlg.h"
#include "osmosis/aquendor_pln2_dlg.h"
#include "resources/ids/ksv2_ids.h"
#include "resources/ids/pln2_ids.h"
#include "softener/aquendor_ksv2_dlg.h"
#include "softener/ksv2_unit_functions.h"
#include "tool_run.h"
#include "vantiqo_fixture.h"

using testsupport::fileBytes;

namespace {

// The one file the folder holds, or nothing.
std::string onlyFile(const std::string& folder) {
    std::vector<std::string> names;
    std::error_code ignored;
    for (const auto& entry : std::filesystem::directory_iterator(folder, ignored))
        names.push_back(entry.path().string());
    return names.size() == 1 ? names[0] : std::string();
}

unitsim::Config stillUnit(unitsim::UnitKind kind) {
    unitsim::Config config;
    config.kind = kind;
    config.timeScale = 0;
    return config;
}

// The tool on the unit the window used, bound as COM2.
std::vector<std::string> toolOn(const char* kind, bool english, std::vector<std::string> words) {
    std::vector<std::string> args = {"--port", "COM2", "--serial", "123456", "--kind", kind};
    if (english) args.push_back("--english");
    args.insert(args.end(), words.begin(), words.end());
    return args;
}

}  // namespace

template <typename Window>
class WindowAndTool : public testsupport::ControllerWindowTest<Window> {
  protected:
    void TearDown() override {
        this->window.reset();
        EXPECT_EQ(chdir("/"), 0);
    }
    void startIn(unitsim::UnitKind kind, const std::string& commandLine) {
        this->start(stillUnit(kind), commandLine);
        this->readyNullModem();
        this->click(this->ids().read);
        ASSERT_TRUE(this->messages.shown.empty()) << this->messages.lastText().toStdString();
    }
    std::string exportFromWindow(int exportButton) {
        this->messages.clear();
        const std::string path = this->workFolder.path() + "/window.stg";
        this->messages.fileNames.push_back(QString::fromStdString(path));
        this->click(exportButton);
        return fileBytes(path);
    }
    // The window lets go of the port, so that the tool may open it.
    void handOver() { this->window->port().closePort(); }
    std::string tool(const char* kind, bool english, std::vector<std::string> words) {
        const auto result = testsupport::runTool(toolOn(kind, english, std::move(words)));
        EXPECT_EQ(result.exitCode, 0) << result.err;
        return result.out;
    }
    std::string toolFolder() const { return this->workFolder.path() + "/tool"; }
};

using SoftenerWindowAndTool = WindowAndTool<CAquendorKSV2Dlg>;
using OsmosisWindowAndTool = WindowAndTool<CAquendorPLN2Dlg>;

TEST_F(SoftenerWindowAndTool, SettingFileAndBothListsAreTheWindows) {
    for (const bool english : {false, true}) {
        SCOPED_TRACE(english ? "english" : "german");
        startIn(unitsim::UnitKind::Softener, english ? "AquendorKSV2 english" : "AquendorKSV2");
        sim->setHistoryText(
            unitsim::History::Status,
            testsupport::logData(2, {{8, 12345.0, 31, 12, 9, 23, 5}, {512, 0.0, 1, 1, 10, 0, 0}},
                                 true));
        const std::string windowExport = exportFromWindow(ksv2::ids::ExportButton);
        messages.clear();
        click(ksv2::ids::StatusHistoryButton);
        click(ksv2::ids::ErrorHistoryButton);
        ASSERT_TRUE(messages.shown.empty()) << messages.lastText().toStdString();
        handOver();

        tool("softener", english, {"params", "export", "tool.stg"});
        EXPECT_EQ(fileBytes(workFolder.path() + "/tool.stg"), windowExport);
        tool("softener", english, {"history", "status", "--dir", "tool"});
        tool("softener", english, {"history", "error", "--dir", "tool"});
        for (const char* list : {"/statuslist 123456", "/errorlist 123456"}) {
            const std::string windows = onlyFile(workFolder.path() + list);
            ASSERT_FALSE(windows.empty()) << list;
            EXPECT_EQ(fileBytes(onlyFile(toolFolder() + list)), fileBytes(windows)) << list;
        }
        window.reset();
        sim.reset();
        std::filesystem::remove_all(workFolder.path());
        std::filesystem::create_directory(workFolder.path());
    }
}

TEST_F(OsmosisWindowAndTool, SettingFileAndErrorListAreTheWindows) {
    for (const bool english : {false, true}) {
        SCOPED_TRACE(english ? "english" : "german");
        startIn(unitsim::UnitKind::Osmosis, english ? "AquendorPLN2 english" : "AquendorPLN2");
        sim->raiseError(8);
        const std::string windowExport = exportFromWindow(pln2::ids::ExportButton);
        click(pln2::ids::ErrorHistoryButton);
        handOver();

        tool("osmosis", english, {"params", "export", "tool.stg"});
        EXPECT_EQ(fileBytes(workFolder.path() + "/tool.stg"), windowExport);
        tool("osmosis", english, {"history", "error", "--dir", "tool"});
        const std::string windows = onlyFile(workFolder.path() + "/errorlist 123456");
        ASSERT_FALSE(windows.empty());
        EXPECT_EQ(fileBytes(onlyFile(toolFolder() + "/errorlist 123456")), fileBytes(windows));
        window.reset();
        sim.reset();
        std::filesystem::remove_all(workFolder.path());
        std::filesystem::create_directory(workFolder.path());
    }
}

class LoggerWindowAndTool : public testsupport::VantiqoWindow {
  protected:
    void SetUp() override { start(testsupport::measuringConfig(3, 300)); }
};

TEST_F(LoggerWindowAndTool, TheCsvFileIsTheWindows) {
    messages.answers = {shell::MessageAnswer::Yes, shell::MessageAnswer::No};
    click(vantiqo::ids::LoggerReadButton);
    ASSERT_EQ(csvFiles().size(), 1u) << messages.lastText().toStdString();
    const std::string windows = fileBytes(csvPath(csvFiles()[0]));
    window->port().closePort();

    const auto result = testsupport::runTool({"--port", "COM1", "--serial", "123456", "--kind",
                                              "measuring", "logger", "read", "--dir", "tool"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(fileBytes(onlyFile(workFolder.path() + "/tool/Messdaten Vantiqo 123456")), windows);
    const auto out = testsupport::runTool({"--port", "COM1", "--serial", "123456", "--kind",
                                           "measuring", "logger", "read", "--out", "-"});
    EXPECT_EQ(out.out, windows);
}
