#pragma once

#include "naming/TBatchReport.h"
#include "naming/TFileNameOptions.h"
#include "naming/TPanelValues.h"

#include <QString>

#include <functional>
#include <vector>

class THistoryList;
class TRenameTagBatch;
class TSoundList;

// The rename and tag batch of the rename/tag mode, on the main sound list and the rename
// naming. The window tells it the panel's values and how to run and report; the
// operations return their report and show nothing themselves. Rows are positions in the sound
// list (row i shows sound i).
class TRenameBatch {
public:
    TRenameBatch(TSoundList& sounds, const TFileNameOptions& naming, QString journalPath);

    // The panel's values at the moment they are needed. Files are renamed in their own folder.
    std::function<TPanelValues()> Panel = [] { return TPanelValues(); };
    // The word histories that learn the series and CD texts of every batch.
    std::vector<THistoryList*> Histories;
    // Lets go of a previewed file before "Process all" (the preview player sets it).
    std::function<void()> StopPreview = [] {};
    // The list's rows show their records anew.
    std::function<void()> ListChanged = [] {};
    // Carries out a batch; the window runs it in steps between repaints. Default: at once.
    std::function<void(TRenameTagBatch&)> Run;
    // Shows the report while the handled sounds still show "Done".
    std::function<void(const TBatchReport&)> ShowReport = [](const TBatchReport&) {};

    // Copies the panel into every sound and builds the new names.
    void ApplyPanelFields();
    // Builds the new names alone ("Rename files" was switched).
    void BuildNames();
    // "Broadcast-tag" was switched: the sounds' bext descriptions follow it at once, so a
    // batch never writes the empty description a change of the fields left before.
    void BroadcastTagChanged();
    // Renames the files of the marked rows (whatever "Rename files" says).
    TBatchReport RenameMarked(const std::vector<int>& rows);
    // Writes the panel's tags into the files of the marked rows.
    TBatchReport TagMarked(const std::vector<int>& rows);
    // "Process marked": renames (with "Rename files"), tags, reports, then the handled sounds
    // go back to normal and the panel is applied again. Refuses an empty list or no marks.
    TBatchReport ProcessMarked(const std::vector<int>& rows);
    // "Process all": stops the preview, marks every row (`markAll` does and returns them),
    // then as "Process marked".
    TBatchReport ProcessAll(const std::function<std::vector<int>()>& markAll);
    // Renames back the files of the last batch that renamed any.
    TUndoReport UndoLastRenameBatch();

    QString JournalPath() const { return journalPath_; }
    // A batch runs (between repaints) or its report is shown: the list must stay as it is.
    bool Running() const { return running_; }

private:
    TBatchReport RunBatch(const std::vector<int>& rows, const TPanelValues& panel);
    void LearnHistories(const TPanelValues& panel);

    TSoundList& sounds_;
    const TFileNameOptions& naming_;
    QString journalPath_;
    bool running_ = false;
};
