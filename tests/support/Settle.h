#pragma once

#include "core/BackgroundWork.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTest>

// Lets the work the program sent off the GUI thread (file checks, pictures, the help document) finish
// and hand its results over on the GUI thread, as the event loop of the running program would; false
// when some of it was still running after timeoutMs.
inline bool settleBackgroundWork(int timeoutMs = 20000)
{
    QElapsedTimer waited;
    waited.start();
    int quietRounds = 0;
    while (waited.elapsed() < timeoutMs) {
        QCoreApplication::processEvents();
        // Quiet twice in a row: a result that started more work has had its turn too.
        quietRounds = BackgroundWork::unfinished() == 0 ? quietRounds + 1 : 0;
        if (quietRounds >= 3)
            return true;
        QTest::qWait(2);
    }
    return false;
}
