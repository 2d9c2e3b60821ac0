// A program killed while it changes its configuration file leaves the old
// file or the new one, never a mix: each kind of change (a location
// inserted before the SMS numbers, a location deleted, an SMS number
// deleted, an SMS number appended) is interrupted many times.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/mman.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <fstream>
#include <random>
#include <sstream>

#include "file_bytes.h"
#include "recording_config_ui.h"
#include "temp_folder.h"

namespace {

std::string lines(std::initializer_list<std::string> content) {
    std::string bytes = "//never edit this file !//\r\n";
    for (const std::string& line : content) bytes += line + "\r\n";
    return bytes;
}

enum Change { DeleteLocation, InsertLocation, DeleteSmsNumber, AppendSmsNumber, kChanges };

// Runs the four changes in a loop for ever, beginning with `first`, and
// tells the parent through shared memory which one is under way.
[[noreturn]] void changeForEver(const std::string& folder, int first, volatile int* current) {
    RecordingConfigUi yes;
    shell::ConfigFile config(shell::softenerConfigProfile(), folder, yes);
    for (int change = first;; change = (change + 1) % kChanges) {
        *current = change;
        switch (change) {
            case DeleteLocation:
                config.RemoveLocation("B");
                break;
            case InsertLocation:
                config.AddLocation("B", "2");
                break;
            case DeleteSmsNumber:
                config.RemoveSmsNumber("0170222");
                break;
            default:
                config.AddSmsNumber("0170222");
                break;
        }
    }
}

}  // namespace

TEST(ConfigFileKill, EveryRewriteLeavesTheOldOrTheNewFile) {
    testsupport::TempFolder folder;
    const std::string file = folder.path() + "/AquendorKSV2.ini";
    const std::string whole = lines({"COM2", "A|1", "B|2", "0170111", "0170222"});
    const std::string withoutB = lines({"COM2", "A|1", "0170111", "0170222"});
    const std::string withoutSms = lines({"COM2", "A|1", "B|2", "0170111"});

    auto* current = static_cast<volatile int*>(
        mmap(nullptr, sizeof(int), PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0));
    ASSERT_NE(current, MAP_FAILED);
    std::array<int, kChanges> interrupted{};
    std::mt19937 random(20261207);
    std::uniform_int_distribution<int> delayUs(0, 2500);
    // Each round starts with one change on a file it really changes, and
    // kills the child at a random moment after it has begun. Rounds go on
    // until every change has been interrupted often enough.
    const std::string startFor[kChanges] = {whole, withoutB, whole, withoutSms};
    constexpr int kEach = 60;
    int kills = 0;
    for (int round = 0; round < 4000; ++round) {
        const int first = round % kChanges;
        if (interrupted[static_cast<std::size_t>(first)] >= kEach) {
            if (*std::min_element(interrupted.begin(), interrupted.end()) >= kEach) break;
            continue;
        }
        std::ofstream(file, std::ios::binary | std::ios::trunc) << startFor[first];
        *current = -1;
        const pid_t child = fork();
        if (child == 0) changeForEver(folder.path(), first, current);
        while (*current < 0) usleep(20);
        usleep(static_cast<useconds_t>(delayUs(random)));
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
        ++kills;
        ++interrupted[static_cast<std::size_t>(*current)];
        const std::string now = testsupport::fileBytes(file);
        ASSERT_TRUE(now == whole || now == withoutB || now == withoutSms)
            << "kill " << kills << " during change " << *current << ": " << now;
    }
    for (int change = 0; change < kChanges; ++change)
        EXPECT_GE(interrupted[static_cast<std::size_t>(change)], kEach) << "change " << change;
    EXPECT_GE(kills, 240);
    RecordProperty("kills", kills);
    munmap(const_cast<int*>(current), sizeof(int));
}
