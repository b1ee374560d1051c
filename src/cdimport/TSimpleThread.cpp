#include "cdimport/TSimpleThread.h"

#include <QThread>

TSimpleThread::TSimpleThread(std::function<void()> procedure, std::function<void()> onEnd)
    : thread_(QThread::create(std::move(procedure))), onEnd_(std::move(onEnd)) {
    // `this` lives on the creating thread, so the end is queued to it.
    connect(thread_, &QThread::finished, this, [this] { onEnd_(); }, Qt::QueuedConnection);
    thread_->start();
}

TSimpleThread::~TSimpleThread() {
    thread_->wait();
    delete thread_;
}
