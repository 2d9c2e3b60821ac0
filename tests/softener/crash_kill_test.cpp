// A program killed at random moments while it writes its files leaves each
// file exactly old or new: the settings store (a set saved, a set deleted),
// an exported setting file replaced, and the new history lists and logger
// CSV files, which are either complete or absent, never partial.
#include <gtest/gtest.h>

#include <filesystem>

#include "controller/list_file.h"
#include "controller/settings_store.h"
#include "fake_form.h"
#include "file_bytes.h"
#include "kill_harness.h"
#include "measuring/csv_export.h"
#include "recording_settings_ui.h"
#include "resources/ids/ksv2_ids.h"
#include "softener/softener_settings.h"
#include "temp_folder.h"

using namespace ksv2::ids;
using testsupport::fileBytes;
using testsupport::KillHarness;
using testsupport::TempFolder;

namespace {

constexpr int kEach = 150;

controller::SettingsStore storeIn(const std::string& folder, FakeForm& form,
                                  RecordingSettingsUi& ui) {
    return controller::SettingsStore(softener::softenerSettingsProfile(), folder, form, ui);
}

// Every regular file below folder whose name ends in suffix holds exactly
// the expected bytes; a complaint names the first one that does not.
std::string allComplete(const std::string& folder, const std::string& suffix,
                        const std::string& expected) {
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        if (!entry.is_regular_file() || name.front() == '.' || !name.ends_with(suffix)) continue;
        if (fileBytes(entry.path().string()) != expected) return "partial " + name;
    }
    return {};
}

std::tm aMoment() {
    std::tm moment{};
    moment.tm_mday = 7;
    moment.tm_mon = 11;
    moment.tm_year = 126;
    moment.tm_hour = 14;
    moment.tm_min = 30;
    return moment;
}

}  // namespace

TEST(CrashKill, TheSettingsStoreIsOldOrNewWhenSavingAndDeleting) {
    TempFolder folder;
    FakeForm form;
    RecordingSettingsUi ui;
    const std::string path = folder.path() + "/AquendorKSV2.set";
    auto store = storeIn(folder.path(), form, ui);
    store.LoadNames();
    store.ApplySet(store.factoryName());
    store.SaveSet("A");
    const std::string withA = fileBytes(path);
    store.SaveSet("B");
    const std::string withAB = fileBytes(path);

    enum { Save, Delete };
    KillHarness harness(2);
    const std::string complaint = harness.run(
        kEach, 2000,
        [&](int first) { testsupport::writeFileBytes(path, first == Save ? withA : withAB); },
        [&](int first, const std::function<void(int)>& mark) {
            FakeForm pages;
            RecordingSettingsUi yes;
            auto child = storeIn(folder.path(), pages, yes);
            child.ApplySet(child.factoryName());
            for (int change = first;; change = 1 - change) {
                mark(change);
                if (change == Save)
                    child.SaveSet("B");
                else
                    child.DeleteSet("B");
            }
        },
        [&] {
            const std::string now = fileBytes(path);
            return now == withA || now == withAB
                       ? std::string()
                       : "store of " + std::to_string(now.size()) + " bytes";
        });
    EXPECT_EQ(complaint, "");
    RecordProperty("kills", harness.kills());
}

TEST(CrashKill, AnExportedSettingFileIsReplacedWhole) {
    TempFolder folder;
    const std::string file = folder.path() + "/Anlage.stg";
    std::string versions[2];
    for (int v = 0; v < 2; ++v) {
        FakeForm form;
        RecordingSettingsUi ui;
        ui.exportName = file;
        auto store = storeIn(folder.path(), form, ui);
        store.ApplySet(store.factoryName());
        form.setText(4, AdditionalTextEdit, v == 0 ? "erste Fassung" : "zweite Fassung");
        store.Export();
        versions[v] = fileBytes(file);
    }
    ASSERT_NE(versions[0], versions[1]);

    KillHarness harness(1);
    const std::string complaint = harness.run(
        2 * kEach, 2000, [&](int) { testsupport::writeFileBytes(file, versions[0]); },
        [&](int, const std::function<void(int)>& mark) {
            FakeForm form;
            RecordingSettingsUi ui;
            ui.exportName = file;
            auto store = storeIn(folder.path(), form, ui);
            store.ApplySet(store.factoryName());
            mark(0);
            for (int v = 1;; v = 1 - v) {
                form.setText(4, AdditionalTextEdit, v == 0 ? "erste Fassung" : "zweite Fassung");
                store.Export();
            }
        },
        [&] {
            const std::string now = fileBytes(file);
            return now == versions[0] || now == versions[1] ? std::string() : "a mixed export";
        });
    EXPECT_EQ(complaint, "");
    RecordProperty("kills", harness.kills());
}

TEST(CrashKill, HistoryListsAndLoggerFilesAreCompleteOrAbsent) {
    TempFolder folder;
    const std::string list = controller::listFileBytes(std::string(3000, 'L') + "\n");
    const std::string csv = std::string(40000, 'C');
    enum { History, Logger };
    KillHarness harness(2);
    const std::string complaint = harness.run(
        kEach, 2000, [&](int) { std::filesystem::remove_all(folder.path() + "/w"); },
        [&](int first, const std::function<void(int)>& mark) {
            const std::string base = folder.path() + "/w";
            std::filesystem::create_directories(base);
            for (int change = first;; change = 1 - change) {
                mark(change);
                if (change == History)
                    controller::writeListFile(base, controller::kStatusList, "123456", aMoment(),
                                              list);
                else
                    measuring::saveCsv(base, "123456", aMoment(), csv);
            }
        },
        [&] {
            const std::string base = folder.path() + "/w";
            if (!std::filesystem::exists(base)) return std::string();
            std::string complaint = allComplete(base, ".txt", list);
            return complaint.empty() ? allComplete(base, ".csv", csv) : complaint;
        });
    EXPECT_EQ(complaint, "");
    RecordProperty("kills", harness.kills());
}
