#include "naming/PathBytes.h"

#include "app/DiskPath.h"

#include <sys/stat.h>

QByteArray FolderOfPath(const QByteArray& path) { return path.left(path.lastIndexOf('/') + 1); }

QString ShownNameOf(const QByteArray& path) {
    return DisplayFormOf(path.mid(path.lastIndexOf('/') + 1));
}

bool ExistsOnDisk(const QByteArray& path) {
    struct stat status {};
    return ::lstat(path.constData(), &status) == 0;
}
