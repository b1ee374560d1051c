#include "app/TProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace {
// Permission bits do not tell the whole truth (read-only mounts, ACLs): try to write.
bool CanWriteInto(const QString& folder) {
    if (!QFileInfo(folder).isDir())
        return false;
    QTemporaryFile probe(folder + "/.trackmoth-write-probe-XXXXXX");
    return probe.open();
}
} // namespace

QString TProgramFolder::Choose(const QString& executableFolder, const QString& fallbackFolder) {
    return CanWriteInto(executableFolder) ? executableFolder : fallbackFolder;
}

QString TProgramFolder::Resolve() {
    const QString fallback = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    const QString folder = Choose(QCoreApplication::applicationDirPath(), fallback);
    QDir().mkpath(folder);
    return folder;
}
