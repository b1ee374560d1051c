#pragma once

#include "app/TSoundRef.h"
#include "naming/TBatchReport.h"
#include "naming/TPanelValues.h"
#include "naming/TRenameJournal.h"
#include "tags/TTagger.h"

#include <QDir>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

class TSoundList;
class tsound;

// One rename and tag batch over the marked rows of the sound list (row i is sound i), done one
// sound per Step so that the window can repaint between steps. First every marked file gets
// its built name (when the panel says so), then the tags are written into every marked WAV.
// Nothing is shown: each sound ends ssDone or, when its rename or a tag write failed, sserror,
// and the reasons are collected for the report.
class TRenameTagBatch {
public:
    TRenameTagBatch(TSoundList& sounds, std::vector<int> rows, const TPanelValues& panel,
                    const QString& folder, QString journalPath);

    bool AtEnd() const { return phase_ == Phase::Finished; }
    // Handles the next sound of the batch.
    void Step();
    // Runs every remaining step.
    void RunToEnd();
    // Steps done and steps in all, for a progress display.
    int StepsDone() const { return stepsDone_; }
    int StepCount() const;

    TBatchReport Report() const;

private:
    enum class Phase { Renaming, Tagging, Finished };
    struct TRow {
        TSoundRef Sound; // the batch keeps it, whatever becomes of the list meanwhile
        QString NameOnDisk; // for the report: the name the file had when the batch began
        bool Handled = false;
        QStringList Failures;
    };

    void RenameOne(TRow& row);
    // Renames `from` to `to` and records it; false when the file kept its name.
    bool MoveOnRecord(TRow& row, const QString& from, const QString& to);
    void TagOne(TRow& row);
    void Fail(TRow& row, const QString& reason);
    std::optional<QString> JournalRefusal();
    void NextPhase();

    std::vector<TRow> rows_;
    TPanelValues panel_;
    QDir folder_;
    TRenameJournal journal_;
    QString journalError_;
    TTagger tagger_;
    Phase phase_ = Phase::Renaming;
    size_t position_ = 0;
    int stepsDone_ = 0;
};
