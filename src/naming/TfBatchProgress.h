#pragma once

#include <QDialog>

#include <functional>

class QLabel;
class QProgressBar;
class QTimer;
class TRenameTagBatch;

// Runs a rename and tag batch in short slices between the window's events, so the list keeps
// repainting while thousands of files are renamed and tagged. While it runs it is modal: no
// click can change or free the sounds under the batch. Every slice ends with `repaint`.
class TfBatchProgress : public QDialog {
    Q_OBJECT
public:
    static constexpr int SliceMilliseconds = 15;

    TfBatchProgress(TRenameTagBatch& batch, std::function<void()> repaint, QWidget* parent = nullptr);

    // Shows the box and returns when the batch is at its end.
    void Run();

    QLabel* lblProgress = nullptr;
    QProgressBar* gauge = nullptr;

protected:
    void reject() override {} // Escape cannot leave a batch half done

private:
    void RunSlice();

    TRenameTagBatch& batch_;
    std::function<void()> repaint_;
    QTimer* slices_;
};
