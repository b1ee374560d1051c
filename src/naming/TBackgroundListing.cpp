#include "naming/TBackgroundListing.h"

#include "app/DiskPath.h"
#include "app/EAppError.h"

#include <QString>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <iterator>
#include <memory>
#include <utility>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

namespace {
bool EndsWithIgnoringCase(const char* name, size_t length, const char* tail) {
    const size_t tailLength = std::strlen(tail);
    if (length < tailLength)
        return false;
    for (size_t i = 0; i < tailLength; ++i) {
        const char c = name[length - tailLength + i];
        const char lower = (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
        if (lower != tail[i])
            return false;
    }
    return true;
}

// The extensions are plain ASCII, so the bytes decide whatever the rest of the name holds.
bool IsSoundFileName(const char* name, size_t length) {
    return EndsWithIgnoringCase(name, length, ".wav") ||
           EndsWithIgnoringCase(name, length, ".mp3") || EndsWithIgnoringCase(name, length, ".aif");
}

// Only regular files, or links to them: a folder named "x.wav" is no sound, and opening a pipe
// or a device named like one for tagging would hang the program or harm the device.
bool IsRegularFile(int folder, const dirent& entry) {
    if (entry.d_type == DT_REG)
        return true;
    if (entry.d_type != DT_LNK && entry.d_type != DT_UNKNOWN)
        return false;
    struct stat status {};
    return ::fstatat(folder, entry.d_name, &status, 0) == 0 && S_ISREG(status.st_mode);
}

[[noreturn]] void ThrowReadError(const QByteArray& folder, int error) {
    const QString text =
        QStringLiteral("Cannot read the folder %1: %2")
            .arg(DisplayFormOf(folder), QString::fromLocal8Bit(std::strerror(error)));
    throw EAppError(text);
}

struct TCloseDir {
    void operator()(DIR* dir) const { ::closedir(dir); }
};
} // namespace

TBackgroundListing::TBackgroundListing(const QByteArray& folder)
    : thread_([this, folder] { Run(folder); }) {}

TBackgroundListing::~TBackgroundListing() {
    thread_.join();
}

void TBackgroundListing::Run(const QByteArray& folder) {
    try {
        const QByteArray withSlash = folder.endsWith('/') ? folder : folder + '/';
        std::unique_ptr<DIR, TCloseDir> dir(::opendir(folder.constData()));
        if (!dir) {
            // A folder removed or replaced in the meantime simply lists nothing.
            if (errno != ENOENT && errno != ENOTDIR)
                ThrowReadError(folder, errno);
        } else {
            const int fd = ::dirfd(dir.get());
            // Handed over in small batches: a lock for every file would keep both threads
            // busy passing the lock between them.
            std::vector<TListedFile> batch;
            for (;;) {
                errno = 0;
                const dirent* entry = ::readdir(dir.get());
                if (!entry) {
                    if (errno != 0) {
                        const int error = errno;
                        HandOver(batch); // what was read before still reaches the list
                        ThrowReadError(folder, error);
                    }
                    break;
                }
                const size_t length = std::strlen(entry->d_name);
                if (entry->d_name[0] == '.' || !IsSoundFileName(entry->d_name, length) ||
                    !IsRegularFile(fd, *entry))
                    continue;
                batch.push_back(
                    {withSlash + QByteArray(entry->d_name, qsizetype(length)), withSlash.size()});
                if (batch.size() >= HandOverBatch)
                    HandOver(batch);
            }
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
