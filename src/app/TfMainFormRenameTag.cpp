// The main window's part in the rename/tag mode: it creates the batch, the description editors
// and the tag editor's opener and connects its actions to them.
#include "app/ConnectShowingErrors.h"
#include "app/TfMainForm.h"
#include "naming/TBatchRunner.h"
#include "naming/TDescriptionEditing.h"
#include "ui/TSoundListContextMenu.h"
#include "ui/TTagEditing.h"

#include <QAction>
#include <QFileInfo>

void TfMainForm::CreateRenameTagTools() {
    batchRunner_ = new TBatchRunner(*this);
    descriptionEditing_ = new TDescriptionEditing(*this);
    tagEditing_ = new TTagEditing(*this);
    const auto triggered = &QAction::triggered;
    ConnectShowingErrors(Action("acProcSel"), triggered, batchRunner_, &TBatchRunner::ProcessMarked);
    ConnectShowingErrors(Action("acProcAll"), triggered, batchRunner_, &TBatchRunner::ProcessAll);
    ConnectShowingErrors(batchRunner_->UndoAction(), triggered, batchRunner_,
                         &TBatchRunner::UndoLastRenameBatch);
    for (const char* name : {"acSFXdescriptions", "acMuEditTrackNames"})
        ConnectShowingErrors(Action(name), triggered, descriptionEditing_,
                             &TDescriptionEditing::EditAllDescriptions);
    ConnectShowingErrors(soundListMenu_->EditDescription(), triggered, descriptionEditing_,
                         &TDescriptionEditing::EditDescription);
    ConnectShowingErrors(Action("acEditTagsAll"), triggered, tagEditing_, &TTagEditing::EditAllTags);
    ConnectShowingErrors(Action("acTagSelected"), triggered, tagEditing_, &TTagEditing::EditSelectedTags);
}
