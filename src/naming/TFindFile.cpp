#include "naming/TFindFile.h"

#include "naming/WithTrailingSlash.h"

#include <QDir>
#include <QDirIterator>

#include <algorithm>

namespace {
// True when `mask` matches the whole `name`: "*" any run of characters, "?" one character,
// letters compared without regard to case. Plain matching keeps large folders quick.
bool MatchesMask(QStringView name, QStringView mask) {
    if (mask == u"*.*") // by long habit "*.*" means every name, with or without a dot
        return true;
    // The usual mask, "*" and an extension, needs no general matching.
    const QStringView tail = mask.mid(1);
    if (mask.startsWith(u'*') && !tail.contains(u'*') && !tail.contains(u'?'))
        return name.endsWith(tail, Qt::CaseInsensitive);
    qsizetype n = 0, m = 0;
    qsizetype starMask = -1, starName = 0;
    while (n < name.size()) {
        if (m < mask.size() && mask[m] == u'*') {
            starMask = m++;
            starName = n;
        } else if (m < mask.size() &&
                   (mask[m] == u'?' || mask[m].toCaseFolded() == name[n].toCaseFolded())) {
            ++m;
            ++n;
        } else if (starMask >= 0) {
            m = starMask + 1;
            n = ++starName;
        } else {
            return false;
        }
    }
    while (m < mask.size() && mask[m] == u'*')
        ++m;
    return m == mask.size();
}

bool MatchesAnyMask(QStringView name, const QStringList& masks) {
    return std::any_of(masks.begin(), masks.end(),
                       [name](const QString& mask) { return MatchesMask(name, mask); });
}

// Only files are found: a folder named "x.wav", or a link to a folder, is no sound and no
// preset, and would make a record that every later step fails on. ffaDirectory therefore adds
// nothing to the listing. ffaSysFile names a file attribute this platform does not have. It is
// not mapped to QDir::System: that would list sockets, pipes and devices, and opening a pipe
// named "x.wav" for tagging would hang the program.
QDir::Filters EntryFilters(TFileAttrKinds attributes) {
    QDir::Filters filters = QDir::Files | QDir::NoDotAndDotDot;
    if (attributes & ffaHidden)
        filters |= QDir::Hidden;
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
    QDirIterator entries(folder, EntryFilters(FileAttr));
    while (entries.hasNext() && !aborted_) {
        entries.next();
        const QString name = entries.fileName();
        if (MatchesAnyMask(name, masks))
            Found(folder + name);
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
