#include "ui/TFolderBrowse.h"

#include "app/IUserMessages.h"
#include "ui/TNewDarkButton.h"

#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QMenu>
#include <QTreeView>
#include <QVBoxLayout>

#include <filesystem>
#include <system_error>

namespace {
// A name that stays inside the chosen folder: one path component, not "." or "..".
bool IsPlainFolderName(const QString& name) {
    return !name.contains('/') && !name.contains(QDir::separator()) && name != "." && name != "..";
}

QString WithoutTrailingSlash(QString path) {
    while (path.size() > 1 && path.endsWith('/'))
        path.chop(1);
    return path == "/" ? QString() : path;
}
} // namespace

TFolderBrowse::TFolderBrowse(QWidget* parent) : QDialog(parent) {
    setObjectName("TFolderBrowse");
    setWindowTitle("Select folder");
    resize(320, 420);
    AskFolderName = [this]() -> std::optional<QString> {
        bool ok = false;
        const QString name =
            QInputDialog::getText(this, "New folder", QString(), QLineEdit::Normal, QString(), &ok);
        return ok ? std::optional<QString>(name) : std::nullopt;
    };

    auto* layout = new QVBoxLayout(this);
    Tree = new QTreeView(this);
    Tree->setObjectName("Tree");
    Tree->setHeaderHidden(true);
    Tree->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(Tree, &QTreeView::customContextMenuRequested, this, &TFolderBrowse::ShowTreeMenu);
    layout->addWidget(Tree, 1);
    UseNewModel();

    TreeMenu = new QMenu(this);
    acCreateFolder =
        TreeMenu->addAction("Create new folder", this, &TFolderBrowse::CreateNewFolder);
    acRefresh = TreeMenu->addAction("Refresh", this, &TFolderBrowse::Refresh);

    auto* buttons = new QHBoxLayout;
    btnSelect = new TNewDarkButton("Select", this);
    btnSelect->setObjectName("btnSelect");
    btnCancel = new TNewDarkButton("Cancel", this);
    btnCancel->setObjectName("btnCancel");
    buttons->addWidget(btnSelect);
    buttons->addWidget(btnCancel);
    layout->addLayout(buttons);
    connect(btnSelect, &QAbstractButton::clicked, this, &TFolderBrowse::btnSelectClick);
    connect(btnCancel, &QAbstractButton::clicked, this, &TFolderBrowse::reject);
}

void TFolderBrowse::UseNewModel() {
    QFileSystemModel* old = model_;
    QItemSelectionModel* oldSelection = Tree->selectionModel();
    model_ = new QFileSystemModel(this);
    model_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    model_->setRootPath(QString());
    Tree->setModel(model_);
    for (int column = 1; column < model_->columnCount(); ++column)
        Tree->hideColumn(column);
    connect(Tree->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) { chosenFolder_ = model_->filePath(current); });
    delete oldSelection;
    delete old;
}

void TFolderBrowse::SelectFolder(const QString& path) {
    const QModelIndex index = model_->index(path);
    if (!index.isValid())
        return;
    Tree->setCurrentIndex(index);
    Tree->scrollTo(index);
    chosenFolder_ = model_->filePath(index);
}

void TFolderBrowse::SetStartFolder(const QString& path) {
    if (!path.isEmpty() && QFileInfo(path).isDir())
        SelectFolder(QFileInfo(path).absoluteFilePath());
}

QString TFolderBrowse::Pick(QWidget* parent, const QString& startFolder) {
    TFolderBrowse dialog(parent);
    dialog.SetStartFolder(startFolder);
    dialog.exec();
    return dialog.FolderChosen() ? dialog.ChosenFolder() : QString();
}

void TFolderBrowse::ShowTreeMenu(const QPoint& position) {
    // The menu acts on the folder it was opened on.
    const QModelIndex index = Tree->indexAt(position);
    if (index.isValid())
        Tree->setCurrentIndex(index);
    acCreateFolder->setEnabled(!chosenFolder_.isEmpty());
    TreeMenu->popup(Tree->viewport()->mapToGlobal(position));
}

void TFolderBrowse::CreateNewFolder() {
    if (chosenFolder_.isEmpty())
        return;
    const std::optional<QString> name = AskFolderName();
    if (!name || name->isEmpty())
        return;
    if (!IsPlainFolderName(*name)) {
        UserMessages().ShowMessage(QString("Cannot create the folder \"%1\": a folder name cannot "
                                           "hold \"/\" or be \".\" or \"..\"")
                                       .arg(*name));
        return;
    }
    const QString path = WithoutTrailingSlash(chosenFolder_) + "/" + *name;
    std::error_code error;
    const bool created =
        std::filesystem::create_directory(std::filesystem::path(path.toStdU16String()), error);
    if (!created) {
        const QString reason = error ? QString::fromLocal8Bit(error.message().c_str())
                                     : QString("a file or folder of that name exists");
        UserMessages().ShowMessage(QString("Cannot create the folder %1: %2").arg(path, reason));
        return;
    }
    Refresh();
    SelectFolder(path);
}

void TFolderBrowse::Refresh() {
    const QString chosen = chosenFolder_;
    UseNewModel();
    chosenFolder_.clear();
    if (!chosen.isEmpty())
        SelectFolder(chosen);
}

void TFolderBrowse::btnSelectClick() {
    folderChosen_ = !chosenFolder_.isEmpty() && QFileInfo(chosenFolder_).isDir();
    accept();
}

void TFolderBrowse::reject() {
    chosenFolder_.clear();
    folderChosen_ = false;
    QDialog::reject();
}
