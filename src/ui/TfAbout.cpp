#include "ui/TfAbout.h"

#include "ui/TNewDarkButton.h"

#include <QLabel>
#include <QVBoxLayout>

TfAbout::TfAbout(QWidget* parent) : QDialog(parent) {
    setObjectName("TfAbout");
    setWindowTitle("About Trackmoth");
    auto* layout = new QVBoxLayout(this);
    lblProduct = new QLabel("Trackmoth", this);
    lblProduct->setObjectName("lblProduct");
    QFont big("Arial", 16);
    big.setBold(true);
    lblProduct->setFont(big);
    layout->addWidget(lblProduct, 0, Qt::AlignHCenter);
    lblVersion = new QLabel(this);
    lblVersion->setObjectName("lblVersion");
    layout->addWidget(lblVersion, 0, Qt::AlignHCenter);
    lblCredits = new QLabel("Imports audio CDs and renames and tags sound files.\n\n"
                            "Built with Qt, libcdio and libcdio-paranoia, libsndfile, libsoxr,\n"
                            "the LAME encoder, libcurl and pugixml.",
                            this);
    lblCredits->setObjectName("lblCredits");
    lblCredits->setAlignment(Qt::AlignCenter);
    layout->addWidget(lblCredits);
    btnOK = new TNewDarkButton("OK", this);
    btnOK->setObjectName("btnOK");
    layout->addWidget(btnOK, 0, Qt::AlignHCenter);
    connect(btnOK, &QAbstractButton::clicked, this, &QDialog::accept);
}

void TfAbout::showEvent(QShowEvent* event) {
    lblVersion->setText(Version);
    QDialog::showEvent(event);
}
