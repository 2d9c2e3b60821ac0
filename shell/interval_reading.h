// Reading the unit from the window: the read button reads once; the
// interval check box reads at once and then every 15 seconds, with read,
// write, the unit commands, the histories and the link radios off
// meanwhile. A failed read ends interval reading.
#pragma once

#include <QTimer>

namespace shell {

class MainWindowBase;

class IntervalReading {
  public:
    // The timer is the window's: an operation in progress keeps its ticks away.
    explicit IntervalReading(MainWindowBase& window);

    // The check box and the read button.
    void connectControls();
    bool ticked() const;
    QTimer& timer() { return timer_; }
    // Unticks the check box and gives the read button and the radios back.
    void stop();

  private:
    void onClicked(bool checked);
    void readOnce();

    MainWindowBase& window_;
    QTimer timer_;
};

}  // namespace shell
