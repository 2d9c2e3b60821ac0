// Waits for what a test needs to have happened (a timer's read done, a
// window closed, a file written), handling the GUI thread's events in the
// meantime. The limit only keeps a broken test from hanging: no test counts
// on a fixed time being enough.
#pragma once

#include <QDeadlineTimer>
#include <QTest>
#include <functional>

namespace testsupport {

inline bool waitUntil(const std::function<bool()>& happened, int limitMs = 20000) {
    const QDeadlineTimer deadline(limitMs);
    while (!happened()) {
        if (deadline.hasExpired()) return false;
        QTest::qWait(5);
    }
    return true;
}

}  // namespace testsupport
