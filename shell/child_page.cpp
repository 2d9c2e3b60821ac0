#include "shell/child_page.h"

#include "shell/main_window_base.h"

namespace shell {

ChildPage::ChildPage(MainWindowBase& owner) : QDialog(&owner, Qt::Widget), owner_(owner) {}

void ChildPage::onFocus(QWidget* field, QEvent::Type type, std::function<void()> action) {
    field->installEventFilter(this);
    focusActions_[{field, type}] = std::move(action);
}

bool ChildPage::eventFilter(QObject* watched, QEvent* event) {
    const auto found = focusActions_.find({watched, event->type()});
    if (found == focusActions_.end() || acting_ || owner_.tearingDown())
        return QDialog::eventFilter(watched, event);
    // A field finishes losing the focus first (a line edit drops its
    // selection then); only afterwards may a check give the focus back and
    // select the offending character.
    const bool leaving = event->type() == QEvent::FocusOut;
    if (leaving) watched->event(event);
    acting_ = true;
    found->second();
    acting_ = false;
    return leaving || QDialog::eventFilter(watched, event);
}

}  // namespace shell
