#pragma once

#include "app/TSettingsSections.h"

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;

// The "New preset" dialog: a name and the sections a settings preset is to hold.
class TfNewPreset : public QDialog {
    Q_OBJECT
public:
    explicit TfNewPreset(QWidget* parent = nullptr);

    QLineEdit* Nameedit = nullptr;
    QCheckBox* chkLayout = nullptr;
    QCheckBox* chkRipper = nullptr;
    QCheckBox* chkRenamer = nullptr;
    QCheckBox* ChkOptions = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnCancel = nullptr;

    // The ticked sections; presets never hold the main window's geometry.
    TSettingsSections Sections() const;
    // Names become file names: a name that is empty, a path or a dot name cannot be saved.
    static bool IsUsableName(const QString& name);

private:
    QCheckBox* SectionBox(const QString& caption, const QString& name);
};
