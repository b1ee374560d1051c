#include "app/TFolderTreeFollower.h"

#include "ui/TFolderBrowseModel.h"

#include <QDir>
#include <QFileInfo>
#include <QTimer>
#include <QTreeView>

namespace {
constexpr qint64 FollowAtMostMs = 3000; // what the tree does later is the user's business
} // namespace

TFolderTreeFollower::TFolderTreeFollower(QTreeView* tree, TFolderBrowseModel* model, QObject* parent)
    : QObject(parent), tree_(tree), model_(model) {
    connect(model_, &TFolderBrowseModel::directoryLoaded, this, &TFolderTreeFollower::Loaded);
    connect(model_, &TFolderBrowseModel::layoutChanged, this, &TFolderTreeFollower::Sorted);
}

void TFolderTreeFollower::Follow(const QString& folder) {
    folder_ = QDir::cleanPath(folder);
    since_.start();
    siblingsLoaded_ = false;
}

void TFolderTreeFollower::ShowCurrentOnceLaidOut() {
    QTimer::singleShot(0, tree_, [this] { tree_->scrollTo(tree_->currentIndex()); });
}

bool TFolderTreeFollower::Following() {
    if (!folder_.isEmpty() && since_.elapsed() > FollowAtMostMs)
        folder_.clear();
    return !folder_.isEmpty();
}

void TFolderTreeFollower::Loaded(const QString& loadedFolder) {
    if (!Following())
        return;
    const QString loaded = QDir::cleanPath(loadedFolder);
    const QString parent = QFileInfo(folder_).path();
    const QString loadedWithSlash = loaded.endsWith(u'/') ? loaded : loaded + u'/';
    if (loaded != parent && !folder_.startsWith(loadedWithSlash))
        return;
    siblingsLoaded_ = siblingsLoaded_ || loaded == parent;
    ScrollSoon();
}

void TFolderTreeFollower::Sorted() {
    if (!Following())
        return;
    ScrollSoon();
    if (siblingsLoaded_)
        folder_.clear(); // read and in order: the folder stays where it is now
}

void TFolderTreeFollower::ScrollSoon() {
    // After the model has sorted the rows it has just added.
    QTimer::singleShot(0, tree_, [this, folder = folder_] { tree_->scrollTo(model_->index(folder)); });
}
