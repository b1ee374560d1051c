#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class TDarkButton;

// "Edit description": the description of one sound in a one-line field. Enter or "Ok" keeps
// the text as typed; "Cancel" drops it.
class TfEditDescription : public QDialog {
    Q_OBJECT
public:
    explicit TfEditDescription(QWidget* parent = nullptr);

    // Shows the dialog for the sound of list row `row` (from 0), centred on its parent.
    // True on "Ok", with the text in `description`.
    bool Edit(int row, QString& description);

    QLabel* lblTrack = nullptr;
    QLineEdit* editDescription = nullptr;
    TDarkButton* btnOk = nullptr;
    TDarkButton* btnCancel = nullptr;
};
