#pragma once

#include <QHBoxLayout>

class QDialog;
class TDarkButton;

// The bottom row of the program's dialogs: room on the left (or `left`, stretched), then the
// accepting button and "Cancel", which rejects the dialog.
class TDialogButtonRow : public QHBoxLayout {
    Q_OBJECT
public:
    TDialogButtonRow(QDialog* dialog, const QString& acceptCaption, const QString& acceptName,
                     QWidget* left = nullptr);

    TDarkButton* AcceptButton = nullptr;
    TDarkButton* CancelButton = nullptr;
};
