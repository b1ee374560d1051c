#pragma once

#include <QObject>

#include <functional>

class QThread;

// Runs one procedure once on a new thread, started at creation. When it has returned,
// `onEnd` runs on the creating thread, through its event loop.
class TSimpleThread : public QObject {
    Q_OBJECT
public:
    TSimpleThread(std::function<void()> procedure, std::function<void()> onEnd);
    // Waits for the procedure; `onEnd` does not run any more.
    ~TSimpleThread() override;

private:
    QThread* thread_;
    std::function<void()> onEnd_;
};
