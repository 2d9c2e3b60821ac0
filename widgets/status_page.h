// What the status pages of both controller programs share: the lamp panel
// painted over the page, and value fields that are for reading only.
#pragma once

#include <initializer_list>

#include "shell/child_page.h"
#include "widgets/lamp_panel.h"

namespace widgets {

class StatusPage : public shell::ChildPage {
    Q_OBJECT
  public:
    StatusPage(shell::MainWindowBase& owner, LampRows rows);

    void stopBlinking() { lamps_->stopBlinking(); }
    void blinkTick() { lamps_->blinkTick(); }
    QTimer& blinkTimer() { return lamps_->blinkTimer(); }
    const controller::LampBits& lamps() const { return lamps_->lamps(); }

  protected:
    LampPanel& lampPanel() { return *lamps_; }
    // These fields pass the focus on to the button that starts the next step.
    void makeReadOnly(std::initializer_list<int> fields);
    void paintEvent(QPaintEvent* event) override;

  private:
    LampPanel* lamps_;
};

}  // namespace widgets
