#include "naming/TDescriptionEditing.h"

#include "app/TfMainForm.h"
#include "app/TWorkState.h"
#include "app/tsound.h"
#include "cdimport/TfrCdimport.h"
#include "naming/DescriptionTools.h"
#include "naming/NameBuilders.h"
#include "naming/TfEditDescription.h"
#include "naming/TfSFXdescriptions.h"
#include "naming/TfrRename.h"
#include "ui/TCDripperList.h"

#include <QCheckBox>
#include <QTabWidget>

TDescriptionEditing::TDescriptionEditing(TfMainForm& form)
    : QObject(&form), form_(form), editor_(new TfSFXdescriptions(&form)) {}

bool TDescriptionEditing::SfxTabActive() const {
    return form_.frCdimport()->PageControl->currentIndex() == 0;
}

void TDescriptionEditing::RebuildNames() {
    TSoundList& sounds = form_.Sounds();
    if (form_.ImportMode())
        BuildImportNames(sounds, form_.CdNaming, form_.ShortCount(), form_.OutputFormat.AudioFormat);
    else
        BuildRenameNames(sounds, form_.RenameNaming, form_.frRename()->chkDoRename->isChecked());
    form_.SoundList()->PaintAll();
}

void TDescriptionEditing::EditAllDescriptions() {
    TSoundList& sounds = form_.Sounds();
    QStringList lines = DescriptionLines(sounds);
    bool edited = false;
    {
        const TModalScope open; // the lines belong to this list: it must stay while they are edited
        edited = editor_->Edit(lines);
    }
    if (edited)
        SetDescriptions(sounds, lines);
    // Also after "Cancel": the titles follow the descriptions either way.
    SyncTitlesFromDescriptions(sounds, SfxTabActive());
    RebuildNames();
}

void TDescriptionEditing::EditDescription() {
    TCDripperList* list = form_.SoundList();
    if (list->SelectedItems().empty())
        return;
    const int row = list->SelectedItems().front();
    const TSoundRef sound = list->SoundRef(row);
    TfEditDescription dialog(&form_);
    QString description = sound->Description;
    bool edited = false;
    {
        const TModalScope open;
        edited = dialog.Edit(row, description);
    }
    if (edited)
        sound->Description = description;
    RebuildNames();
}
