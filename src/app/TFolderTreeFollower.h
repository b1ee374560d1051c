#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QString>

class TFolderBrowseModel;
class QTreeView;

// Keeps a folder that the program chose in view of the folder tree. The tree reads the folders
// on the way when the folder is chosen, but lays out its rows only later (and not at all while
// it is hidden), and each folder read moves the chosen one; the follower scrolls to it after
// each, once the rows are laid out, for a few seconds or until the user picked a folder.
class TFolderTreeFollower : public QObject {
    Q_OBJECT
public:
    TFolderTreeFollower(QTreeView* tree, TFolderBrowseModel* model, QObject* parent = nullptr);

    void Follow(const QString& folder);
    void Stop() { folder_.clear(); }
    // Scrolls to the tree's current folder once the tree is laid out (after it was hidden).
    void ShowCurrentOnceLaidOut();

private:
    bool Following();
    void Loaded(const QString& loadedFolder);
    void Sorted();
    void ScrollSoon();

    QTreeView* tree_;
    TFolderBrowseModel* model_;
    QString folder_; // the folder followed; empty when none
    QElapsedTimer since_;
    bool siblingsLoaded_ = false;
};
