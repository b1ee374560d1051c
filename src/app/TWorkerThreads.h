#pragma once

#include <atomic>
#include <functional>
#include <memory>
#include <thread>
#include <vector>

// Threads for work nobody waits for (a folder read, a report to a server, releasing a long
// list). Each runs one procedure; the ones that have ended are joined when the next one starts,
// the others when this object goes. An owner whose procedures post back to it declares this
// member last, so that they have ended before the rest of the owner goes.
class TWorkerThreads {
public:
    TWorkerThreads() = default;
    ~TWorkerThreads();
    TWorkerThreads(const TWorkerThreads&) = delete;
    TWorkerThreads& operator=(const TWorkerThreads&) = delete;

    void Run(std::function<void()> work);

private:
    struct TWorker {
        std::shared_ptr<std::atomic<bool>> ended;
        std::thread thread;
    };
    void JoinEnded();

    std::vector<TWorker> workers_;
};
