// The review before a write, as the controller window uses it: shown
// unless the operator has turned it off (a per-user choice, see
// shell/user_choices.h), and turned on and off again from the window's
// menu. It only decides whether the write goes on; what is sent is what the
// write would have sent without it.
#pragma once

#include <QStringList>
#include <vector>

#include "controller/value_changes.h"
#include "shell/user_choices.h"

class QAction;
class QMenu;

namespace shell {
class MainWindowBase;
}

namespace widgets {

class WriteReview {
  public:
    explicit WriteReview(shell::MainWindowBase& window);

    // The check item "Änderungen vor dem Schreiben anzeigen" / "show
    // changes before writing".
    void addMenuItem(QMenu& menu);
    QAction* menuItem() const { return item_; }

    // True when the write may be sent: the review is off, or the operator
    // pressed "Senden" / "Send".
    bool approved(const std::vector<controller::ValueChange>& changes,
                  const QStringList& pageNames);

  private:
    void setOn(bool on);

    shell::MainWindowBase& window_;
    shell::UserChoices choices_;
    QAction* item_ = nullptr;
};

}  // namespace widgets
