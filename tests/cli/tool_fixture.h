// aquendorctl against simulated units: each unit bound as a COM name in a
// private ports folder (with the lock files beside it), the tool started as
// a child process in a work folder of the test's own.
#pragma once

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "file_bytes.h"
#include "telegrams.h"
#include "temp_folder.h"
#include "tool_run.h"
#include "tools/unitsim/simulator.h"

namespace testsupport {

inline unitsim::Config unitConfig(unitsim::UnitKind kind, const std::string& serial = "123456") {
    unitsim::Config config;
    config.kind = kind;
    config.serialNumber = serial;
    config.timeScale = 0;  // the plant stands still: every read sees the same
    return config;
}

class ToolTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(chdir(work.path().c_str()), 0);
        setenv("AQUENDOR_PORTS", ports.path().c_str(), 1);
        setenv("AQUENDOR_LOCK_DIR", ports.path().c_str(), 1);
        unsetenv("AQUENDOR_TRACE");
    }
    void TearDown() override {
        units.clear();
        EXPECT_EQ(chdir("/"), 0);
    }

    unitsim::Simulator& bindUnit(const std::string& com, unitsim::Config config) {
        auto sim = std::make_unique<unitsim::Simulator>(config);
        EXPECT_TRUE(sim->open());
        EXPECT_TRUE(sim->bindComName(ports.path(), com));
        sim->start();
        unitsim::Simulator& bound = *sim;
        units[com] = std::move(sim);
        return bound;
    }

    // The connection options of a unit, then the words given.
    static std::vector<std::string> on(const std::string& com, const std::string& kind,
                                       std::vector<std::string> words,
                                       const std::string& serial = "123456") {
        std::vector<std::string> args = {"--port", com, "--serial", serial, "--kind", kind};
        args.insert(args.end(), words.begin(), words.end());
        return args;
    }

    // No lock file of a port is left in the lock folder.
    bool noLockLeft() const {
        for (const auto& entry : std::filesystem::directory_iterator(ports.path()))
            if (entry.path().filename().string().rfind("LCK..", 0) == 0) return false;
        return true;
    }

    static std::vector<std::string> filesIn(const std::string& folder) {
        std::vector<std::string> names;
        std::error_code ignored;
        for (const auto& entry : std::filesystem::directory_iterator(folder, ignored))
            names.push_back(entry.path().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    TempFolder ports;
    TempFolder work;
    std::map<std::string, std::unique_ptr<unitsim::Simulator>> units;
};

}  // namespace testsupport
