// What the screenshot programs share: a simulated unit bound as COM2 (the
// port a controller program opens at start), clicks on numbered controls,
// saving the window as a PNG, and a main that shoots in German and English.
#pragma once

#include <QString>
#include <array>
#include <cstddef>
#include <functional>
#include <memory>
#include <string>

#include "tools/unitsim/simulator.h"

class QWidget;

namespace shell {
class MainWindowBase;
class ScriptedMessageService;
}  // namespace shell
namespace widgets {
class ControllerWindow;
class StatusPage;
}  // namespace widgets

namespace screens {

// Where the status area holds the bytes behind the lamp rows.
struct LampBytes {
    std::size_t functions, inputs, outputs, blink;
};

class ScreenShooter {
  public:
    // Files are named "<folder>/<program>-<language>-<what>.png".
    ScreenShooter(QString folder, QString program, const char* language)
        : folder_(std::move(folder)), program_(std::move(program)), language_(language) {}

    bool startUnit(unitsim::Config config);
    unitsim::Simulator& unit() { return *sim_; }
    const char* language() const { return language_; }

    // Starts the window as the program does ("<program> <language>") and
    // readies it to read the unit over the cable.
    bool openWindow(shell::MainWindowBase& window, const std::string& program);
    void click(const QWidget& window, int id);
    bool save(QWidget& window, const QString& what);

    // Reads the unit with all lamps off, all on and with blinking ones (the
    // four bytes of `blinking`, both blink phases), then shows every
    // parameter page.
    bool shootStatusAndPages(shell::MainWindowBase& window, widgets::StatusPage& status,
                             const LampBytes& at, const std::array<int, 4>& blinking);

    // The pages set to the factory setting and "schreiben": the review of
    // the changes; written, the unit's backup in "Sicherungen"; then a
    // hundred readings recorded, a quarter of an hour of the plant apart,
    // as "Verlauf" shows them with a few values and the lamps that switched.
    // The window has read the unit.
    bool shootReviewBackupsAndTrend(widgets::ControllerWindow& window,
                                    shell::ScriptedMessageService& messages);

  private:
    void setLamps(const LampBytes& at, const std::array<int, 4>& values);

    QString folder_;
    QString program_;
    const char* language_;
    std::unique_ptr<unitsim::Simulator> sim_;
};

// Runs shoot(folder, language) for "german" and "english" in the output
// folder (the first argument, "screens" without one), which is also the
// folder the program keeps its files in. Offscreen without a display.
int screensMain(int argc, char** argv,
                const std::function<bool(const QString& folder, const char* language)>& shoot);

}  // namespace screens
