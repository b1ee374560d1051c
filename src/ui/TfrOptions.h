#pragma once

#include "ui/TDriveBox.h"

#include <QStringList>
#include <QWidget>

#include <optional>

class QCheckBox;
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

    TDriveBox* cmbDrive = nullptr;
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

    // Replaces the drive box's entries, keeping the chosen drive when it is still there (at
    // first none is chosen). Without any drive the box holds "No CD drives found" as its only
    // entry, which cannot be chosen.
    void SetDrives(const QStringList& drives);
    bool HasDrives() const { return hasDrives_; }
    // The "DriveNumber" setting: the chosen entry, -1 for none. A number set while there is no
    // drive is kept and chosen once drives are found.
    int DriveNumber() const;
    // Chooses entry `drive`; a negative number, or one past the entries, chooses none.
    void SelectDrive(int drive);

private:
    std::optional<QStringList> listedDrives_;
    bool hasDrives_ = false;
    int wantedDrive_ = -1; // the setting while there is no drive to choose
};
