// The operation guard on a plain window: during a long wait of the device
// link, timers of the program's open windows and input to them are held
// off, while timers elsewhere and a dialog the operation opens go on working.
#include <gtest/gtest.h>

#include <QDialog>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <memory>

#include "devlink/delay.h"
#include "shell/operation_guard.h"

TEST(OperationGuard, TheProgramsOpenWindowsAreHeldOffDuringAWait) {
    QWidget window;
    auto* button = new QPushButton("lesen", &window);
    window.show();
    QDialog chart(&window);  // another window of the program, open before
    auto* chartButton = new QPushButton("Als PNG speichern", &chart);
    chart.show();

    int windowTimer = 0, outsideTimer = 0, windowClicks = 0, chartClicks = 0, dialogClicks = 0;
    QPushButton* dialogButton = nullptr;
    QTimer inWindow(&window);
    QObject::connect(&inWindow, &QTimer::timeout, [&] { ++windowTimer; });
    inWindow.start(10);
    QTimer outside;
    QObject::connect(&outside, &QTimer::timeout, [&] {
        if (++outsideTimer != 5) return;
        QTest::mouseClick(button, Qt::LeftButton);
        QTest::mouseClick(chartButton, Qt::LeftButton);
        QTest::mouseClick(dialogButton, Qt::LeftButton);
    });
    outside.start(10);
    QObject::connect(button, &QPushButton::clicked, [&] { ++windowClicks; });
    QObject::connect(chartButton, &QPushButton::clicked, [&] { ++chartClicks; });
    {
        shell::OperationGuard guard(&window);
        EXPECT_TRUE(shell::OperationGuard::isBusy(&window));
        {
            shell::OperationGuard nested(&window);  // takes no effect of its own
        }
        // The operation's own dialog, e.g. its progress display.
        auto dialog = std::make_unique<QDialog>(&window);
        dialogButton = new QPushButton("Abbrechen", dialog.get());
        QObject::connect(dialogButton, &QPushButton::clicked, [&] { ++dialogClicks; });
        dialog->show();
        EXPECT_NE(devlink::waitHook(), nullptr);
        devlink::Delay(300);
    }
    EXPECT_EQ(devlink::waitHook(), nullptr);
    EXPECT_FALSE(shell::OperationGuard::isBusy(&window));
    EXPECT_GE(outsideTimer, 10);
    EXPECT_EQ(windowTimer, 0);
    EXPECT_EQ(windowClicks, 0);
    EXPECT_EQ(chartClicks, 0);
    EXPECT_EQ(dialogClicks, 1);
    QTest::qWait(50);
    EXPECT_GT(windowTimer, 0);  // running again once the operation has ended
    QTest::mouseClick(chartButton, Qt::LeftButton);
    EXPECT_EQ(chartClicks, 1);
}
