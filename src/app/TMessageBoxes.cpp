#include "app/TMessageBoxes.h"

#include "app/TWorkState.h"

#include <QApplication>
#include <QMessageBox>

namespace {
QMessageBox::StandardButton Ask(const QString& text, QMessageBox::StandardButtons buttons,
                                QMessageBox::StandardButton defaultButton) {
    QMessageBox box(QMessageBox::NoIcon, QApplication::applicationDisplayName(), text, buttons,
                    QApplication::activeWindow());
    box.setDefaultButton(defaultButton);
    const TModalScope open; // its event loop runs timers and sockets meanwhile
    return QMessageBox::StandardButton(box.exec());
}
} // namespace

void TMessageBoxes::ShowMessage(const QString& text) {
    Ask(text, QMessageBox::Ok, QMessageBox::Ok);
}

bool TMessageBoxes::AskOkCancel(const QString& text) {
    return Ask(text, QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok) == QMessageBox::Ok;
}

bool TMessageBoxes::AskYesNo(const QString& text) {
    return Ask(text, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) == QMessageBox::Yes;
}
