// The operation guard on a plain window: during a long wait of the device
// link, timers of the window and input to it are held off, while timers
// elsewhere and a dialog of the operation go on working.
#include <gtest/gtest.h>

#include <QDialog>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "devlink/delay.h"
#include "shell/operation_guard.h"

TEST(OperationGuard, OnlyTheWindowIsHeldOffDuringAWait) {
    QWidget window;
    auto* button = new QPushButton("lesen", &window);
    window.show();
    QDialog dialog(&window);  // e.g. the operation's progress dialog
    auto* dialogButton = new QPushButton("Abbrechen", &dialog);
    dialog.show();

    int windowTimer = 0, outsideTimer = 0, windowClicks = 0, dialogClicks = 0;
    QTimer inWindow(&window);
    QObject::connect(&inWindow, &QTimer::timeout, [&] { ++windowTimer; });
    inWindow.start(10);
    QTimer outside;
    QObject::connect(&outside, &QTimer::timeout, [&] {
        if (++outsideTimer != 5) return;
        QTest::mouseClick(button, Qt::LeftButton);
        QTest::mouseClick(dialogButton, Qt::LeftButton);
    });
    outside.start(10);
    QObject::connect(button, &QPushButton::clicked, [&] { ++windowClicks; });
    QObject::connect(dialogButton, &QPushButton::clicked, [&] { ++dialogClicks; });
    {
        shell::OperationGuard guard(&window);
        EXPECT_TRUE(shell::OperationGuard::isBusy(&window));
        {
            shell::OperationGuard nested(&window);  // takes no effect of its own
        }
        EXPECT_NE(devlink::waitHook(), nullptr);
        devlink::Delay(300);
    }
    EXPECT_EQ(devlink::waitHook(), nullptr);
    EXPECT_FALSE(shell::OperationGuard::isBusy(&window));
    EXPECT_GE(outsideTimer, 10);
    EXPECT_EQ(windowTimer, 0);
    EXPECT_EQ(windowClicks, 0);
    EXPECT_EQ(dialogClicks, 1);
    QTest::qWait(50);
    EXPECT_GT(windowTimer, 0);  // running again once the operation has ended
}
