#include "app/TProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace {
const char* const settingsFileName = "LastSettings.xml";
const char* const adoptedFiles[] = {settingsFileName, "MusHistory.txt", "SFXHistory.txt"};
const char* const presetsFolder = "presets";

// Permission bits do not tell the whole truth (read-only mounts, ACLs): try to write.
bool CanWriteInto(const QString& folder) {
    if (!QFileInfo(folder).isDir())
        return false;
    QTemporaryFile probe(folder + "/.trackmoth-write-probe-XXXXXX");
    return probe.open();
}

bool SameFolder(const QString& a, const QString& b) {
    return QDir::cleanPath(QDir(a).absolutePath()) == QDir::cleanPath(QDir(b).absolutePath());
}

// QFile::copy never replaces an existing file.
void CopyIfMissing(const QString& from, const QString& to) {
    if (!QFileInfo(from).isFile())
        return;
    QDir().mkpath(QFileInfo(to).path());
    QFile::copy(from, to);
}
} // namespace

QString TProgramFolder::Choose(const QString& executableFolder, const QString& fallbackFolder) {
    if (!SharedDataFolder(executableFolder).isEmpty())
        return fallbackFolder;
    return CanWriteInto(executableFolder) ? executableFolder : fallbackFolder;
}

QString TProgramFolder::SharedDataFolder(const QString& executableFolder) {
    const QString folder = QDir::cleanPath(executableFolder + "/../share/trackmoth");
    return QFileInfo(folder).isDir() ? folder : QString();
}

QString TProgramFolder::ShippedFile(const QString& executableFolder, const QString& name) {
    const QString beside = QDir(executableFolder).filePath(name);
    if (QFileInfo::exists(beside))
        return beside;
    const QString shared = SharedDataFolder(executableFolder);
    if (!shared.isEmpty() && QFileInfo::exists(QDir(shared).filePath(name)))
        return QDir(shared).filePath(name);
    return beside;
}

QStringList TProgramFolder::DiscFolders(const QString& programFolder,
                                        const QString& executableFolder) {
    QStringList folders{QDir(programFolder).filePath("discs")};
    if (!SameFolder(programFolder, executableFolder))
        folders.append(QDir(executableFolder).filePath("discs"));
    if (const QString shared = SharedDataFolder(executableFolder); !shared.isEmpty())
        folders.append(QDir(shared).filePath("discs"));
    return folders;
}

void TProgramFolder::AdoptInstallFiles(const QString& installFolder, const QString& programFolder) {
    if (SameFolder(installFolder, programFolder) ||
        QFileInfo::exists(programFolder + "/" + settingsFileName))
        return;
    for (const char* name : adoptedFiles)
        CopyIfMissing(installFolder + "/" + name, programFolder + "/" + name);
    const QDir install(installFolder);
    QDirIterator presets(installFolder + "/" + presetsFolder, QDir::Files,
                         QDirIterator::Subdirectories);
    while (presets.hasNext()) {
        const QString file = presets.next();
        CopyIfMissing(file, programFolder + "/" + install.relativeFilePath(file));
    }
}

QString TProgramFolder::Resolve() {
    const QString executableFolder = QCoreApplication::applicationDirPath();
    const QString fallback = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    const QString folder = Choose(executableFolder, fallback);
    QDir().mkpath(folder);
    AdoptInstallFiles(executableFolder, folder);
    return folder;
}
