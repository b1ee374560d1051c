#pragma once

#include "cdimport/IConversionStage.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

// Starts `job` on `stage` and runs the event loop until the stage has handed its end back;
// false on time-out.
inline bool RunStageJob(IConversionStage& stage, std::shared_ptr<TsdxJob> job,
                        const TOutputFormat& format, bool writeTags, int timeoutMs = 60000) {
    bool done = false;
    stage.SetOnDone([&done] { done = true; });
    stage.Start(std::move(job), format, writeTags);
    QElapsedTimer clock;
    clock.start();
    while (!done && clock.elapsed() < timeoutMs) {
        QCoreApplication::processEvents();
        QThread::msleep(1);
    }
    stage.SetOnDone({});
    return done;
}
