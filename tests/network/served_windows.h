// The programs' windows on a unit reached through ser2net: the COM name
// the window opens at start is bound to the server's URL, the unit sits
// behind the server, and everything else is as in the windows' own tests.
#pragma once

#include <optional>

#include "ksv2_fixture.h"
#include "measuring/vantiqo_fixture.h"
#include "resources/ids/vantiqo_ids.h"
#include "served_unit.h"
#include "skipping_clock.h"

namespace testsupport {

// The softener window, parametrised by the server's protocol.
class ServedKsv2 : public Ksv2Window, public ::testing::WithParamInterface<Mode> {
  protected:
    void SetUp() override {
        if (const std::string why = ServedUnit::missingServer(); !why.empty()) GTEST_SKIP() << why;
    }
    // The window lets go of the connection before the server and the unit go.
    void TearDown() override { window.reset(); }

    // The unit behind a running server, the window started on it. With
    // testClock the waits in which nothing can happen pass at once.
    void startServed(unitsim::Config config, const std::string& commandLine,
                     bool kickOldUser = false, bool testClock = false) {
        prepare(testClock);
        unit.plugIn(config);
        unit.serve(GetParam(), 0, kickOldUser);
        ServedUnit::bind("COM2", unit.server.url());
        openWindow(commandLine);
    }

    // The window started on a COM name bound to a server that is not
    // running yet: serveLater() starts it on that port.
    void startWithoutServer(const std::string& commandLine) {
        prepare(false);
        unit.plugIn(unitsim::Config{});
        laterPort = unitsim::SerialServer::freePort();
        ServedUnit::bind("COM2", url(laterPort));
        openWindow(commandLine);
    }
    void serveLater() { unit.serve(GetParam(), laterPort); }

    std::string url(int port) const {
        return (GetParam() == Mode::Raw ? "tcp" : "rfc2217") + std::string("://127.0.0.1:") +
               std::to_string(port);
    }
    std::string url() const { return unit.server.url(); }

    ServedUnit unit;
    int laterPort = 0;
    std::optional<SkippingClock> clock;

  private:
    void prepare(bool testClock) {
        ASSERT_EQ(chdir(workFolder.path().c_str()), 0);
        setenv("AQUENDOR_PORTS", ports.path().c_str(), 1);
        setenv("AQUENDOR_LOCK_DIR", ports.path().c_str(), 1);
        if (testClock) clock.emplace();
    }
    void openWindow(const std::string& commandLine) {
        window = std::make_unique<CAquendorKSV2Dlg>(messages);
        ASSERT_TRUE(window->startUp(commandLine));
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        QObject::connect(edit(ids().status), &QLineEdit::textChanged,
                         [this](const QString& word) { statusWords.push_back(word); });
    }
};

// The measuring window on a measuring unit behind the server.
class ServedVantiqo : public VantiqoWindow, public ::testing::WithParamInterface<Mode> {
  protected:
    void SetUp() override {
        if (const std::string why = ServedUnit::missingServer(); !why.empty()) GTEST_SKIP() << why;
    }

    void startServed(unitsim::Config config) {
        ASSERT_EQ(chdir(workFolder.path().c_str()), 0);
        setenv("AQUENDOR_PORTS", ports.path().c_str(), 1);
        setenv("AQUENDOR_LOCK_DIR", ports.path().c_str(), 1);
        unit.plugIn(config);
        unit.serve(GetParam());
        ServedUnit::bind("COM1", unit.server.url());
        window = std::make_unique<measuring::CVantiqoDlg>(messages);
        window->clock = fixedTime;
        window->folderLauncher = [this](const QString& folder) {
            launched.push_back(folder);
            return true;
        };
        window->startUp();
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        ASSERT_TRUE(window->port().isOpen()) << messages.lastText().toStdString();
        edit(vantiqo::ids::SerialNumberEdit)->setText("123456");
        messages.clear();
    }

    ServedUnit unit;
};

}  // namespace testsupport
