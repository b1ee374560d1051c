// The output format dialog: what it shows for a format and what each choice changes.
#include "cdimport/TfFileFormat.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

TEST(TfFileFormat, ShowsTheFormatAndNamesTheConverterInUse) {
    TfFileFormat dialog;
    dialog.SetFormat({sfmp3, 0, 16, 44100});
    EXPECT_EQ(dialog.windowTitle(), "Select file format;");
    EXPECT_EQ(dialog.Format().BitRate, 320); // 0 is shown as 320
    EXPECT_EQ(dialog.comboBitrate->currentText(), "320");
    EXPECT_EQ(dialog.SrCombo->currentText(), "44100");
    EXPECT_TRUE(dialog.radioMp3->isChecked());
    EXPECT_TRUE(dialog.Mp3Panel->isVisibleTo(&dialog));
    EXPECT_FALSE(dialog.WavPanel->isVisibleTo(&dialog));
    EXPECT_EQ(dialog.lblConverter->text(), "libsoxr (very high quality)");
    EXPECT_EQ(dialog.lblEncoder->text(), "lame-encoder");
}

TEST(TfFileFormat, ChoicesSetTheFormatAndTypingChangesNothing) {
    TfFileFormat dialog;
    dialog.SetFormat({sfmp3, 192, 16, 44100});
    dialog.RadioWav->click();
    EXPECT_EQ(dialog.Format().AudioFormat, sfwav);
    EXPECT_TRUE(dialog.WavPanel->isVisibleTo(&dialog));
    struct TCase {
        int Index;
        int Rate;
    };
    for (const TCase c : {TCase{0, 22050}, TCase{3, 48000}, TCase{5, 192000}}) {
        emit dialog.SrCombo->activated(c.Index);
        EXPECT_EQ(dialog.Format().SampleRate, c.Rate);
    }
    emit dialog.bitCombo->activated(2);
    EXPECT_EQ(dialog.Format().BitDepth, 24);
    emit dialog.comboBitrate->activated(0);
    EXPECT_EQ(dialog.Format().BitRate, 128);
    QTest::keyClicks(dialog.bitCombo->lineEdit(), "7");
    EXPECT_EQ(dialog.Format().BitDepth, 24);
}
