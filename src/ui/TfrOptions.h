#pragma once

#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

// The options panel: the CD drive, the automatic lookups, the short description length,
// the history reset, the companion program's folder and the shortcut editor.
class TfrOptions : public QWidget {
    Q_OBJECT
public:
    explicit TfrOptions(QWidget* parent = nullptr);

    QComboBox* cmbDrive = nullptr;
    QCheckBox* chkAutoMusFreeDB = nullptr;
    QCheckBox* chkAutoSFXFreeDB = nullptr;
    QCheckBox* chkAutoSFXdb = nullptr;
    QCheckBox* chkDoPost = nullptr;
    QSpinBox* shortSpin = nullptr;
    QPushButton* btnClearWords = nullptr;
    QLabel* lblLocSDX = nullptr;
    QLabel* lblSDXdir = nullptr;
    QPushButton* btnFindSDX = nullptr;
    QPushButton* btnEditShortCuts = nullptr;

    // Servers: freedb, the SFX CD database (none until the user names one) and the maker's
    // web server (update check, help pages). Empty freedb and web fields mean the defaults.
    static constexpr const char* DefaultWebHost = "www.trackmoth.com";
    QLineEdit* editFreeDbHost = nullptr;
    QLineEdit* editSFXdbHost = nullptr;
    QLineEdit* editWebHost = nullptr;

    // Replaces the drive box's entries; no entry is selected afterwards.
    void SetDrives(const QStringList& drives);
};
