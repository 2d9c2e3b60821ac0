// A unit simulator bound as a COM name in a private ports folder, and the
// program side of the line: a SerialPort and a DeviceLink on that COM name.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "devlink/device_link.h"
#include "devlink/serial_port.h"
#include "recording_window.h"
#include "skipping_clock.h"
#include "temp_folder.h"
#include "tools/unitsim/simulator.h"

namespace testsupport {

class SimulatedLine : public ::testing::Test {
  protected:
    void SetUp() override { bindUnit(unitsim::Config{}); }

    void bindUnit(unitsim::Config config) {
        setenv("AQUENDOR_PORTS", ports.path().c_str(), 1);
        // The UUCP lock files of the test's ports go beside them.
        setenv("AQUENDOR_LOCK_DIR", ports.path().c_str(), 1);
        sim = std::make_unique<unitsim::Simulator>(config);
        ASSERT_TRUE(sim->open());
        ASSERT_TRUE(sim->bindComName(ports.path(), "COM5"));
        sim->start();
        port.setPortName("COM5");
        ASSERT_TRUE(port.openPort()) << window.lastMessage();
    }

    TempFolder ports;
    std::unique_ptr<unitsim::Simulator> sim;
    RecordingWindow window;
    devlink::SerialPort port{window};
    devlink::DeviceLink link{port, window};
    devlink::AnswerBuffer answer{};
};

// The same line on the test's clock (skipping_clock.h): its waits pass as
// soon as nothing can happen, and settle() waits until the line is quiet.
class SimulatedLineOnTestClock : public SimulatedLine {
  protected:
    SkippingClock clock;
};

}  // namespace testsupport
