#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QString>

class QFileSystemModel;
class QTreeView;

// Keeps a folder that the program chose in view of the folder tree. The tree reads the folders
// on the way in the background and sorts what it read a moment later, and each step moves the
// chosen folder; the follower scrolls to it after each, until its siblings are read and sorted
// (or a few seconds have passed, or the user picked a folder).
class TFolderTreeFollower : public QObject {
    Q_OBJECT
public:
    TFolderTreeFollower(QTreeView* tree, QFileSystemModel* model, QObject* parent = nullptr);

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
    QFileSystemModel* model_;
    QString folder_; // the folder followed; empty when none
    QElapsedTimer since_;
    bool siblingsLoaded_ = false;
};
