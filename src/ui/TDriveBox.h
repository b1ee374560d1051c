#pragma once

#include <QComboBox>

// The options panel's CD drive choice. It tells when its list is about to open, so that the
// drives can be listed anew: a USB drive may have been plugged in since the last listing.
class TDriveBox : public QComboBox {
    Q_OBJECT
public:
    using QComboBox::QComboBox;
    void showPopup() override;

signals:
    void PopupAboutToShow();
};
