#pragma once

#include <QAbstractItemModel>
#include <QByteArray>
#include <QIcon>
#include <QString>

#include <memory>

// The folders of the file system as a tree, read by their bytes. Qt's own file system model
// leaves out every folder whose name is no valid UTF-8 (common on disks filled by older
// systems), and such a folder must be shown and picked like any other: it shows a display form
// of its name (see DiskPath.h) and gives its bytes for listing. Hidden folders are left out
// unless a chosen path leads through one. A folder is read when it is first expanded; reading
// one again keeps the rows of the folders that are still there.
class TFolderBrowseModel : public QAbstractItemModel {
    Q_OBJECT
public:
    // The bytes of a folder's full path (QByteArray).
    static constexpr int DiskPathRole = Qt::UserRole + 1;

    explicit TFolderBrowseModel(QObject* parent = nullptr);
    ~TFolderBrowseModel() override;

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool hasChildren(const QModelIndex& parent = {}) const override;
    bool canFetchMore(const QModelIndex& parent) const override;
    void fetchMore(const QModelIndex& parent) override;

    // The folder at the absolute path `folder` (bytes), reading the folders on the way;
    // invalid when it is no folder.
    QModelIndex index(const QByteArray& folder);
    // The same for a path the program holds as text (always UTF-8).
    QModelIndex index(const QString& folder);
    // The folder's path as shown, and its bytes (empty for an invalid index).
    QString filePath(const QModelIndex& index) const;
    QByteArray DiskPath(const QModelIndex& index) const;

    // Reads `folder` again if it was read: new subfolders appear, gone ones go.
    void Reread(const QModelIndex& folder);
    // Reads every folder read so far again, the same way.
    void RereadAll();

signals:
    // A folder was read (its path as shown).
    void directoryLoaded(const QString& path);

private:
    struct TNode;
    struct TFolderName;
    TNode* NodeOf(const QModelIndex& index) const;
    QModelIndex IndexOf(const TNode* node) const;
    void Read(TNode* node);
    void Insert(TNode* node, int row, const TFolderName& name);
    void RereadBelow(TNode* node);

    std::unique_ptr<TNode> root_; // invisible; its one child is "/"
    mutable QIcon folderIcon_;
};
