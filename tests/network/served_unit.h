// A unit simulator behind a network serial server, as a plant reached over
// the network has it: ser2net on 127.0.0.1 serves the simulator's
// pseudo-terminal (through a link in the server's folder, so that a new
// simulator can take the old one's place, as a device plugged in again),
// and a COM name in the test's ports folder is bound to the server's URL.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "temp_folder.h"
#include "tools/ports/ports_command.h"
#include "tools/unitsim/serial_server.h"
#include "tools/unitsim/simulator.h"

namespace testsupport {

using Mode = unitsim::SerialServer::Mode;

inline const char* modeName(Mode mode) {
    return mode == Mode::Raw ? "Raw" : "Rfc2217";
}

class ServedUnit {
  public:
    // The reason to skip a test that needs ser2net, empty when it is there.
    static std::string missingServer() {
        return unitsim::SerialServer::program().empty()
                   ? "ser2net is not installed (Debian package ser2net; scripts/install-deps.sh "
                     "installs it)"
                   : "";
    }

    // A new unit behind the server's link; the server, once started, opens
    // whatever the link leads to at its next connection.
    void plugIn(const unitsim::Config& config) {
        sim = std::make_unique<unitsim::Simulator>(config);
        ASSERT_TRUE(sim->open());
        ASSERT_TRUE(sim->bindComName(folder.path(), "line"));
        sim->start();
    }

    void serve(Mode mode, int port = 0, bool kickOldUser = false) {
        ASSERT_TRUE(server.start(folder.path() + "/line", mode, folder.path(), port, kickOldUser))
            << server.why();
    }

    // comName bound to the server through the ports command, as a
    // technician binds it.
    static void bind(const std::string& comName, const std::string& url) {
        std::ostringstream out, err;
        ASSERT_EQ(ports::runPortsCommand({"bind", comName, url}, out, err), 0) << err.str();
    }

    TempFolder folder;
    std::unique_ptr<unitsim::Simulator> sim;
    unitsim::SerialServer server;
};

}  // namespace testsupport
