#include "cdimport/OutputFilePlacement.h"

#include "cdimport/TFreeFileName.h"
#include "naming/RenameNoReplace.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {
QString SystemReason(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

// A rename is only as whole as what reached the disk before it: without this a power cut
// could leave the final name over an empty file.
TResult SyncToDisk(const QString& path) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return TResult::Error(QString("Cannot open \"%1\". %2").arg(path, SystemReason(errno)));
    const bool synced = ::fsync(fd) == 0;
    const int error = errno;
    ::close(fd);
    if (!synced)
        return TResult::Error(QString("Cannot write \"%1\". %2").arg(path, SystemReason(error)));
    return TResult::Ok();
}

QString StemOf(const QString& path) {
    const QFileInfo info(path);
    const QString name = info.fileName();
    const int dot = int(name.lastIndexOf('.'));
    const QString stem = dot > 0 ? name.left(dot) : name;
    return info.path() + '/' + stem;
}
} // namespace

QString SideNameFor(const QString& finalPath) { return TFreeFileName::For(finalPath + ".part"); }

QString IncompleteNameFor(const QString& finalPath) {
    return StemOf(finalPath) + " (incomplete).wav";
}

TResult PutInPlace(const QString& side, const QString& finalPath, bool mayReplace) {
    if (const TResult synced = SyncToDisk(side); !synced)
        return synced;
    if (!mayReplace) {
        const TResult renamed = RenameNoReplace(side, finalPath);
        if (!renamed)
            return TResult::Error(
                QString("\"%1\" could not be put in place. %2").arg(finalPath, renamed.ErrorText()));
        return renamed;
    }
    // rename(2) replaces in one step: readers see the old file or the new one, never neither.
    if (std::rename(QFile::encodeName(side).constData(), QFile::encodeName(finalPath).constData()) != 0)
        return TResult::Error(
            QString("\"%1\" could not be replaced. %2").arg(finalPath, SystemReason(errno)));
    return TResult::Ok();
}

QString KeepUnder(const QString& side, const QString& wanted) {
    if (side.isEmpty() || !QFileInfo::exists(side))
        return {};
    const QString kept = TFreeFileName::MoveTo(side, wanted);
    return kept.isEmpty() ? side : kept;
}
