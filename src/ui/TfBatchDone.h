#pragma once

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class TNewDarkButton;

// The borderless report shown after a rename and tag batch: "Rename / Tag:", the statistics
// line the batch sets, the files that failed with their reasons (when there are any), "OK".
class TfBatchDone : public QDialog {
    Q_OBJECT
public:
    explicit TfBatchDone(QWidget* parent = nullptr);

    void SetStatistics(const QString& text);
    // One line per failed file; the list is hidden while it is empty.
    void SetFailures(const QStringList& failures);

    QLabel* lblHeading = nullptr;
    QLabel* lblStats = nullptr;
    QPlainTextEdit* memoFailures = nullptr;
    TNewDarkButton* btnOK = nullptr;

protected:
    void mousePressEvent(QMouseEvent* event) override;
};
