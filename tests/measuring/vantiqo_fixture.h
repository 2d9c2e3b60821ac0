// The Vantiqo window on a simulated measuring unit: the simulator is bound
// as COM1, the port the window opens at start; messages go to a script and
// the working folder is one of the test's own.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <sstream>

#include "file_bytes.h"
#include "measuring/vantiqo_dlg.h"
#include "resources/ids/vantiqo_ids.h"
#include "shell/controls.h"
#include "shell/message_service.h"
#include "sim_fixture.h"
#include "wait_until.h"

namespace testsupport {

inline unitsim::Config measuringConfig(int variant, std::size_t records = 0, int baud = 0) {
    unitsim::Config config;
    config.kind = unitsim::UnitKind::Measuring;
    config.variant = variant;
    config.loggerRecords = records;
    config.baud = baud;
    return config;
}

// 3 June 2009, 14:07.
inline std::tm fixedTime() {
    std::tm t{};
    t.tm_mday = 3;
    t.tm_mon = 5;
    t.tm_year = 109;
    t.tm_hour = 14;
    t.tm_min = 7;
    return t;
}

// Scripted messages that can also act the moment a message appears, while
// the operation that shows it is still running.
class HookedMessages : public shell::ScriptedMessageService {
  public:
    std::function<void(const shell::Message&)> onShow;
    shell::MessageAnswer show(QWidget* parent, const shell::Message& message) override {
        if (onShow) onShow(message);
        return ScriptedMessageService::show(parent, message);
    }
};

class VantiqoWindow : public ::testing::Test {
  protected:
    void SetUp() override { start(measuringConfig(4)); }
    void TearDown() override {
        window.reset();
        EXPECT_EQ(chdir("/"), 0);
    }

    void start(unitsim::Config config) {
        ASSERT_EQ(chdir(workFolder.path().c_str()), 0);
        setenv("AQUENDOR_PORTS", ports.path().c_str(), 1);
        // The operator's own choices, fresh for each test.
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                           QString::fromStdString(userChoices.path()));
        sim = std::make_unique<unitsim::Simulator>(config);
        ASSERT_TRUE(sim->open());
        ASSERT_TRUE(sim->bindComName(ports.path(), "COM1"));
        if (observer) sim->setTrafficObserver(observer);
        sim->start();
        window = std::make_unique<measuring::CVantiqoDlg>(messages);
        window->clock = fixedTime;
        window->folderLauncher = [this](const QString& folder) {
            launched.push_back(folder);
            return launcherWorks;
        };
        window->startUp();
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        ASSERT_TRUE(window->port().isOpen()) << messages.lastText().toStdString();
        QObject::connect(edit(vantiqo::ids::StatusEdit), &QLineEdit::textChanged,
                         [this](const QString& word) { statusWords.push_back(word); });
        edit(vantiqo::ids::SerialNumberEdit)->setText("123456");
        messages.clear();
    }

    QLineEdit* edit(int id) const { return shell::controlAs<QLineEdit>(window.get(), id); }
    QPushButton* button(int id) const { return shell::controlAs<QPushButton>(window.get(), id); }
    QWidget* widget(int id) const { return shell::control(window.get(), id); }
    bool enabled(int id) const { return widget(id)->isEnabled(); }
    // Near the left edge: a radio button takes clicks on its circle and text only.
    void click(int id) {
        QWidget* target = widget(id);
        QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(8, target->height() / 2));
    }

    std::vector<std::string> requests() const {
        std::vector<std::string> words;
        for (const auto& telegram : sim->received()) words.push_back(telegram.bytes.substr(0, 3));
        return words;
    }
    std::vector<std::string> csvFiles() const {
        std::vector<std::string> names;
        const std::filesystem::path folder =
            std::filesystem::path(workFolder.path()) / "Messdaten Vantiqo 123456";
        if (!std::filesystem::exists(folder)) return names;
        for (const auto& entry : std::filesystem::directory_iterator(folder))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
    std::string csvPath(const std::string& name) const {
        return workFolder.path() + "/Messdaten Vantiqo 123456/" + name;
    }

    // Sees the unit's traffic in the simulator's thread; set before start().
    unitsim::TrafficObserver observer;
    TempFolder ports;
    TempFolder workFolder;
    TempFolder userChoices;
    std::unique_ptr<unitsim::Simulator> sim;
    HookedMessages messages;
    std::unique_ptr<measuring::CVantiqoDlg> window;
    QStringList statusWords;
    std::vector<QString> launched;
    bool launcherWorks = true;
};

}  // namespace testsupport
