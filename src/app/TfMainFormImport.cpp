// The main window's part in the CD import: it creates the ripper, the job handler and the
// import controller over the real drive access and connects the panel, the actions and the
// work panel to them.
#include "app/ConnectShowingErrors.h"
#include "app/TImportWindowSide.h"
#include "app/TfMainForm.h"
#include "cdimport/TCDcontrol.h"
#include "cdimport/TCDcontrolRipper.h"
#include "cdimport/TCdImportController.h"
#include "cdimport/TJobHandler.h"
#include "cdimport/TfFileFormat.h"
#include "cdimport/TfrCdimport.h"
#include "ui/TElidedPathLabel.h"
#include "naming/DescriptionTools.h"
#include "naming/OutputPaths.h"
#include "services/TCdImportLookups.h"
#include "services/TMetadataServices.h"
#include "ui/TCDripperList.h"
#include "ui/TDriveBox.h"
#include "ui/TFolderBrowse.h"
#include "ui/TfrOptions.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

void TfMainForm::CreateImportTools(ICdDriveList* drives) {
    importSide_ = std::make_unique<TImportWindowSide>(*this);
    ConnectImportPanel();
    // Only the real drive access rips; a bare drive list leaves the import without tracks.
    auto* cd = dynamic_cast<TCDcontrol*>(drives);
    if (!cd)
        return;
    ripper_ = std::make_unique<TCDcontrolRipper>(*cd);
    jobs_ = std::make_unique<TJobHandler>(*ripper_);
    importController_ =
        std::make_unique<TCdImportController>(sounds_, *cd, *jobs_, *importSide_, *importSide_);
    importSide_->SetController(importController_.get());
    TCdImportLookups& lookups = services_->CdImportLookups();
    lookups.DiscId = [this] { return importController_->DiscId(); };
    lookups.AfterFreeDb = [this](bool music) { AfterDiscLookup(music); };
    lookups.AfterDatabaseFill = [this] { AfterDiscLookup(false); };
    const auto triggered = &QAction::triggered;
    TCdImportController* controller = importController_.get();
    ConnectShowingErrors(Action("acRipSelected"), triggered, controller,
                         [controller] { controller->acRipSelectedExecute(); });
    ConnectShowingErrors(Action("acRipDisc"), triggered, controller,
                         [controller] { controller->acRipDiscExecute(); });
    ConnectShowingErrors(btnCancel_, &QPushButton::clicked, controller,
                         &TCdImportController::btnCancelClick);
    // Another drive chosen: its disc is read at once.
    ConnectShowingErrors(frOptions_->cmbDrive, &QComboBox::activated, controller,
                         [controller] { controller->ReadDiscNow(); });
}

void TfMainForm::ConnectImportPanel() {
    TfrCdimport& panel = *frCdimport_;
    for (QLineEdit* edit : {panel.editSeries, panel.editCD, panel.editPublisher}) {
        ConnectShowingErrors(edit, &QLineEdit::textEdited, this, [this] { ImportFieldsEdited(false); });
        // Enter asks the database when the options say so.
        ConnectShowingErrors(edit, &QLineEdit::returnPressed, this, [this] {
            if (frOptions_->chkAutoSFXdb->isChecked())
                services_->CdImportLookups().btnVOVezAZClick();
        });
    }
    for (QLineEdit* edit :
         {panel.editArtist, panel.editAlbum, panel.editGenre, panel.editYear, panel.editDisc})
        ConnectShowingErrors(edit, &QLineEdit::textEdited, this, [this] { ImportFieldsEdited(true); });
    for (QCheckBox* box : {panel.chkSFXbwav, panel.chkMusicBwav})
        ConnectShowingErrors(box, &QCheckBox::toggled, this,
                             [this, box] { ImportFieldsEdited(box == frCdimport_->chkMusicBwav); });
    ConnectShowingErrors(panel.NewDarkButton1, &QPushButton::clicked, this,
                         &TfMainForm::ChooseImportOutputFolder);
    RunFormatDialog = [](TfFileFormat& dialog) { return dialog.exec() == QDialog::Accepted; };
    ConnectShowingErrors(panel.btnFileFormat, &QPushButton::clicked, this,
                         &TfMainForm::btnFileFormatClick);
}

void TfMainForm::btnFileFormatClick() {
    TfFileFormat dialog(this);
    dialog.SetFormat(OutputFormat);
    if (RunFormatDialog(dialog))
        OutputFormat = dialog.Format();
    // Refreshed after a cancel too.
    ShowOutputFormat();
    RecomputeImportNames();
    RepaintList();
}

void TfMainForm::ImportFieldsEdited(bool music) {
    if (!importMode_)
        return;
    importSide_->ApplyFields(music);
}

void TfMainForm::AfterDiscLookup(bool music) {
    importSide_->ApplyFields(music);
    SyncTitlesFromDescriptions(sounds_, !music);
    soundList_->InvalidateAll();
}

void TfMainForm::ChooseImportOutputFolder() {
    const QString picked = TFolderBrowse::Pick(this, cdOutputRoot);
    if (picked.isEmpty() || !QFileInfo(picked).isDir())
        return;
    cdOutputRoot = picked;
    BuildOutputPaths(sounds_, CdNaming, cdOutputRoot);
    frCdimport_->lblOPfolder->SetPath(FirstTargetText());
}

void TfMainForm::StopImportForClose() {
    if (importController_)
        importController_->StopForClose();
}
