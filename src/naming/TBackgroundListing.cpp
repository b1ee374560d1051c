#include "naming/TBackgroundListing.h"

#include "naming/TFindFile.h"
#include "naming/WithTrailingSlash.h"

#include <algorithm>
#include <iterator>
#include <utility>

TBackgroundListing::TBackgroundListing(const QString& folder)
    : thread_([this, folder] { Run(folder); }) {}

TBackgroundListing::~TBackgroundListing() { thread_.join(); }

void TBackgroundListing::Run(const QString& folder) {
    try {
        TFindFile finder;
        finder.InSubFolders = false;
        finder.SetPath(folder);
        // A folder removed in the meantime leaves the finder on its old path: list nothing then.
        if (finder.Path() == WithTrailingSlash(folder)) {
            const qsizetype nameStart = finder.Path().size();
            finder.MultiMask = {QStringLiteral("*.wav"), QStringLiteral("*.mp3"),
                                QStringLiteral("*.aif")};
            // Handed over in small batches: a lock for every file would keep both threads
            // busy passing the lock between them.
            std::vector<TListedFile> batch;
            finder.onFound = [&](const QString& path) {
                batch.push_back({path, nameStart});
                if (batch.size() >= HandOverBatch)
                    HandOver(batch);
            };
            finder.SearchByMasks();
            HandOver(batch);
        }
    } catch (...) {
        std::lock_guard lock(mutex_);
        error_ = std::current_exception();
    }
    std::lock_guard lock(mutex_);
    done_ = true;
    changed_.notify_one();
}

void TBackgroundListing::HandOver(std::vector<TListedFile>& batch) {
    std::lock_guard lock(mutex_);
    std::move(batch.begin(), batch.end(), std::back_inserter(found_));
    batch.clear();
    if (found_.size() >= wanted_)
        changed_.notify_one();
}

std::vector<TListedFile> TBackgroundListing::Take(size_t count) {
    std::unique_lock lock(mutex_);
    wanted_ = count;
    changed_.wait(lock, [&] { return done_ || found_.size() >= count; });
    if (error_ && found_.empty())
        std::rethrow_exception(std::exchange(error_, nullptr));
    std::vector<TListedFile> taken;
    taken.reserve(std::min(count, found_.size()));
    while (taken.size() < count && !found_.empty()) {
        taken.push_back(std::move(found_.front()));
        found_.pop_front();
    }
    return taken;
}
