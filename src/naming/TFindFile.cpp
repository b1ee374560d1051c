#include "naming/TFindFile.h"

#include <QDir>
#include <QDirIterator>

namespace {
QString WithTrailingSlash(const QString& folder) {
    return folder.endsWith(u'/') ? folder : folder + u'/';
}

QDir::Filters EntryFilters(TFileAttrKinds attributes) {
    QDir::Filters filters = QDir::Files | QDir::NoDotAndDotDot;
    if (attributes & ffaHidden)
        filters |= QDir::Hidden;
    if (attributes & ffaSysFile)
        filters |= QDir::System;
    if (attributes & ffaDirectory)
        filters |= QDir::Dirs;
    return filters;
}
} // namespace

TFindFile::TFindFile() : path_(WithTrailingSlash(QDir::currentPath())) {}

void TFindFile::SetPath(const QString& path) {
    if (path.isEmpty())
        return;
    const QString withSlash = WithTrailingSlash(path);
    if (withSlash == path_ || !QFileInfo(path).isDir())
        return;
    path_ = withSlash;
}

const QStringList& TFindFile::SearchByMasks() {
    result_.clear();
    aborted_ = false;
    try {
        SearchFolder(path_, MultiMask);
    } catch (...) {
        lastError_ = QStringLiteral("Search error");
    }
    return result_;
}

const QStringList& TFindFile::SearchByMask() {
    result_.clear();
    aborted_ = false;
    SearchFolder(path_, QStringList{FileMask});
    return result_;
}

void TFindFile::SearchFolder(const QString& folder, const QStringList& masks) {
    // Name filters match the whole name with "*" and "?", letter case ignored.
    QDirIterator entries(folder, masks, EntryFilters(FileAttr));
    while (entries.hasNext() && !aborted_) {
        entries.next();
        Found(folder + entries.fileName());
    }
    if (!InSubFolders)
        return;
    // Linked folders are not followed: a link to a folder above would never end the search.
    QDir::Filters folders = QDir::Dirs | QDir::NoDotAndDotDot | QDir::NoSymLinks;
    if (FileAttr & ffaHidden)
        folders |= QDir::Hidden;
    QDirIterator subfolders(folder, folders);
    while (subfolders.hasNext() && !aborted_) {
        subfolders.next();
        SearchFolder(folder + subfolders.fileName() + u'/', masks);
    }
}

void TFindFile::Found(const QString& path) {
    result_.append(path);
    if (onFound)
        onFound(path);
}
