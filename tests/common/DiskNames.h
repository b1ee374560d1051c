#pragma once

#include "common/TTestDir.h"

#include <QByteArray>
#include <QFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

// Names whose bytes are no valid UTF-8 cannot pass through QString: these make them by their
// bytes inside a test folder and return the full path's bytes.
inline QByteArray DiskPathIn(const TTestDir& dir, const QByteArray& name) {
    return QFile::encodeName(dir.Path()) + '/' + name;
}

// An empty file (or, with `folder`, a folder) named `name` by its bytes; empty on failure.
inline QByteArray MakeOnDisk(const TTestDir& dir, const QByteArray& name, bool folder = false) {
    const QByteArray path = DiskPathIn(dir, name);
    if (folder)
        return ::mkdir(path.constData(), 0700) == 0 ? path : QByteArray();
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_EXCL, 0600);
    if (fd < 0)
        return QByteArray();
    ::close(fd);
    return path;
}
