#include "cdimport/TfFileFormat.h"

#include "ui/TDarkButton.h"
#include "ui/TDialogButtonRow.h"

#include <QKeyEvent>

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {
const int sampleRates[] = {22050, 32000, 44100, 48000, 96000, 192000};

QComboBox* NumberBox(QWidget* parent, const char* name, const QStringList& items) {
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    // The text shows the value; typing into it changes nothing, only a chosen item does.
    box->setEditable(true);
    box->addItems(items);
    return box;
}
} // namespace

TfFileFormat::TfFileFormat(QWidget* parent) : QDialog(parent) {
    setObjectName("TfFileFormat");
    setWindowTitle("Select file format;");
    auto* layout = new QVBoxLayout(this);
    auto* choice = new QHBoxLayout;
    RadioWav = new QRadioButton("Wav", this);
    RadioWav->setObjectName("RadioWav");
    radioMp3 = new QRadioButton("Mp3", this);
    radioMp3->setObjectName("radioMp3");
    choice->addWidget(RadioWav);
    choice->addWidget(radioMp3);
    layout->addLayout(choice);
    layout->addWidget(WavPanel = BuildWavPanel());
    layout->addWidget(Mp3Panel = BuildMp3Panel());
    auto* buttons = new TDialogButtonRow(this, "OK", "btnOK");
    layout->addLayout(buttons);
    connect(buttons->AcceptButton, &QAbstractButton::clicked, this, &QDialog::accept);
    connect(RadioWav, &QRadioButton::clicked, this, [this] {
        format_.AudioFormat = sfwav;
        ShowPanelOfFormat();
    });
    connect(radioMp3, &QRadioButton::clicked, this, [this] {
        format_.AudioFormat = sfmp3;
        ShowPanelOfFormat();
    });
    connect(SrCombo, &QComboBox::activated, this, [this](int index) {
        if (index >= 0 && index < int(std::size(sampleRates)))
            format_.SampleRate = sampleRates[index];
    });
    connect(bitCombo, &QComboBox::activated, this,
            [this](int index) { format_.BitDepth = bitCombo->itemText(index).toInt(); });
    connect(comboBitrate, &QComboBox::activated, this,
            [this](int index) { format_.BitRate = comboBitrate->itemText(index).toInt(); });
    SetFormat(TOutputFormat());
}

QWidget* TfFileFormat::BuildWavPanel() {
    auto* panel = new QWidget(this);
    auto* form = new QFormLayout(panel);
    SrCombo = NumberBox(panel, "SrCombo", {"22,050", "32,000", "44,100", "48,000", "96,000", "192,000"});
    bitCombo = NumberBox(panel, "bitCombo", {"8", "16", "24", "32", "64"});
    form->addRow("Sample rate:", SrCombo);
    form->addRow("Bit depth:", bitCombo);
    lblConverter = new QLabel("libsoxr (very high quality)", panel);
    lblConverter->setObjectName("lblConverter");
    form->addRow(lblConverter);
    return panel;
}

QWidget* TfFileFormat::BuildMp3Panel() {
    auto* panel = new QWidget(this);
    auto* form = new QFormLayout(panel);
    comboBitrate = NumberBox(panel, "comboBitrate", {"128", "192", "256", "320"});
    form->addRow("Bit rate:", comboBitrate);
    lblEncoder = new QLabel("lame-encoder", panel);
    lblEncoder->setObjectName("lblEncoder");
    form->addRow(lblEncoder);
    return panel;
}

void TfFileFormat::SetFormat(const TOutputFormat& format) {
    format_ = format;
    if (format_.BitRate == 0)
        format_.BitRate = 320;
    comboBitrate->setEditText(QString::number(format_.BitRate));
    bitCombo->setEditText(QString::number(format_.BitDepth));
    SrCombo->setEditText(QString::number(format_.SampleRate));
    ShowPanelOfFormat();
}

void TfFileFormat::ShowPanelOfFormat() {
    const bool wav = format_.AudioFormat == sfwav;
    RadioWav->setChecked(wav);
    radioMp3->setChecked(!wav);
    WavPanel->setVisible(wav);
    Mp3Panel->setVisible(!wav);
}

void TfFileFormat::keyPressEvent(QKeyEvent* event) {
    // The dark buttons are no default push buttons: Return takes the choice as OK does.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
