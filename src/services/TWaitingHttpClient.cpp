#include "services/TWaitingHttpClient.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QThread>

#include <atomic>
#include <thread>

namespace {
std::atomic<bool> requestRunning{false};

// Clears the running flag however the wait ends.
struct TRunningFlag {
    TRunningFlag() { requestRunning = true; }
    ~TRunningFlag() { requestRunning = false; }
};
} // namespace

TWaitingHttpClient::TWaitingHttpClient(std::shared_ptr<IHttpClient> inner)
    : inner_(std::move(inner)) {}

bool TWaitingHttpClient::RequestRunning() { return requestRunning; }

THttpReply TWaitingHttpClient::Send(const THttpRequest& request) {
    if (requestRunning) {
        THttpReply refused;
        refused.Outcome = TResult::Error("Another request to a server is still running");
        return refused;
    }
    TRunningFlag running;
    QCoreApplication* application = QCoreApplication::instance();
    if (!application || QThread::currentThread() != application->thread())
        return inner_->Send(request); // no event loop to keep alive here

    THttpReply reply;
    QEventLoop loop;
    // The inner client lives as long as the worker, even if this client goes first.
    std::shared_ptr<IHttpClient> inner = inner_;
    std::thread worker([&reply, &loop, inner, request] {
        reply = inner->Send(request);
        QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
    });
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    worker.join();
    return reply;
}
