#pragma once

#include <QDialog>

#include <functional>
#include <optional>

class QFileSystemModel;
class QMenu;
class QTreeView;
class TNewDarkButton;

// "Select folder": a tree of the file system's folders (no files) to pick one from, with
// "Create new folder" and "Refresh" in its context menu.
class TFolderBrowse : public QDialog {
    Q_OBJECT
public:
    explicit TFolderBrowse(QWidget* parent = nullptr);

    // Selects `path` in the tree when that folder exists.
    void SetStartFolder(const QString& path);
    // The folder selected in the tree; empty after "Cancel".
    QString ChosenFolder() const { return chosenFolder_; }
    // "Select" was pressed and the chosen folder exists.
    bool FolderChosen() const { return folderChosen_; }

    // Shows the dialog at `startFolder`; the picked folder, or empty when none was picked.
    static QString Pick(QWidget* parent, const QString& startFolder);

    // "Create new folder": a new folder in the chosen one, named by the user, then selected.
    void CreateNewFolder();
    // "Refresh": reads the folders anew, keeping the chosen one selected.
    void Refresh();

    // Asks for the new folder's name; nullopt when cancelled. Tests replace it.
    std::function<std::optional<QString>()> AskFolderName;

    QTreeView* Tree = nullptr;
    TNewDarkButton* btnSelect = nullptr;
    TNewDarkButton* btnCancel = nullptr;
    QMenu* TreeMenu = nullptr;
    QAction* acCreateFolder = nullptr;
    QAction* acRefresh = nullptr;

    void reject() override;

private:
    void UseNewModel();
    void SelectFolder(const QString& path);
    void ShowTreeMenu(const QPoint& position);
    void btnSelectClick();

    QFileSystemModel* model_ = nullptr;
    QString chosenFolder_;
    bool folderChosen_ = false;
};
