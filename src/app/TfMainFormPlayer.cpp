// The main window's preview player: its controls in the top bar, the double click on a row,
// Play/Pause, and the rename batch letting go of a previewed file.
#include "app/ConnectShowingErrors.h"
#include "app/TfMainForm.h"
#include "cdimport/TCDcontrol.h"
#include "naming/TBatchRunner.h"
#include "ui/TCDripperList.h"
#include "ui/TPlayerPanel.h"

#include <QAction>
#include <QHBoxLayout>

void TfMainForm::CreatePlayer() {
    // The drive list the window is given is, in the program, the CD drive access, which
    // also previews tracks; without it only files play.
    playerPanel_ = new TPlayerPanel(sounds_, dynamic_cast<TCDcontrol*>(drives_), playerArea_);
    auto* layout = new QHBoxLayout(playerArea_);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(playerPanel_);
    playerPanel_->ImportMode = [this] { return importMode_; };
    playerPanel_->FirstSelected = [this] {
        const std::vector<int>& rows = soundList_->SelectedItems();
        return rows.empty() ? std::pair<tsound*, int>(nullptr, -1)
                            : std::pair<tsound*, int>(soundList_->Sound(rows.front()), rows.front());
    };
    playerPanel_->RepaintList = [this] { RepaintList(); };
    ConnectShowingErrors(soundList_, &TsdxList::ItemDblClick, this, [this] {
        if (!busy_)
            playerPanel_->PlaySelected();
    });
    ConnectShowingErrors(Action("AcPlayPause"), &QAction::triggered, this, [this] {
        if (!busy_) // no previews while a rip uses the drive
            playerPanel_->PlayBtnClick();
    });
    // A new disc or folder empties the list: the previewed record is gone with it.
    ConnectShowingErrors(soundList_, &TsdxList::AfterRefreshList, this, [this] { playerPanel_->ForgetSoundIfGone(); });
    batchRunner_->Batch().StopPreview = [this] { playerPanel_->StopPreview(); };
}
