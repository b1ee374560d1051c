#include "app/TMessageBoxes.h"

#include "app/TWorkState.h"

#include <QApplication>
#include <QMessageBox>

namespace {
QMessageBox::StandardButton Show(const QString& text, QMessageBox::StandardButtons buttons,
                                 QMessageBox::StandardButton defaultButton) {
    QMessageBox box(QMessageBox::NoIcon, QApplication::applicationDisplayName(), text, buttons,
                    QApplication::activeWindow());
    box.setDefaultButton(defaultButton);
    return QMessageBox::StandardButton(box.exec());
}

// A message only informs: the drive and the folders go on behind it. A question is about the
// list as it is shown: nothing may replace it while its box's event loop runs.
QMessageBox::StandardButton Ask(const QString& text, QMessageBox::StandardButtons buttons,
                                QMessageBox::StandardButton defaultButton) {
    const TModalScope open;
    return Show(text, buttons, defaultButton);
}
} // namespace

void TMessageBoxes::ShowMessage(const QString& text) {
    Show(text, QMessageBox::Ok, QMessageBox::Ok);
}

bool TMessageBoxes::AskOkCancel(const QString& text) {
    return Ask(text, QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok) == QMessageBox::Ok;
}

bool TMessageBoxes::AskYesNo(const QString& text) {
    return Ask(text, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) == QMessageBox::Yes;
}
