// What a rewrite keeps of the user's set-up (symbolic link, mode, a folder
// that is not writable), and configuration files that cannot be opened for
// writing, seen as an ordinary user even when the suite runs as root.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <fstream>
#include <sstream>

#include "file_bytes.h"
#include "files/file_write.h"
#include "recording_config_ui.h"
#include "temp_folder.h"
#include "unprivileged.h"

using shell::ConfigFile;
using testsupport::runUnprivileged;
using testsupport::TempFolder;

namespace {

const std::string kBefore = "//never edit this file !//\r\nCOM2\r\nA|1\r\nB|2\r\n0170111\r\n";
const std::string kAfter = "//never edit this file !//\r\nCOM2\r\nA|1\r\n0170111\r\n";

void writeAll(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

// Deletes location B from the configuration file in folder; true when the
// program reported it deleted.
bool deleteB(const std::string& folder) {
    RecordingConfigUi ui;
    ConfigFile config(shell::softenerConfigProfile(), folder, ui);
    config.setEnglish(true);
    config.RemoveLocation("B");
    return ui.last() == "location deleted !" && ui.fatalText.empty();
}

}  // namespace

TEST(FileRewrite, ASymbolicLinkStaysALinkAndItsTargetChanges) {
    TempFolder folder;
    ASSERT_EQ(mkdir((folder.path() + "/shared").c_str(), 0755), 0);
    ASSERT_EQ(mkdir((folder.path() + "/work").c_str(), 0755), 0);
    const std::string target = folder.path() + "/shared/AquendorKSV2.ini";
    const std::string link = folder.path() + "/work/AquendorKSV2.ini";
    writeAll(target, kBefore);
    ASSERT_EQ(symlink("../shared/AquendorKSV2.ini", link.c_str()), 0);

    ASSERT_TRUE(deleteB(folder.path() + "/work"));
    struct stat info {};
    ASSERT_EQ(lstat(link.c_str(), &info), 0);
    EXPECT_TRUE(S_ISLNK(info.st_mode));
    EXPECT_EQ(testsupport::fileBytes(target), kAfter);
}

TEST(FileRewrite, TheFileKeepsItsMode) {
    TempFolder folder;
    const std::string file = folder.path() + "/AquendorKSV2.ini";
    writeAll(file, kBefore);
    ASSERT_EQ(chmod(file.c_str(), 0664), 0);
    ASSERT_TRUE(deleteB(folder.path()));
    struct stat info {};
    ASSERT_EQ(stat(file.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0664u);
    EXPECT_EQ(testsupport::fileBytes(file), kAfter);
}

TEST(FileRewrite, AFolderThatIsNotWritableGetsTheFileRewrittenInPlace) {
    TempFolder folder;
    testsupport::openTo(folder.path(), 0755);
    const std::string shop = folder.path() + "/shop";
    ASSERT_EQ(mkdir(shop.c_str(), 0755), 0);
    const std::string file = shop + "/AquendorKSV2.ini";
    writeAll(file, kBefore);
    ASSERT_EQ(chmod(file.c_str(), 0666), 0);
    ASSERT_EQ(chmod(shop.c_str(), 0555), 0);
    struct stat before {};
    ASSERT_EQ(stat(file.c_str(), &before), 0);

    EXPECT_EQ(runUnprivileged([&] { return deleteB(shop) ? 0 : 1; }), 0);
    struct stat after {};
    ASSERT_EQ(stat(file.c_str(), &after), 0);
    EXPECT_EQ(after.st_ino, before.st_ino);  // the same file, not a replacement
    EXPECT_EQ(testsupport::fileBytes(file), kAfter);
    chmod(shop.c_str(), 0755);
}

TEST(ConfigFileOpen, AReadOnlyFileOrAFolderEndsTheProgramAtStart) {
    TempFolder folder;
    testsupport::openTo(folder.path(), 0755);
    const std::string file = folder.path() + "/AquendorKSV2.ini";
    writeAll(file, kBefore);
    ASSERT_EQ(chmod(file.c_str(), 0444), 0);
    const std::string message =
        "Kann AquendorKSV2.ini nicht \u00F6ffnen !\n" + file + "\nProgramm wird beendet";
    EXPECT_EQ(runUnprivileged([&] {
                  RecordingConfigUi ui;
                  ConfigFile(shell::softenerConfigProfile(), folder.path(), ui).LoadAtStart();
                  return ui.fatalText == message ? 0 : 1;
              }),
              0);
    EXPECT_EQ(testsupport::fileBytes(file), kBefore);

    ASSERT_EQ(unlink(file.c_str()), 0);
    ASSERT_EQ(mkdir(file.c_str(), 0755), 0);
    RecordingConfigUi ui;
    ConfigFile(shell::softenerConfigProfile(), folder.path(), ui).LoadAtStart();
    EXPECT_EQ(ui.fatalText, message);
}

TEST(NewFile, NeverReplacesAnExistingFile) {
    TempFolder folder;
    const std::string file = folder.path() + "/list.txt";
    EXPECT_EQ(files::writeNewFile(file, "first"), files::NewFileResult::Written);
    EXPECT_EQ(files::writeNewFile(file, "second"), files::NewFileResult::Exists);
    EXPECT_EQ(testsupport::fileBytes(file), "first");
    EXPECT_EQ(files::writeNewFile(folder.path() + "/missing/list.txt", "x"),
              files::NewFileResult::Failed);
}
