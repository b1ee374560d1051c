#include "ui/TfBatchDone.h"

#include "ui/TNewDarkButton.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QVBoxLayout>
#include <QWindow>

TfBatchDone::TfBatchDone(QWidget* parent) : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint) {
    setObjectName("TfBatchDone");
    setStyleSheet("TfBatchDone { border: 1px solid black; }");
    auto* layout = new QVBoxLayout(this);
    lblHeading = new QLabel("Rename / Tag:", this);
    lblHeading->setObjectName("lblHeading");
    QFont bold = lblHeading->font();
    bold.setBold(true);
    lblHeading->setFont(bold);
    layout->addWidget(lblHeading);
    lblStats = new QLabel("Sounds processed OK", this);
    lblStats->setObjectName("lblStats");
    layout->addWidget(lblStats);
    memoFailures = new QPlainTextEdit(this);
    memoFailures->setObjectName("memoFailures");
    memoFailures->setReadOnly(true);
    // Long reasons wrap: no one should scroll sideways to read why a file failed.
    memoFailures->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    memoFailures->setMinimumSize(420, 120);
    memoFailures->hide();
    layout->addWidget(memoFailures, 1);
    btnOK = new TNewDarkButton("OK", this);
    btnOK->setObjectName("btnOK");
    layout->addWidget(btnOK, 0, Qt::AlignHCenter);
    connect(btnOK, &QAbstractButton::clicked, this, &QDialog::accept);
    setMinimumWidth(220);
}

void TfBatchDone::SetStatistics(const QString& text) {
    lblStats->setText(text);
}

void TfBatchDone::SetFailures(const QStringList& failures) {
    memoFailures->setPlainText(failures.join('\n'));
    memoFailures->setVisible(!failures.isEmpty());
    adjustSize();
}

void TfBatchDone::mousePressEvent(QMouseEvent* event) {
    // Without a frame, the box moves by a drag anywhere on its background.
    if (event->button() == Qt::LeftButton && windowHandle())
        windowHandle()->startSystemMove();
    QDialog::mousePressEvent(event);
}
