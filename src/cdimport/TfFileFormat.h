#pragma once

#include "cdimport/TOutputFormat.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QRadioButton;
class QWidget;

// The output format dialog "Select file format;": WAV at a sample rate and bit depth, or MP3 at
// a bit rate. It edits its own copy of the format; the caller takes it over on OK.
class TfFileFormat : public QDialog {
    Q_OBJECT
public:
    explicit TfFileFormat(QWidget* parent = nullptr);

    // Shows `format` (a bit rate of 0 as 320) and edits a copy of it.
    void SetFormat(const TOutputFormat& format);
    const TOutputFormat& Format() const { return format_; }

    QRadioButton* RadioWav = nullptr;
    QRadioButton* radioMp3 = nullptr;
    QComboBox* SrCombo = nullptr;
    QComboBox* bitCombo = nullptr;
    QComboBox* comboBitrate = nullptr;
    QWidget* WavPanel = nullptr;
    QWidget* Mp3Panel = nullptr;
    QLabel* lblConverter = nullptr; // the converter the WAV output really goes through
    QLabel* lblEncoder = nullptr;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QWidget* BuildWavPanel();
    QWidget* BuildMp3Panel();
    void ShowPanelOfFormat();

    TOutputFormat format_;
};
