#include "shell/controls.h"

#include <QVariant>

namespace shell {

namespace {

QWidget* findIn(const QWidget* parent, int id) {
    for (QObject* child : parent->children()) {
        auto* widget = qobject_cast<QWidget*>(child);
        if (!widget || widget->property(kPageProperty).toBool()) continue;
        const QVariant number = widget->property(kControlIdProperty);
        if (number.isValid() && number.toInt() == id) return widget;
        if (QWidget* found = findIn(widget, id)) return found;
    }
    return nullptr;
}

}  // namespace

QWidget* control(const QWidget* window, int id) {
    return window ? findIn(window, id) : nullptr;
}

void enableControl(const QWidget* window, int id, bool enable) {
    if (QWidget* widget = control(window, id)) widget->setEnabled(enable);
}

void markAsPage(QWidget* page) {
    page->setProperty(kPageProperty, true);
}

}  // namespace shell
