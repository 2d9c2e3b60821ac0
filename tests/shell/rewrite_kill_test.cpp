// A program killed while it changes its configuration file leaves the old
// file or the new one, never a mix: each kind of change (a location
// inserted before the SMS numbers, a location deleted, an SMS number
// deleted, an SMS number appended) is interrupted many times.
#include <gtest/gtest.h>

#include "file_bytes.h"
#include "kill_harness.h"
#include "recording_config_ui.h"
#include "temp_folder.h"

namespace {

std::string lines(std::initializer_list<std::string> content) {
    std::string bytes = "//never edit this file !//\r\n";
    for (const std::string& line : content) bytes += line + "\r\n";
    return bytes;
}

enum Change { DeleteLocation, InsertLocation, DeleteSmsNumber, AppendSmsNumber, kChanges };

}  // namespace

TEST(ConfigFileKill, EveryRewriteLeavesTheOldOrTheNewFile) {
    testsupport::TempFolder folder;
    const std::string file = folder.path() + "/AquendorKSV2.ini";
    const std::string whole = lines({"COM2", "A|1", "B|2", "0170111", "0170222"});
    const std::string withoutB = lines({"COM2", "A|1", "0170111", "0170222"});
    const std::string withoutSms = lines({"COM2", "A|1", "B|2", "0170111"});
    // Each round starts with one change on a file it really changes.
    const std::string startFor[kChanges] = {whole, withoutB, whole, withoutSms};

    testsupport::KillHarness harness(kChanges);
    const std::string complaint = harness.run(
        60, 4000, [&](int first) { testsupport::writeFileBytes(file, startFor[first]); },
        [&](int first, const std::function<void(int)>& mark) {
            RecordingConfigUi yes;
            shell::ConfigFile config(shell::softenerConfigProfile(), folder.path(), yes);
            for (int change = first;; change = (change + 1) % kChanges) {
                mark(change);
                if (change == DeleteLocation) config.RemoveLocation("B");
                if (change == InsertLocation) config.AddLocation("B", "2");
                if (change == DeleteSmsNumber) config.RemoveSmsNumber("0170222");
                if (change == AppendSmsNumber) config.AddSmsNumber("0170222");
            }
        },
        [&] {
            const std::string now = testsupport::fileBytes(file);
            return now == whole || now == withoutB || now == withoutSms ? std::string() : now;
        });
    EXPECT_EQ(complaint, "");
    EXPECT_GE(harness.kills(), 240);
    RecordProperty("kills", harness.kills());
}
