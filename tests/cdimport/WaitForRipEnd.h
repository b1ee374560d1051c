#pragma once

#include "cdimport/TCDcontrol.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

// Runs the event loop until the rip has handed its end back; false on time-out.
inline bool WaitForRipEnd(const TCDcontrol& cd, int timeoutMs = 60000) {
    QElapsedTimer clock;
    clock.start();
    while (cd.Ripping() && clock.elapsed() < timeoutMs) {
        QCoreApplication::processEvents();
        QThread::msleep(1);
    }
    return !cd.Ripping();
}
