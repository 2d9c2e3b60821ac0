// Keeps a window answering while one of its operations waits for a unit or
// a modem, without letting anything else start in it. For as long as the
// guard lives:
// - every wait of the device link hands control to the event loop now and
//   then (devlink::setWaitHook), so the window repaints and the desktop
//   sees it alive;
// - user input (mouse, keys, wheel, shortcuts, context menu) and timer
//   events aimed at the window, at every other window of the program that
//   was open when the operation began (a chart, a history list) and at
//   their children are dropped, so no button, field or window timer acts
//   in the middle of the operation, and none opens a dialog with an event
//   loop of its own inside a wait; windows the operation opens itself, such
//   as its progress dialog or a message box, work normally;
// - a request to close the window waits until the operation has ended;
// - the window shows a wait cursor.
// Guards nest: only the outermost one for a window takes effect.
#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QWidget>

#include "devlink/wait_hook.h"

namespace shell {

class OperationGuard : public QObject, private devlink::WaitHook {
    Q_OBJECT
  public:
    explicit OperationGuard(QWidget* window);
    ~OperationGuard() override;
    OperationGuard(const OperationGuard&) = delete;
    OperationGuard& operator=(const OperationGuard&) = delete;

    // True while an operation of this window runs.
    static bool isBusy(const QWidget* window);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void duringWait() override;
    bool belongsToHeldWindow(const QObject* object) const;

    QPointer<QWidget> window_;
    // The program's windows when the operation began, the guarded one too.
    QList<QPointer<QWidget>> heldWindows_;
    bool outermost_ = false;
    bool closeRequested_ = false;
    devlink::WaitHook* previousHook_ = nullptr;
};

// Whether an event is input from the user (or a timer tick) that an
// operation in progress keeps from its window.
bool isBlockedDuringOperation(const QEvent* event);

}  // namespace shell
