#include "ui/TFolderBrowseModel.h"

#include "app/DiskPath.h"
#include "naming/LoadFolder.h"

#include <QCollator>
#include <QFile>
#include <QFileIconProvider>
#include <QSet>

#include <algorithm>
#include <cstring>
#include <vector>

#include <dirent.h>

struct TFolderBrowseModel::TNode {
    QByteArray path; // "/" for the top folder, otherwise without a trailing "/"
    QByteArray name; // the last part of the path
    QString shown;   // its display form
    TNode* parent = nullptr;
    int row = 0;
    bool read = false;
    std::vector<std::unique_ptr<TNode>> children; // in the order of their shown names
};

struct TFolderBrowseModel::TFolderName {
    QByteArray name;
    QString shown;
};

namespace {
QByteArray Join(const QByteArray& folder, const QByteArray& name) {
    return folder.endsWith('/') ? folder + name : folder + '/' + name;
}

// The order the user reads: numbers by their value, letter case ignored; the bytes decide
// between two names that look the same (one in UTF-8, one in Latin-1).
bool Before(const QString& a, const QByteArray& aBytes, const QString& b,
            const QByteArray& bBytes) {
    static const QCollator collator = [] {
        QCollator c;
        c.setNumericMode(true);
        c.setCaseSensitivity(Qt::CaseInsensitive);
        return c;
    }();
    const int order = collator.compare(a, b);
    return order != 0 ? order < 0 : aBytes < bBytes;
}

struct TListedFolder {
    QByteArray name;
    QString shown;
};

// The subfolders of `folder` (links to folders too), in their order. Hidden ones only when
// `keep` says so (a chosen path led through them). An unreadable folder has none.
template <typename Keep>
std::vector<TListedFolder> ListFolders(const QByteArray& folder, const Keep& keep) {
    std::vector<TListedFolder> found;
    DIR* dir = ::opendir(folder.constData());
    if (!dir)
        return found;
    while (const dirent* entry = ::readdir(dir)) {
        const QByteArray name(entry->d_name);
        if (name == "." || name == "..")
            continue;
        if (name.startsWith('.') && !keep(name))
            continue;
        const bool folderEntry =
            entry->d_type == DT_DIR || ((entry->d_type == DT_LNK || entry->d_type == DT_UNKNOWN) &&
                                        IsFolderOnDisk(Join(folder, name)));
        if (folderEntry)
            found.push_back({name, DisplayFormOf(name)});
    }
    ::closedir(dir);
    std::sort(found.begin(), found.end(), [](const TListedFolder& a, const TListedFolder& b) {
        return Before(a.shown, a.name, b.shown, b.name);
    });
    return found;
}
} // namespace

TFolderBrowseModel::TFolderBrowseModel(QObject* parent)
    : QAbstractItemModel(parent), root_(std::make_unique<TNode>()) {
    root_->read = true;
    auto top = std::make_unique<TNode>();
    top->path = top->name = "/";
    top->shown = QStringLiteral("/");
    top->parent = root_.get();
    root_->children.push_back(std::move(top));
}

TFolderBrowseModel::~TFolderBrowseModel() = default;

TFolderBrowseModel::TNode* TFolderBrowseModel::NodeOf(const QModelIndex& index) const {
    return index.isValid() ? static_cast<TNode*>(index.internalPointer()) : root_.get();
}

QModelIndex TFolderBrowseModel::IndexOf(const TNode* node) const {
    return node == root_.get() ? QModelIndex()
                               : createIndex(node->row, 0, const_cast<TNode*>(node));
}

QModelIndex TFolderBrowseModel::index(int row, int column, const QModelIndex& parent) const {
    const TNode* node = NodeOf(parent);
    if (column != 0 || row < 0 || size_t(row) >= node->children.size())
        return {};
    return createIndex(row, 0, node->children[size_t(row)].get());
}

QModelIndex TFolderBrowseModel::parent(const QModelIndex& child) const {
    if (!child.isValid())
        return {};
    return IndexOf(NodeOf(child)->parent);
}

int TFolderBrowseModel::rowCount(const QModelIndex& parent) const {
    if (parent.column() > 0)
        return 0;
    return int(NodeOf(parent)->children.size());
}

int TFolderBrowseModel::columnCount(const QModelIndex&) const {
    return 1;
}

QVariant TFolderBrowseModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    const TNode* node = NodeOf(index);
    switch (role) {
    case Qt::DisplayRole:
        return node->shown;
    case Qt::ToolTipRole:
        return DisplayFormOf(node->path);
    case Qt::DecorationRole:
        if (folderIcon_.isNull())
            folderIcon_ = QFileIconProvider().icon(QFileIconProvider::Folder);
        return folderIcon_;
    case DiskPathRole:
        return node->path;
    default:
        return {};
    }
}

