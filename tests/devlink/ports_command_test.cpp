// aquendor-ports lists the COM names with what they open and binds one to a
// device, the way a technician maps a USB adapter.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <sstream>

#include "temp_folder.h"
#include "tools/ports/ports_command.h"

using testsupport::TempFolder;

namespace {

struct Outcome {
    int code;
    std::string out, err;
};

Outcome run(std::vector<std::string> arguments) {
    std::ostringstream out, err;
    const int code = ports::runPortsCommand(arguments, out, err);
    return {code, out.str(), err.str()};
}

}  // namespace

TEST(PortsCommand, BindsListsAndUnbindsComNames) {
    TempFolder folder;
    const std::string ports = folder.path() + "/ports";
    setenv("AQUENDOR_PORTS", ports.c_str(), 1);

    const Outcome bound = run({"bind", "COM3", "/dev/null"});
    EXPECT_EQ(bound.code, 0) << bound.err;
    EXPECT_EQ(bound.out.rfind("COM3 -> /dev/null\n", 0), 0u) << bound.out;

    const Outcome listed = run({});
    EXPECT_EQ(listed.code, 0);
    EXPECT_NE(listed.out.find("Serial devices:\n"), std::string::npos);
    EXPECT_NE(listed.out.find("COM names (ports folder " + ports + "):\n"), std::string::npos);
    EXPECT_NE(listed.out.find("  COM1  /dev/ttyS0  (default)"), std::string::npos) << listed.out;
    EXPECT_NE(listed.out.find("  COM3  /dev/null\n"), std::string::npos) << listed.out;

    EXPECT_EQ(run({"unbind", "COM3"}).code, 0);
    EXPECT_NE(run({}).out.find("  COM3  /dev/ttyS2  (default)"), std::string::npos);
}

TEST(PortsCommand, RefusesWhatItCannotBind) {
    TempFolder folder;
    setenv("AQUENDOR_PORTS", folder.path().c_str(), 1);
    EXPECT_EQ(run({"bind", "COM0", "/dev/null"}).code, 2);
    const Outcome missing = run({"bind", "COM4", "/dev/ttyUSB-not-there"});
    EXPECT_EQ(missing.code, 1);
    EXPECT_NE(missing.err.find("No such file or directory"), std::string::npos) << missing.err;
    EXPECT_EQ(run({"frobnicate"}).code, 2);
    EXPECT_NE(run({"--help"}).out.find("aquendor-ports bind COMn DEVICE"), std::string::npos);
}

// A binding is read from the ports folder: a relative device name means the
// folder the command was given in, and only a character device (a serial
// device or a pseudo-terminal) can be bound.
TEST(PortsCommand, BindsWhatItSaysAndOnlyCharacterDevices) {
    TempFolder folder;
    const std::string ports = folder.path() + "/ports";
    setenv("AQUENDOR_PORTS", ports.c_str(), 1);
    std::filesystem::create_directories(folder.path() + "/dev");
    ASSERT_EQ(symlink("/dev/null", (folder.path() + "/dev/ptyA").c_str()), 0);
    const std::string before = std::filesystem::current_path();
    std::filesystem::current_path(folder.path());
    const Outcome relative = run({"bind", "COM3", "dev/ptyA"});
    std::filesystem::current_path(before);
    EXPECT_EQ(relative.code, 0) << relative.err;
    EXPECT_EQ(relative.out, "COM3 -> " + folder.path() + "/dev/ptyA  (/dev/null)\n");
    EXPECT_EQ(std::filesystem::read_symlink(ports + "/COM3"), folder.path() + "/dev/ptyA");

    struct Row {
        std::string device, error;
    };
    const Row refused[] = {
        {"/etc/passwd",
         "aquendor-ports: /etc/passwd is no serial device (not a character device)\n"},
        {folder.path(),
         "aquendor-ports: " + folder.path() + " is no serial device (not a character device)\n"},
    };
    for (const Row& row : refused) {
        const Outcome outcome = run({"bind", "COM4", row.device});
        EXPECT_EQ(outcome.code, 1) << row.device;
        EXPECT_EQ(outcome.err, row.error);
        EXPECT_FALSE(std::filesystem::is_symlink(ports + "/COM4")) << row.device;
    }
}
