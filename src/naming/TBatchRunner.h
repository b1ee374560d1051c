#pragma once

#include "naming/TRenameBatch.h"

#include <QObject>

#include <functional>
#include <vector>

class QAction;
class TfBatchDone;
class TfMainForm;

// Runs the rename and tag batch from the main window: "Process marked", "Process all" and
// "Undo last rename batch". It hands the batch the panel and the marked rows,
// runs it in steps behind a progress box and shows the report.
class TBatchRunner : public QObject {
    Q_OBJECT
public:
    explicit TBatchRunner(TfMainForm& form);

    void ProcessMarked();
    void ProcessAll();
    void UndoLastRenameBatch();

    TRenameBatch& Batch() { return batch_; }
    // "Undo last rename batch" (Ctrl+Z); in the window and in the rename panel's context menu.
    QAction* UndoAction() const { return undo_; }

    // How the report box is shown; tests replace it.
    std::function<void(TfBatchDone&)> RunReport;

private:
    std::vector<int> MarkedRows() const;
    std::vector<int> MarkAllRows();
    void ShowReport(const QString& statistics, const QStringList& failures);
    void ListFolderAgain();

    TfMainForm& form_;
    TRenameBatch batch_;
    QAction* undo_;
};
