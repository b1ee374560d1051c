#include "naming/RenameNoReplace.h"

#include "app/DiskPath.h"
#include "naming/PathBytes.h"

#include <QFile>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
TResult SystemResult(int error) {
    return error ? TResult::Error(QString::fromLocal8Bit(std::strerror(error))) : TResult::Ok();
}

// link() refuses an existing name as well; the old name goes only once the new one stands.
int LinkThenUnlink(const QByteArray& from, const QByteArray& to) {
    if (::link(from.constData(), to.constData()) != 0)
        return errno;
    if (::unlink(from.constData()) != 0) {
        const int error = errno;
        ::unlink(to.constData()); // leave the file with the one name it had
        return error;
    }
    return 0;
}

// 0 or the errno of the failure; never replaces `to`.
int MoveWithoutReplacing(const QByteArray& from, const QByteArray& to) {
#ifdef RENAME_NOREPLACE
    if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) == 0)
        return 0;
    // Only a file system that does not know the flag may take the other way.
    if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP)
        return errno;
#endif
    return LinkThenUnlink(from, to);
}

bool SameFile(const QByteArray& a, const QByteArray& b) {
    struct stat first {};
    struct stat second {};
    return ::lstat(a.constData(), &first) == 0 && ::lstat(b.constData(), &second) == 0 &&
           first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

QByteArray TemporaryNameBeside(const QByteArray& path) {
    static std::atomic<int> counter{0};
    const QByteArray name = QByteArrayLiteral(".trackmoth-rename-") + QByteArray::number(::getpid()) +
                            '-' + QByteArray::number(counter.fetch_add(1));
    return FolderOfPath(path) + name;
}

// A case-insensitive file system sees `to` as the existing `from`: step aside first, so that
// neither step can replace anything.
int MoveThroughTemporary(const QByteArray& from, const QByteArray& to) {
    const QByteArray temporary = TemporaryNameBeside(from);
    if (const int error = MoveWithoutReplacing(from, temporary))
        return error;
    if (const int error = MoveWithoutReplacing(temporary, to)) {
        MoveWithoutReplacing(temporary, from);
        return error;
    }
    return 0;
}
} // namespace

TResult RenameNoReplace(const QString& from, const QString& to) {
    return RenameNoReplace(QFile::encodeName(from), QFile::encodeName(to));
}

TResult RenameNoReplace(const QByteArray& from, const QByteArray& to) {
    if (from == to)
        return TResult::Ok();
    int error = MoveWithoutReplacing(from, to);
    // Another name of the very same file: only a change of letter case may go on from here.
    if (error == EEXIST &&
        DisplayFormOf(from).compare(DisplayFormOf(to), Qt::CaseInsensitive) == 0 && SameFile(from, to))
        error = MoveThroughTemporary(from, to);
    return SystemResult(error);
}

TResult RenameByLink(const QString& from, const QString& to) {
    return SystemResult(LinkThenUnlink(QFile::encodeName(from), QFile::encodeName(to)));
}
