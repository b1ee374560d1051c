#include "ui/TDriveBox.h"

void TDriveBox::showPopup() {
    emit PopupAboutToShow();
    QComboBox::showPopup();
}
