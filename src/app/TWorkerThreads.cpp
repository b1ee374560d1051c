#include "app/TWorkerThreads.h"

TWorkerThreads::~TWorkerThreads() {
    for (TWorker& worker : workers_)
        worker.thread.join();
}

void TWorkerThreads::JoinEnded() {
    std::erase_if(workers_, [](TWorker& worker) {
        if (!*worker.ended)
            return false;
        worker.thread.join(); // has returned already: does not wait
        return true;
    });
}

void TWorkerThreads::Run(std::function<void()> work) {
    JoinEnded();
    auto ended = std::make_shared<std::atomic<bool>>(false);
    std::thread thread([ended, work = std::move(work)] {
        work();
        *ended = true;
    });
    workers_.push_back({std::move(ended), std::move(thread)});
}
