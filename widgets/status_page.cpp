#include "widgets/status_page.h"

#include <QPainter>

#include "shell/controls.h"
#include "shell/main_window_base.h"

namespace widgets {

StatusPage::StatusPage(shell::MainWindowBase& owner, LampRows rows)
    : ChildPage(owner), lamps_(new LampPanel(*this, std::move(rows))) {}

void StatusPage::makeReadOnly(std::initializer_list<int> fields) {
    for (int id : fields)
        if (QWidget* field = shell::control(this, id))
            onFocus(field, QEvent::FocusIn, [this] { owner().focusNextStep(); });
}

void StatusPage::paintEvent(QPaintEvent* event) {
    ChildPage::paintEvent(event);
    QPainter painter(this);
    lamps_->paint(painter);
}

}  // namespace widgets
