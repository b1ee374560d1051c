#include "ui/TDialogButtonRow.h"

#include "ui/TDarkButton.h"

#include <QDialog>

TDialogButtonRow::TDialogButtonRow(QDialog* dialog, const QString& acceptCaption,
                                   const QString& acceptName, QWidget* left) {
    if (left)
        addWidget(left, 1);
    else
        addStretch();
    AcceptButton = new TDarkButton(acceptCaption, dialog);
    AcceptButton->setObjectName(acceptName);
    CancelButton = new TDarkButton("Cancel", dialog);
    CancelButton->setObjectName("btnCancel");
    addWidget(AcceptButton);
    addWidget(CancelButton);
    connect(CancelButton, &QAbstractButton::clicked, dialog, &QDialog::reject);
}
