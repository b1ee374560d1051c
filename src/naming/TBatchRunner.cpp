#include "naming/TBatchRunner.h"

#include "app/IUserMessages.h"
#include "app/TfMainForm.h"
#include "cdimport/TfrCdimport.h"
#include "naming/LoadFolder.h"
#include "naming/TRenameJournal.h"
#include "naming/TRenameTagBatch.h"
#include "naming/TfBatchProgress.h"
#include "naming/TfrRename.h"
#include "naming/UndoRenameBatch.h"
#include "ui/TCDripperList.h"
#include "ui/TfBatchDone.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>

#include <exception>

TBatchRunner::TBatchRunner(TfMainForm& form)
    : QObject(&form), form_(form),
      batch_(form.Sounds(), form.RenameNaming,
             QDir(form.ProgramFolder()).filePath(TRenameJournal::FileName)),
      undo_(new QAction("Undo last rename batch", &form)) {
    TfrRename* panel = form.frRename();
    TCDripperList* list = form.SoundList();
    batch_.Histories = {&panel->SFXHistory, &form.frCdimport()->SFXHistory};
    batch_.ListChanged = [list] { list->InvalidateAll(); };
    batch_.Run = [this, list](TRenameTagBatch& batch) {
        TfBatchProgress progress(batch, [list] { list->InvalidateAll(); }, &form_);
        progress.Run();
    };
    batch_.ShowReport = [this](const TBatchReport& report) {
        ShowReport(report.StatisticsLine(), report.Failures);
    };
    panel->ConnectBatch(batch_);
    RunReport = [](TfBatchDone& report) { report.exec(); };

    undo_->setObjectName("acUndoRenameBatch");
    undo_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    undo_->setShortcutContext(Qt::WindowShortcut);
    form.addAction(undo_);
    panel->setContextMenuPolicy(Qt::ActionsContextMenu);
    panel->addAction(undo_);
}

std::vector<int> TBatchRunner::MarkedRows() const {
    const TCDripperList* list = form_.SoundList();
    std::vector<int> rows;
    for (int row = 0; row < list->Count(); ++row)
        if (list->IsChecked(row))
            rows.push_back(row);
    return rows;
}

std::vector<int> TBatchRunner::MarkAllRows() {
    form_.SoundList()->MarkAll();
    return MarkedRows();
}

// The batch renames files of a folder: CD tracks are not files yet.
void TBatchRunner::ProcessMarked() {
    if (form_.ImportMode())
        return;
    form_.SoundList()->scrollToTop();
    const TBatchReport report = batch_.ProcessMarked(MarkedRows());
    if (!report.Refusal.isEmpty())
        UserMessages().ShowMessage(report.Refusal);
}

void TBatchRunner::ProcessAll() {
    if (form_.ImportMode())
        return;
    form_.SoundList()->scrollToTop();
    const TBatchReport report = batch_.ProcessAll([this] { return MarkAllRows(); });
    if (!report.Refusal.isEmpty())
        UserMessages().ShowMessage(report.Refusal);
}

void TBatchRunner::ShowReport(const QString& statistics, const QStringList& failures) {
    TfBatchDone report(&form_);
    report.SetStatistics(statistics);
    report.SetFailures(failures);
    RunReport(report);
}

void TBatchRunner::UndoLastRenameBatch() {
    const int renames = FilesOnRecord(batch_.JournalPath());
    if (renames == 0) {
        UserMessages().ShowMessage(QStringLiteral("There is no rename batch to undo"));
        return;
    }
    if (!UserMessages().AskOkCancel(
            QStringLiteral("Rename the %1 files of the last rename batch back to their old names?")
                .arg(renames)))
        return;
    const TUndoReport report = batch_.UndoLastRenameBatch();
    // The files are back under their old names whatever the listing meets: the report comes
    // first, then why the folder could not be listed again.
    QString listingError;
    try {
        ListFolderAgain();
    } catch (const std::exception& error) {
        listingError = QString::fromUtf8(error.what());
    }
    ShowReport(report.StatisticsLine(), report.Failures);
    if (!listingError.isEmpty())
        UserMessages().ShowMessage(listingError);
}

// The records still name the files as the batch left them. The new ones carry the panel's
// values, which the panel goes on showing.
void TBatchRunner::ListFolderAgain() {
    if (form_.ImportMode())
        return;
    TCDripperList* list = form_.SoundList();
    LoadFolderOnDisk(form_.CurrentFolderOnDisk(), form_.Sounds(), form_.RenameNaming,
                     form_.frRename()->PanelValues(), [list] { list->RefreshList(); });
}
