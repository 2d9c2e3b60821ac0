// A controller program's main window on a simulated unit: the simulator is
// bound as COM2, the port the window opens at start, the window starts in a
// folder of its own (its configuration file lives there) and its messages
// go to a script. Controls are found by the window's own numbers.
#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QLineEdit>
#include <QSettings>
#include <QTest>
#include <memory>

#include <unistd.h>

#include "shell/controls.h"
#include "shell/main_window_base.h"
#include "shell/message_service.h"
#include "sim_fixture.h"
#include "skipping_clock.h"
#include "wait_until.h"

namespace testsupport {

template <typename Window>
class ControllerWindowTest : public ::testing::Test {
  protected:
    void start(unitsim::Config config, const std::string& commandLine) {
        ASSERT_EQ(chdir(workFolder.path().c_str()), 0);
        setenv("AQUENDOR_PORTS", ports.path().c_str(), 1);
        // The UUCP lock files of the test's ports go beside them.
        setenv("AQUENDOR_LOCK_DIR", ports.path().c_str(), 1);
        // The operator's own choices, fresh for each test; a window started
        // again in the same test finds what the first one kept.
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                           QString::fromStdString(userChoices.path()));
        sim = std::make_unique<unitsim::Simulator>(config);
        ASSERT_TRUE(sim->open());
        ASSERT_TRUE(sim->bindComName(ports.path(), "COM2"));
        sim->start();
        window = std::make_unique<Window>(messages);
        ASSERT_TRUE(window->startUp(commandLine));
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        QObject::connect(edit(ids().status), &QLineEdit::textChanged,
                         [this](const QString& word) { statusWords.push_back(word); });
    }

    const shell::MainWindowControls& ids() const { return window->controls(); }
    QWidget* widget(int id) const { return shell::control(window.get(), id); }
    QLineEdit* edit(int id) const { return shell::controlAs<QLineEdit>(window.get(), id); }
    QAbstractButton* button(int id) const {
        return shell::controlAs<QAbstractButton>(window.get(), id);
    }
    bool enabled(int id) const { return widget(id)->isEnabled(); }
    void click(int id) { QTest::mouseClick(button(id), Qt::LeftButton); }
    void typeSerial(const QString& text) {
        edit(ids().serialNumber)->clear();
        QTest::keyClicks(edit(ids().serialNumber), text);
    }
    // Null-modem operation with the unit's serial number typed in.
    void readyNullModem() {
        click(ids().nullModemRadio);
        typeSerial("123456");
        messages.clear();
        statusWords.clear();
    }

    TempFolder ports;
    TempFolder workFolder;
    TempFolder userChoices;
    std::unique_ptr<unitsim::Simulator> sim;
    shell::ScriptedMessageService messages;
    std::unique_ptr<Window> window;
    QStringList statusWords;
};

}  // namespace testsupport
