#include "naming/TfBatchProgress.h"

#include "naming/TRenameTagBatch.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QProgressBar>
#include <QTimer>
#include <QVBoxLayout>

TfBatchProgress::TfBatchProgress(TRenameTagBatch& batch, std::function<void()> repaint, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), batch_(batch),
      repaint_(std::move(repaint)), slices_(new QTimer(this)) {
    setObjectName("TfBatchProgress");
    setModal(true);
    setStyleSheet("TfBatchProgress { border: 1px solid black; }");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel("Rename / Tag:", this));
    lblProgress = new QLabel(this);
    lblProgress->setObjectName("lblProgress");
    layout->addWidget(lblProgress);
    gauge = new QProgressBar(this);
    gauge->setTextVisible(false);
    gauge->setStyleSheet("QProgressBar::chunk { background: lime; }");
    gauge->setRange(0, std::max(1, batch_.StepCount()));
    layout->addWidget(gauge);
    setMinimumWidth(260);
    slices_->setInterval(0);
    connect(slices_, &QTimer::timeout, this, &TfBatchProgress::RunSlice);
}

void TfBatchProgress::RunSlice() {
    QElapsedTimer slice;
    slice.start();
    while (!batch_.AtEnd() && slice.elapsed() < SliceMilliseconds)
        batch_.Step();
    lblProgress->setText(QStringLiteral("%1 of %2").arg(batch_.StepsDone()).arg(batch_.StepCount()));
    gauge->setValue(batch_.StepsDone());
    if (repaint_)
        repaint_();
    if (batch_.AtEnd()) {
        slices_->stop();
        accept();
    }
}

void TfBatchProgress::Run() {
    if (batch_.AtEnd())
        return;
    slices_->start();
    exec();
}
