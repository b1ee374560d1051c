#pragma once

#include "app/TSoundRef.h"
#include "naming/TBatchReport.h"
#include "naming/TPanelValues.h"
#include "naming/TRenameJournal.h"
#include "naming/TRenamePlan.h"
#include "tags/TTagger.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <vector>

class TSoundList;
class tsound;

// One rename and tag batch over the marked rows of the sound list (row i is sound i), done one
// rename or one sound per Step so that the window can repaint between steps. First every
// marked file gets its built name in its own folder (when the panel says so), in the order of
// a plan made before anything moves; then the tags are written into every marked WAV.
// Nothing is shown: each sound ends ssDone or, when its rename or a tag write failed, sserror,
// and the reasons are collected for the report, one line per sound.
class TRenameTagBatch {
public:
    TRenameTagBatch(TSoundList& sounds, std::vector<int> rows, const TPanelValues& panel,
                    QString journalPath);

    // Where a rename stands when `OnRenameStage` is called: begun on record and not asked of
    // the system yet, or done and its end not on record yet. A crash can cut a batch off at
    // either point; tests stop a batch there.
    enum class TRenameStage { Intended, Renamed };
    std::function<void(TRenameStage)> OnRenameStage = [](TRenameStage) {};

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
        QByteArray From;     // the path the file had when the batch began
        QByteArray AsideAt;  // the temporary name it waits under, between the moves of a ring
        bool RenameStopped = false; // a move failed: its later moves are not tried
    };
    void PlanRenames();
    void MoveOne(const TRenamePlan::TMove& move);
    // Renames `from` to `to` with its intent and its end on record; false when the file kept
    // its name (the reason, naming `target`, is added to the row).
    bool MoveOnRecord(TRow& row, const QByteArray& from, const QByteArray& to,
                      const QString& target, bool stages);
    void ReturnFromAside(TRow& row);
    void Renamed(TRow& row, const QByteArray& to);
    void TagOne(TRow& row);
    void Fail(TRow& row, const QString& reason);
    std::optional<QString> JournalRefusal();
    size_t PhaseLength() const;
    void NextPhase();

    std::vector<TRow> rows_;
    std::vector<size_t> rowOfRequest_; // the row of each rename asked of the plan
    std::vector<TRenamePlan::TMove> moves_;
    TPanelValues panel_;
    TRenameJournal journal_;
    QString journalError_;
    TTagger tagger_;
    Phase phase_ = Phase::Renaming;
    size_t position_ = 0;
    int stepsDone_ = 0;
};
