#include "naming/TRenameBatch.h"

#include <QScopeGuard>
#include <utility>

#include "app/THistoryList.h"
#include "app/TSoundList.h"
#include "app/tsound.h"
#include "naming/ApplyPanelFields.h"
#include "naming/NameBuilders.h"
#include "naming/TRenameTagBatch.h"
#include "naming/UndoRenameBatch.h"

TRenameBatch::TRenameBatch(TSoundList& sounds, const TFileNameOptions& naming, QString journalPath)
    : Run([](TRenameTagBatch& batch) { batch.RunToEnd(); }), sounds_(sounds), naming_(naming),
      journalPath_(std::move(journalPath)) {}

void TRenameBatch::ApplyPanelFields() {
    ::ApplyPanelFields(sounds_, Panel(), naming_);
    ListChanged();
}

void TRenameBatch::BuildNames() {
    BuildRenameNames(sounds_, naming_, Panel().DoRename);
    ListChanged();
}

void TRenameBatch::BroadcastTagChanged() {
    ApplyBroadcastTagRule(sounds_, Panel().DoBwav);
}

TBatchReport TRenameBatch::RunBatch(const std::vector<int>& rows, const TPanelValues& panel) {
    const bool wasRunning = std::exchange(running_, true);
    const auto stopped = qScopeGuard([this, wasRunning] { running_ = wasRunning; });
    TRenameTagBatch batch(sounds_, rows, panel, journalPath_);
    Run(batch);
    ListChanged();
    return batch.Report();
}

TBatchReport TRenameBatch::RenameMarked(const std::vector<int>& rows) {
    TPanelValues panel = Panel();
    panel.DoRename = true;
    panel.DoBwav = panel.DoID3 = panel.DoiXML = false;
    return RunBatch(rows, panel);
}

TBatchReport TRenameBatch::TagMarked(const std::vector<int>& rows) {
    TPanelValues panel = Panel();
    panel.DoRename = false;
    return RunBatch(rows, panel);
}

void TRenameBatch::LearnHistories(const TPanelValues& panel) {
    for (THistoryList* history : Histories)
        for (const QString& text : {panel.Series, panel.CD})
            if (!text.isEmpty())
                history->Add(text);
}

TBatchReport TRenameBatch::ProcessMarked(const std::vector<int>& rows) {
    TBatchReport refused;
    if (sounds_.Count() == 0) {
        refused.Refusal =
            QStringLiteral("No sounds available.\nPlease select a folder from the browser on the right");
        return refused;
    }
    if (rows.empty()) {
        refused.Refusal = QStringLiteral("No sounds marked for processing");
        return refused;
    }
    const TPanelValues panel = Panel();
    LearnHistories(panel);
    const bool wasRunning = std::exchange(running_, true);
    const auto stopped = qScopeGuard([this, wasRunning] { running_ = wasRunning; });
    const TBatchReport report = RunBatch(rows, panel);
    ShowReport(report);
    for (tsound* sound : sounds_)
        if (sound->Status == ssDone)
            sound->Status = ssnormal;
    ApplyPanelFields();
    return report;
}

TBatchReport TRenameBatch::ProcessAll(const std::function<std::vector<int>()>& markAll) {
    StopPreview();
    return ProcessMarked(markAll());
}

TUndoReport TRenameBatch::UndoLastRenameBatch() { return UndoRenameBatch(journalPath_); }
