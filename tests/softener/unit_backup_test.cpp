// Backups of a unit's parameters: names from the serial number and the
// time, "_1" when a minute is taken, the ten newest kept, nothing written
// without a six-digit serial number or where no folder can be made, and
// the cause of every failure.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

#include "controller/backup_files.h"
#include "file_bytes.h"
#include "temp_folder.h"
#include "unprivileged.h"

using namespace controller;
using testsupport::TempFolder;

namespace {

std::set<std::string> filesIn(const std::string& folder) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

const BackupStamp kStamp{2026, 12, 7, 14, 30};

}  // namespace

TEST(UnitBackup, NamedBySerialAndMinuteWithACountWhenTaken) {
    TempFolder start;
    const BackupResult first = writeUnitBackup(start.path(), "123456", "eins", kStamp);
    const BackupResult second = writeUnitBackup(start.path(), "123456", "zwei", kStamp);
    ASSERT_EQ(first.status, BackupStatus::Written);
    ASSERT_EQ(second.status, BackupStatus::Written);
    const std::string folder = start.path() + "/backup 123456";
    EXPECT_EQ(first.path, folder + "/backup 123456 2026-12-07 1430.stg");
    EXPECT_EQ(second.path, folder + "/backup 123456 2026-12-07 1430_1.stg");
    EXPECT_EQ(testsupport::fileBytes(first.path), "eins");
    EXPECT_EQ(testsupport::fileBytes(second.path), "zwei");
    EXPECT_EQ(backupFileName("000042", {2027, 1, 2, 3, 4}, 0), "backup 000042 2027-01-02 0304.stg");
}

TEST(UnitBackup, TheTenNewestAreKept) {
    TempFolder start;
    const std::string folder = start.path() + "/backup 123456";
    std::filesystem::create_directory(folder);
    // What an operator put there, and names that only look like backups.
    for (const char* other : {"notes.txt", "backup 654321 2000-01-01 0000.stg",
                              "backup 123456 2000-01-01 0000.stg.bak"})
        std::ofstream(folder + "/" + other) << "keep";
    // Twelve backups in one minute: "_10" and "_11" are newer than "_2".
    for (int i = 0; i < 12; ++i)
        ASSERT_EQ(writeUnitBackup(start.path(), "123456", "x", kStamp).status,
                  BackupStatus::Written);
    std::set<std::string> expected = {"notes.txt", "backup 654321 2000-01-01 0000.stg",
                                      "backup 123456 2000-01-01 0000.stg.bak"};
    for (int taken = 2; taken <= 11; ++taken)
        expected.insert(backupFileName("123456", kStamp, taken));
    EXPECT_EQ(filesIn(folder), expected);

    // A later minute pushes out the oldest.
    writeUnitBackup(start.path(), "123456", "x", {2026, 12, 7, 14, 31});
    expected.erase(backupFileName("123456", kStamp, 2));
    expected.insert(backupFileName("123456", {2026, 12, 7, 14, 31}, 0));
    EXPECT_EQ(filesIn(folder), expected);
}

TEST(UnitBackup, NothingWithoutSixDigitsOrAFolder) {
    TempFolder start;
    for (const char* serial : {"12345", "1234567", "12345a", "", "../123"})
        EXPECT_EQ(writeUnitBackup(start.path(), serial, "x", kStamp).status,
                  BackupStatus::BadSerial)
            << serial;
    EXPECT_TRUE(filesIn(start.path()).empty());

    std::ofstream(start.path() + "/backup 123456") << "a file, not a folder";
    const BackupResult result = writeUnitBackup(start.path(), "123456", "x", kStamp);
    EXPECT_EQ(result.status, BackupStatus::Failed);
    EXPECT_EQ(result.path, start.path() + "/backup 123456");
    EXPECT_EQ(result.error, ENOTDIR);
}

// A technician's folder that takes no new file, whether the start folder
// or the unit's backup folder: the failure carries its cause.
TEST(UnitBackup, AReadOnlyFolderTellsWhy) {
    TempFolder start;
    testsupport::openTo(start.path(), 0555);
    EXPECT_EQ(testsupport::runUnprivileged(
                  [&] { return writeUnitBackup(start.path(), "123456", "x", kStamp).error; }),
              EACCES);
    testsupport::openTo(start.path(), 0755);
    const std::string folder = start.path() + "/backup 123456";
    ASSERT_EQ(mkdir(folder.c_str(), 0555), 0);
    EXPECT_EQ(testsupport::runUnprivileged([&] {
                  const BackupResult result = writeUnitBackup(start.path(), "123456", "x", kStamp);
                  return result.path == folder + "/" + backupFileName("123456", kStamp, 0)
                             ? result.error
                             : -1;
              }),
              EACCES);
    EXPECT_TRUE(filesIn(folder).empty());
}

// The list to go back from: newest first ("_10" after "_2" in its minute),
// with the time of each, only this unit's backups, none for a serial
// number that names no folder.
TEST(UnitBackup, ListedNewestFirstWithTheirTimes) {
    TempFolder start;
    for (int i = 0; i < 11; ++i) writeUnitBackup(start.path(), "123456", "x", kStamp, 20);
    writeUnitBackup(start.path(), "123456", "x", {2026, 12, 8, 9, 5}, 20);
    writeUnitBackup(start.path(), "123456", "x", {2025, 1, 31, 23, 59}, 20);
    writeUnitBackup(start.path(), "654321", "x", {2027, 1, 1, 0, 0}, 20);
    std::ofstream(start.path() + "/backup 123456/backup 123456 2030-01-01 0000.stg.bak") << "x";

    const std::vector<UnitBackup> backups = unitBackups(start.path(), "123456");
    ASSERT_EQ(backups.size(), 13u);
    const std::string folder = start.path() + "/backup 123456/";
    EXPECT_EQ(backups[0].path, folder + "backup 123456 2026-12-08 0905.stg");
    EXPECT_EQ(backups[1].path, folder + backupFileName("123456", kStamp, 10));
    EXPECT_EQ(backups[1].taken, 10);
    EXPECT_EQ(backups[10].path, folder + backupFileName("123456", kStamp, 1));
    EXPECT_EQ(backups[11].taken, 0);
    EXPECT_EQ(backups[12].path, folder + "backup 123456 2025-01-31 2359.stg");
    const BackupStamp& s = backups[12].stamp;
    EXPECT_EQ(std::vector<int>({s.year, s.month, s.day, s.hour, s.minute}),
              std::vector<int>({2025, 1, 31, 23, 59}));

    EXPECT_TRUE(unitBackups(start.path(), "12345").empty());
    EXPECT_TRUE(unitBackups(start.path(), "111111").empty());
}
