#pragma once

#include <QByteArray>
#include <QString>

// A file opened for an in-place tag write: read and write, no buffering, and an exclusive
// advisory lock for as long as it is open, so a file that another opener (the preview player)
// holds is refused instead of being changed under it. The path is the name's bytes on disk
// (DiskPath.h), so names that are no valid UTF-8 open too. Errors throw EAppError with the text
// the user sees, which shows the name in its display form.
class TWaveFile {
public:
    explicit TWaveFile(const QByteArray& path);
    ~TWaveFile();
    TWaveFile(const TWaveFile&) = delete;
    TWaveFile& operator=(const TWaveFile&) = delete;

    quint64 Length() const { return length_; }
    // The name as the user sees it in messages.
    const QString& ShownPath() const { return shownPath_; }
    // Exactly `count` bytes at `position`, or fewer when the file ends before.
    QByteArray Read(quint64 position, qsizetype count) const;
    quint32 ReadUInt32(quint64 position) const;
    // Writes `bytes` at `position`; writing past the end fills the gap with zero bytes.
    void Write(quint64 position, const QByteArray& bytes);
    void WriteUInt32(quint64 position, quint32 value);
    // Puts `bytes` back at `position` and cuts the file back to `length`: the undo of a failed
    // append, so it does not throw (there is nothing left to tell a failure to).
    void Restore(quint64 position, const QByteArray& bytes, quint64 length) noexcept;

private:
    [[noreturn]] void ThrowSystemError(const char* action) const;

    QString shownPath_;
    int fd_ = -1;
    quint64 length_ = 0;
};
