// The softener window on a simulated unit: the simulator is bound as COM2,
// the port the window opens at start, and messages go to a script.
#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QLineEdit>
#include <QTest>
#include <memory>

#include <unistd.h>

#include "shell/controls.h"
#include "shell/message_service.h"
#include "sim_fixture.h"
#include "softener/aquendor_ksv2_dlg.h"
#include "softener/child_dlg_func1.h"
#include "softener/child_dlg_func2.h"
#include "softener/child_dlg_func3.h"
#include "softener/child_dlg_func4.h"
#include "softener/child_dlg_info.h"

namespace testsupport {

class Ksv2Window : public ::testing::Test {
  protected:
    void SetUp() override { start(unitsim::Config{}, "AquendorKSV2"); }

    void start(unitsim::Config config, const std::string& commandLine) {
        // The configuration file lives in the start directory: one per test.
        ASSERT_EQ(chdir(workFolder.path().c_str()), 0);
        setenv("AQUENDOR_PORTS", ports.path().c_str(), 1);
        // The UUCP lock files of the test's ports go beside them.
        setenv("AQUENDOR_LOCK_DIR", ports.path().c_str(), 1);
        sim = std::make_unique<unitsim::Simulator>(config);
        ASSERT_TRUE(sim->open());
        ASSERT_TRUE(sim->bindComName(ports.path(), "COM2"));
        sim->start();
        window = std::make_unique<CAquendorKSV2Dlg>(messages);
        ASSERT_TRUE(window->startUp(commandLine));
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        QObject::connect(edit(1013), &QLineEdit::textChanged,
                         [this](const QString& word) { statusWords.push_back(word); });
    }

    QWidget* widget(int id) const { return shell::control(window.get(), id); }
    QLineEdit* edit(int id) const { return shell::controlAs<QLineEdit>(window.get(), id); }
    QAbstractButton* button(int id) const {
        return shell::controlAs<QAbstractButton>(window.get(), id);
    }
    bool enabled(int id) const { return widget(id)->isEnabled(); }
    void click(int id) { QTest::mouseClick(button(id), Qt::LeftButton); }
    void typeSerial(const QString& text) {
        edit(1015)->clear();
        QTest::keyClicks(edit(1015), text);
    }
    // Null-modem operation with the unit's serial number typed in.
    void readyNullModem() {
        click(1038);
        typeSerial("123456");
        messages.clear();
        statusWords.clear();
    }

    TempFolder ports;
    TempFolder workFolder;
    std::unique_ptr<unitsim::Simulator> sim;
    shell::ScriptedMessageService messages;
    std::unique_ptr<CAquendorKSV2Dlg> window;
    QStringList statusWords;
};

}  // namespace testsupport
