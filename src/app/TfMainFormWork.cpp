// The main window's work state: what works on the sound list, which requests must wait for it,
// and the folder listing that runs on a worker.
#include "app/ConnectShowingErrors.h"
#include "app/DiskPath.h"
#include "app/IUserMessages.h"
#include "app/TfMainForm.h"
#include "cdimport/TCdImportController.h"
#include "naming/LoadFolder.h"
#include "naming/TBatchRunner.h"
#include "naming/TFolderLoader.h"
#include "naming/TfrRename.h"
#include "ui/TCDripperList.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QLabel>
#include <QTimer>


void TfMainForm::CreateFolderListing() {
    folderLoader_ = new TFolderLoader(this);
    connect(folderLoader_, &TFolderLoader::Progress, this, &TfMainForm::ShowFolderProgress);
    connect(folderLoader_, &TFolderLoader::Loaded, this,
            [this](const std::shared_ptr<TSoundList>& loaded, const QString& error) {
                RunShowingErrors([&] { FolderLoaded(loaded, error); });
            });
    pendingTimer_ = new QTimer(this);
    pendingTimer_->setObjectName("PendingRequestTimer");
    pendingTimer_->setInterval(250);
    ConnectShowingErrors(pendingTimer_, &QTimer::timeout, this, &TfMainForm::PendingTimerTimer);
}

EWorkState TfMainForm::WorkState() const {
    if (importController_ && importController_->Running())
        return importController_->Finishing() ? EWorkState::FinishingConversion
                                              : EWorkState::Importing;
    if (batchRunner_ && batchRunner_->Batch().Running())
        return EWorkState::BatchRunning;
    if (TModalScope::AnyOpen())
        return EWorkState::QuestionOpen;
    if (ListingFolder())
        return EWorkState::ListingFolder;
    return EWorkState::Idle;
}

bool TfMainForm::ListingFolder() const { return folderLoader_ && folderLoader_->Running(); }

bool TfMainForm::MayReplaceList() const {
    const EWorkState state = WorkState();
    return state == EWorkState::Idle || state == EWorkState::ListingFolder;
}

void TfMainForm::OpenPaths(const QStringList& paths) {
    if (paths.isEmpty())
        return;
    if (!MayReplaceList()) {
        pendingOpen_ = paths;
        pendingTimer_->start();
        return;
    }
    for (const QString& path : paths) {
        const QFileInfo info(path);
        if (!info.exists())
            continue;
        ShowRenameMode();
        ApplyLastFolder(info.isDir() ? info.absoluteFilePath() : info.absolutePath());
        return;
    }
}

void TfMainForm::PendingTimerTimer() {
    if (!MayReplaceList())
        return;
    pendingTimer_->stop();
    if (!pendingOpen_.isEmpty()) {
        folderPending_ = false; // the opened folder is the newer request
        OpenPaths(std::exchange(pendingOpen_, {}));
    } else if (std::exchange(folderPending_, false)) {
        ListCurrentFolder();
    }
}

void TfMainForm::ReleaseRecords() {
    if (sounds_.Count() == 0)
        return;
    std::vector<TSoundRef> previous = sounds_.TakeRecords();
    soundList_->RefreshList(); // the rows let go of their shares too
    releases_.Run([old = std::move(previous)]() mutable { old.clear(); });
}

void TfMainForm::ListCurrentFolder() {
    if (importMode_)
        return;
    if (!MayReplaceList()) {
        folderPending_ = true;
        pendingTimer_->start();
        return;
    }
    ReleaseRecords();
    UpdateStats();
    const QByteArray folder = CurrentFolderOnDisk();
    if (!IsFolderOnDisk(folder)) {
        folderLoader_->Abandon();
        return;
    }
    listedPanel_ = frRename_->PanelValues();
    folderLoader_->Start(folder, RenameNaming, listedPanel_);
}

QByteArray TfMainForm::CurrentFolderOnDisk() const {
    return currentFolderOnDisk_.isEmpty() ? DiskPath(currentFolder_) : currentFolderOnDisk_;
}

void TfMainForm::SetCurrentFolder(const QByteArray& folder) {
    currentFolder_ = DisplayFormOf(folder);
    currentFolderOnDisk_ = IsValidUtf8(folder) ? QByteArray() : folder;
}

void TfMainForm::FolderLoaded(const std::shared_ptr<TSoundList>& loaded, const QString& error) {
    if (importMode_)
        return;
    ReleaseRecords();
    for (TSoundRef& sound : loaded->TakeRecords())
        sounds_.Add(std::move(sound));
    // The records carry the panel as it was when the load started; an edit made since reached
    // only the list of then. What the panel shows is what the next batch writes.
    if (frRename_->PanelValues() != listedPanel_)
        batchRunner_->Batch().ApplyPanelFields();
    soundList_->RefreshList();
    UpdateStats();
    if (!error.isEmpty())
        UserMessages().ShowMessage(error);
}

void TfMainForm::ShowFolderProgress(int listed) {
    lblCount_->setText(QString("Folder contains %1 sounds").arg(listed));
}
