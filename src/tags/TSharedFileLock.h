#pragma once

#include <QString>

// A shared advisory lock on a file, held by a reader (the preview player) for as long as it
// has the file open. Tag writes take an exclusive lock, so while this lives they refuse the
// file with an open error instead of changing it under the reader. Failing to lock (a missing
// file, or a tag write in progress) leaves the object without a lock; reading goes on.
class TSharedFileLock {
public:
    explicit TSharedFileLock(const QString& path);
    ~TSharedFileLock();
    TSharedFileLock(const TSharedFileLock&) = delete;
    TSharedFileLock& operator=(const TSharedFileLock&) = delete;

    bool IsLocked() const { return fd_ >= 0; }

private:
    int fd_ = -1;
};
