#include "app/TfNewPreset.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TfNewPreset::TfNewPreset(QWidget* parent) : QDialog(parent, Qt::Tool) {
    setWindowTitle("New preset");
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel("Preset name:", this));
    Nameedit = new QLineEdit("New preset", this);
    Nameedit->setObjectName("Nameedit");
    layout->addWidget(Nameedit);
    layout->addWidget(new QLabel("Include settings for:", this));
    chkLayout = SectionBox("Window layout", "chkLayout");
    chkRipper = SectionBox("CD ripper", "chkRipper");
    chkRenamer = SectionBox("Rename / Tag - mode", "chkRenamer");
    ChkOptions = SectionBox("Options", "ChkOptions");
    for (QCheckBox* box : {chkLayout, chkRipper, chkRenamer, ChkOptions})
        layout->addWidget(box);

    auto* buttons = new QHBoxLayout;
    btnOK = new QPushButton("Save", this);
    btnCancel = new QPushButton("Cancel", this);
    btnOK->setDefault(true); // Enter in the name field saves
    buttons->addWidget(btnOK);
    buttons->addWidget(btnCancel);
    layout->addLayout(buttons);
    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(Nameedit, &QLineEdit::textChanged, this,
            [this](const QString& name) { btnOK->setEnabled(IsUsableName(name)); });
}

QCheckBox* TfNewPreset::SectionBox(const QString& caption, const QString& name) {
    auto* box = new QCheckBox(caption, this);
    box->setObjectName(name);
    box->setChecked(true);
    return box;
}

TSettingsSections TfNewPreset::Sections() const {
    TSettingsSections sections;
    sections.Layout = chkLayout->isChecked();
    sections.Ripper = chkRipper->isChecked();
    sections.Renamer = chkRenamer->isChecked();
    sections.Options = ChkOptions->isChecked();
    return sections;
}

bool TfNewPreset::IsUsableName(const QString& name) {
    return !name.trimmed().isEmpty() && !name.contains('/') && !name.contains('\\') &&
           name != "." && name != "..";
}