bool TFolderBrowseModel::hasChildren(const QModelIndex& parent) const {
    const TNode* node = NodeOf(parent);
    return !node->read || !node->children.empty();
}

bool TFolderBrowseModel::canFetchMore(const QModelIndex& parent) const {
    return !NodeOf(parent)->read;
}

void TFolderBrowseModel::fetchMore(const QModelIndex& parent) {
    TNode* node = NodeOf(parent);
    if (!node->read)
        Read(node);
}

void TFolderBrowseModel::Insert(TNode* node, int row, const TFolderName& name) {
    beginInsertRows(IndexOf(node), row, row);
    auto child = std::make_unique<TNode>();
    child->path = Join(node->path, name.name);
    child->name = name.name;
    child->shown = name.shown;
    child->parent = node;
    node->children.insert(node->children.begin() + row, std::move(child));
    for (size_t i = size_t(row); i < node->children.size(); ++i)
        node->children[i]->row = int(i);
    endInsertRows();
}

// Reads the subfolders of `node` and merges them into its rows: the rows of folders still
// there stay (and with them what the view has expanded and selected), gone ones are removed,
// new ones inserted at their place. Both lists are in the same order.
void TFolderBrowseModel::Read(TNode* node) {
    auto& children = node->children;
    QSet<QByteArray> before;
    for (const auto& child : children)
        before.insert(child->name);
    const std::vector<TListedFolder> listed =
        ListFolders(node->path, [&](const QByteArray& name) { return before.contains(name); });
    node->read = true;
    const QModelIndex parent = IndexOf(node);
    if (children.empty()) {
        // The first reading: all rows at once, which a folder of thousands notices.
        if (!listed.empty()) {
            beginInsertRows(parent, 0, int(listed.size()) - 1);
            for (const TListedFolder& folder : listed) {
                auto child = std::make_unique<TNode>();
                child->path = Join(node->path, folder.name);
                child->name = folder.name;
                child->shown = folder.shown;
                child->parent = node;
                child->row = int(children.size());
                children.push_back(std::move(child));
            }
            endInsertRows();
        }
    } else {
        QSet<QByteArray> now;
        for (const TListedFolder& folder : listed)
            now.insert(folder.name);
        for (int row = int(children.size()) - 1; row >= 0; --row) {
            if (now.contains(children[size_t(row)]->name))
                continue;
            beginRemoveRows(parent, row, row);
            children.erase(children.begin() + row);
            for (size_t i = size_t(row); i < children.size(); ++i)
                children[i]->row = int(i);
            endRemoveRows();
        }
        size_t row = 0;
        for (const TListedFolder& folder : listed) {
            if (!(row < children.size() && children[row]->name == folder.name))
                Insert(node, int(row), {folder.name, folder.shown});
            ++row;
        }
    }
    emit directoryLoaded(DisplayFormOf(node->path));
}

QModelIndex TFolderBrowseModel::index(const QByteArray& folder) {
    if (!folder.startsWith('/') || !IsFolderOnDisk(folder))
        return {};
    TNode* node = root_->children.front().get();
    for (const QByteArray& part : folder.split('/')) {
        if (part.isEmpty() || part == ".")
            continue;
        if (part == "..") {
            if (node->parent != root_.get())
                node = node->parent;
            continue;
        }
        if (!node->read)
            Read(node);
        auto& children = node->children;
        auto found = std::find_if(children.begin(), children.end(),
                                  [&](const auto& child) { return child->name == part; });
        if (found == children.end()) {
            // A hidden folder, or one made since its parent was read.
            if (!IsFolderOnDisk(Join(node->path, part)))
                return {};
            const QString shown = DisplayFormOf(part);
            found = std::find_if(children.begin(), children.end(), [&](const auto& child) {
                return Before(shown, part, child->shown, child->name);
            });
            const int row = int(found - children.begin());
            Insert(node, row, {part, shown});
            found = children.begin() + row;
        }
        node = found->get();
    }
    return IndexOf(node);
}

QModelIndex TFolderBrowseModel::index(const QString& folder) {
    return index(QFile::encodeName(folder));
}

QString TFolderBrowseModel::filePath(const QModelIndex& index) const {
    return index.isValid() ? DisplayFormOf(NodeOf(index)->path) : QString();
}

QByteArray TFolderBrowseModel::DiskPath(const QModelIndex& index) const {
    return index.isValid() ? NodeOf(index)->path : QByteArray();
}

void TFolderBrowseModel::Reread(const QModelIndex& folder) {
    TNode* node = NodeOf(folder);
    if (node != root_.get() && node->read)
        Read(node);
}

void TFolderBrowseModel::RereadAll() {
    RereadBelow(root_->children.front().get());
}

void TFolderBrowseModel::RereadBelow(TNode* node) {
    if (!node->read)
        return;
    Read(node);
    for (size_t i = 0; i < node->children.size(); ++i)
        RereadBelow(node->children[i].get());
}
