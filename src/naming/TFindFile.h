#pragma once

#include <QFlags>
#include <QString>
#include <QStringList>

#include <functional>

// Which directory entries a search asks for. Plain files (and links to files) are always
// listed; ffaHidden adds hidden ones. Folders are never listed, whatever their names.
enum TFileAttrKind {
    ffaReadOnly = 1,
    ffaHidden = 2,
    ffaSysFile = 4,
    ffaVolumeID = 8,
    ffaDirectory = 16,
    ffaArchive = 32,
    ffaAnyFile = 63,
};
Q_DECLARE_FLAGS(TFileAttrKinds, TFileAttrKind)
Q_DECLARE_OPERATORS_FOR_FLAGS(TFileAttrKinds)

// Lists the files of a folder (and, on request, of its subfolders, depth first) that match
// one mask or any of several masks. Used for folder scans and for the preset lists.
class TFindFile {
public:
    using TFoundEvent = std::function<void(const QString& value)>;

    TFindFile();

    QStringList MultiMask;              // masks of SearchByMasks, e.g. "*.wav"
    TFileAttrKinds FileAttr = ffaAnyFile;
    bool InSubFolders = false;
    QString FileMask = QStringLiteral("*.*"); // mask of SearchByMask
    TFoundEvent onFound;                // called with the full path of every file found

    // The folder searched, always ending in "/"; the current directory at creation.
    const QString& Path() const { return path_; }
    // Taken only when it differs, is not empty and names an existing folder.
    void SetPath(const QString& path);

    // Searches with MultiMask (letter case ignored) and returns the full paths found.
    // Never throws: an error ends the search with LastError "Search error" and what was found.
    const QStringList& SearchByMasks();
    // Searches with FileMask; errors reach the caller.
    const QStringList& SearchByMask();
    // Stops a running search after the entry at hand (for use from onFound).
    void StopSearch() { aborted_ = true; }

    const QString& LastError() const { return lastError_; }

private:
    void SearchFolder(const QString& folder, const QStringList& masks);
    void Found(const QString& path);

    QString path_;
    QStringList result_;
    bool aborted_ = false;
    QString lastError_;
};
