#include "naming/TfEditDescription.h"

#include "ui/TDarkButton.h"
#include "ui/TDialogButtonRow.h"

#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

TfEditDescription::TfEditDescription(QWidget* parent) : QDialog(parent, Qt::Tool) {
    setObjectName("TfEditDescription");
    setWindowTitle("Edit description");
    setMinimumWidth(420);
    auto* layout = new QVBoxLayout(this);
    lblTrack = new QLabel(this);
    lblTrack->setObjectName("lblTrack");
    layout->addWidget(lblTrack);
    editDescription = new QLineEdit(this);
    editDescription->setObjectName("editDescription");
    layout->addWidget(editDescription);
    auto* buttons = new TDialogButtonRow(this, "Ok", "btnOk");
    btnOk = buttons->AcceptButton;
    btnCancel = buttons->CancelButton;
    layout->addLayout(buttons);
    connect(editDescription, &QLineEdit::returnPressed, this, &QDialog::accept);
    connect(btnOk, &QAbstractButton::clicked, this, &QDialog::accept);
}

bool TfEditDescription::Edit(int row, QString& description) {
    lblTrack->setText(QStringLiteral("Track %1").arg(row + 1));
    editDescription->setText(description);
    editDescription->selectAll();
    adjustSize();
    if (parentWidget()) {
        QRect frame = geometry();
        frame.moveCenter(parentWidget()->window()->geometry().center());
        move(frame.topLeft());
    }
    if (exec() != QDialog::Accepted)
        return false;
    description = editDescription->text();
    return true;
}
