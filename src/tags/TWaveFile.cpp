#include "tags/TWaveFile.h"

#include "app/DiskPath.h"
#include "app/EAppError.h"

#include <QtEndian>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
QString SystemReason(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

QString OpenError(const QString& path, const QString& reason) {
    return QStringLiteral("Cannot open file \"%1\". %2").arg(path, reason);
}
} // namespace

TWaveFile::TWaveFile(const QByteArray& path) : shownPath_(DisplayFormOf(path)) {
    fd_ = ::open(path.constData(), O_RDWR | O_CLOEXEC | O_NONBLOCK);
    if (fd_ < 0)
        throw EAppError(OpenError(shownPath_, SystemReason(errno)));
    struct stat info {};
    if (::fstat(fd_, &info) != 0) {
        const int error = errno;
        ::close(fd_);
        throw EAppError(OpenError(shownPath_, SystemReason(error)));
    }
    // A pipe or device would block the walk or be changed in ways no file expects.
    if (!S_ISREG(info.st_mode)) {
        ::close(fd_);
        throw EAppError(OpenError(shownPath_, QStringLiteral("Not a regular file")));
    }
    // Only a lock held elsewhere refuses the file; a file system without locks (some network
    // shares) would otherwise refuse every tag write.
    if (::flock(fd_, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK) {
        ::close(fd_);
        throw EAppError(OpenError(shownPath_, SystemReason(EWOULDBLOCK)));
    }
    length_ = static_cast<quint64>(info.st_size);
}

TWaveFile::~TWaveFile() {
    if (fd_ >= 0)
        ::close(fd_); // also releases the lock
}

QByteArray TWaveFile::Read(quint64 position, qsizetype count) const {
    QByteArray bytes(count, '\0');
    qsizetype done = 0;
    while (done < count) {
        const ssize_t got = ::pread(fd_, bytes.data() + done, count - done,
                                    static_cast<off_t>(position + done));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            ThrowSystemError("read");
        if (got == 0)
            break;
        done += got;
    }
    bytes.truncate(done);
    return bytes;
}

quint32 TWaveFile::ReadUInt32(quint64 position) const {
    const QByteArray bytes = Read(position, 4);
    if (bytes.size() != 4)
        return 0;
    return qFromLittleEndian<quint32>(bytes.constData());
}

void TWaveFile::Write(quint64 position, const QByteArray& bytes) {
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t put = ::pwrite(fd_, bytes.constData() + done, bytes.size() - done,
                                     static_cast<off_t>(position + done));
        if (put < 0 && errno == EINTR)
            continue;
        if (put <= 0)
            ThrowSystemError("write");
        done += put;
    }
    length_ = std::max(length_, position + static_cast<quint64>(bytes.size()));
}

void TWaveFile::WriteUInt32(quint64 position, quint32 value) {
    QByteArray bytes(4, '\0');
    qToLittleEndian(value, bytes.data());
    Write(position, bytes);
}

void TWaveFile::Restore(quint64 position, const QByteArray& bytes, quint64 length) noexcept {
    for (qsizetype done = 0; done < bytes.size();) {
        const ssize_t put = ::pwrite(fd_, bytes.constData() + done, bytes.size() - done,
                                     static_cast<off_t>(position + done));
        if (put < 0 && errno == EINTR)
            continue;
        if (put <= 0)
            break;
        done += put;
    }
    if (::ftruncate(fd_, static_cast<off_t>(length)) == 0)
        length_ = length;
}

void TWaveFile::ThrowSystemError(const char* action) const {
    const int error = errno ? errno : EIO;
    throw EAppError(QStringLiteral("Cannot %1 file \"%2\". %3")
                        .arg(QLatin1String(action), shownPath_, SystemReason(error)));
}
