#include "ui/TfrOptions.h"

#include "services/TFreeDbClient.h"
#include "ui/PanelBuilder.h"
#include "ui/TDriveBox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QVBoxLayout>

TfrOptions::TfrOptions(QWidget* parent) : QWidget(parent) {
    setObjectName("TfrOptions");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);

    TPanelBuilder cd("CD options");
    cd.Label("CD drive to read from:");
    cmbDrive = new TDriveBox;
    cmbDrive->setObjectName("cmbDrive");
    cd.Add(cmbDrive);
    layout->addWidget(cd.Take());

    TPanelBuilder database("Database & internet");
    chkAutoMusFreeDB =
        database.Check("Check freeDB on new music disc", QString(), "chkAutoMusFreeDB");
    chkAutoSFXFreeDB = database.Check("Check freeDB on new SFX disc", QString(), "chkAutoSFXFreeDB");
    chkAutoSFXdb = database.Check("Auto check VOVezaz", QString(), "chkAutoSFXdb");
    chkAutoSFXdb->setChecked(true);
    chkDoPost = database.Check("Send updates back to the  VOVezaz", QString(), "chkDoPost");
    chkDoPost->setChecked(true);
    layout->addWidget(database.Take());

    TPanelBuilder other("Other options");
    other.Label("Filenames:");
    other.Label("Number of characters in \"Short description\"");
    shortSpin = new QSpinBox;
    shortSpin->setObjectName("shortSpin");
    shortSpin->setRange(5, 200);
    shortSpin->setValue(25);
    other.Add(shortSpin);
    other.Label("Auto complete lists:");
    btnClearWords = other.Button("Clear history", "btnClearWords");
    lblLocSDX = other.Label("Location of Sonaphor: ", "lblLocSDX");
    lblSDXdir = other.Label("Not set", "lblSDXdir");
    btnFindSDX = other.Button("Browse", "btnFindSDX");
    other.Label("Shortcuts");
    btnEditShortCuts = other.Button("Edit shortcuts", "btnEditShortCuts");
    layout->addWidget(other.Take());

    TPanelBuilder servers("Servers");
    editFreeDbHost = servers.Field("freedb server:", "editFreeDbHost");
    editFreeDbHost->setText(TFreeDbClient::DefaultHost);
    editSFXdbHost = servers.Field("SFX CD database server:", "editSFXdbHost");
    editSFXdbHost->setPlaceholderText("address:port of trackmoth-sfxdb");
    editWebHost = servers.Field("Web server (updates, help):", "editWebHost");
    editWebHost->setText(DefaultWebHost);
    layout->addWidget(servers.Take());
    layout->addStretch();
}

void TfrOptions::SetDrives(const QStringList& drives) {
    // The same drives again (the usual answer to opening the box) leave the open list alone.
    if (listedDrives_ == drives)
        return;
    listedDrives_ = drives;
    const QString chosen = hasDrives_ ? cmbDrive->currentText() : QString();
    const int wanted = DriveNumber();
    cmbDrive->clear();
    hasDrives_ = !drives.isEmpty();
    if (!hasDrives_) {
        cmbDrive->addItem("No CD drives found");
        // The box stays enabled: opening it is what lists the drives again.
        if (auto* model = qobject_cast<QStandardItemModel*>(cmbDrive->model()))
            model->item(0)->setEnabled(false);
        cmbDrive->setCurrentIndex(0);
        wantedDrive_ = wanted;
        return;
    }
    cmbDrive->addItems(drives);
    if (!chosen.isEmpty())
        cmbDrive->setCurrentIndex(cmbDrive->findText(chosen, Qt::MatchExactly));
    else
        SelectDrive(wanted);
}

int TfrOptions::DriveNumber() const { return hasDrives_ ? cmbDrive->currentIndex() : wantedDrive_; }

void TfrOptions::SelectDrive(int drive) {
    if (!hasDrives_) {
        wantedDrive_ = drive;
        return;
    }
    cmbDrive->setCurrentIndex(drive >= 0 && drive < cmbDrive->count() ? drive : -1);
}
