#include "shell/operation_guard.h"

#include <QApplication>
#include <QEvent>
#include <QSet>
#include <QTimer>
#include <algorithm>

namespace shell {

namespace {

// The windows with an operation running.
QSet<const QWidget*>& busyWindows() {
    static QSet<const QWidget*> windows;
    return windows;
}

}  // namespace

bool isBlockedDuringOperation(const QEvent* event) {
    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::Wheel:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::Shortcut:
        case QEvent::ShortcutOverride:
        case QEvent::ContextMenu:
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
        case QEvent::TabletPress:
        case QEvent::TabletMove:
        case QEvent::TabletRelease:
        case QEvent::DragEnter:
        case QEvent::DragMove:
        case QEvent::Drop:
        case QEvent::InputMethod:
        case QEvent::Timer:
            return true;
        default:
            return false;
    }
}

OperationGuard::OperationGuard(QWidget* window) : window_(window) {
    if (!window || busyWindows().contains(window)) return;
    outermost_ = true;
    busyWindows().insert(window);
    heldWindows_.append(window);
    for (QWidget* other : QApplication::topLevelWidgets())
        if (other != window) heldWindows_.append(other);
    QCoreApplication::instance()->installEventFilter(this);
    previousHook_ = devlink::setWaitHook(this);
    window->setCursor(Qt::WaitCursor);
}

OperationGuard::~OperationGuard() {
    if (!outermost_) return;
    devlink::setWaitHook(previousHook_);
    QCoreApplication::instance()->removeEventFilter(this);
    busyWindows().remove(window_.data());
    if (!window_) return;
    window_->unsetCursor();
    // The close that came during the operation is carried out now, through
    // the window's own close handling.
    if (closeRequested_)
        QTimer::singleShot(0, window_.data(), [window = window_] {
            if (window) window->close();
        });
}

bool OperationGuard::isBusy(const QWidget* window) {
    return busyWindows().contains(window);
}

void OperationGuard::duringWait() {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

// An object of a held window: a widget whose top-level window was open
// when the operation began, or an object (a timer) owned by such a widget.
// Dialogs the operation opens are windows of their own and stay usable.
bool OperationGuard::belongsToHeldWindow(const QObject* object) const {
    for (; object; object = object->parent()) {
        if (!object->isWidgetType()) continue;
        const QWidget* window = static_cast<const QWidget*>(object)->window();
        // Pointers of windows closed and deleted since read as null here, so
        // a new window at the same address is never taken for one of them.
        return std::any_of(
            heldWindows_.begin(), heldWindows_.end(),
            [window](const QPointer<QWidget>& held) { return held.data() == window; });
    }
    return false;
}

bool OperationGuard::eventFilter(QObject* watched, QEvent* event) {
    if (!window_) return false;
    if (event->type() == QEvent::Close && watched == window_.data()) {
        closeRequested_ = true;
        event->ignore();
        return true;
    }
    return isBlockedDuringOperation(event) && belongsToHeldWindow(watched);
}

}  // namespace shell
