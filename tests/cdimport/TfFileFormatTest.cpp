// The output format dialog: what it shows for a format and what each choice changes.
#include "cdimport/TfFileFormat.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QAbstractButton>
#include <QTest>
#include <QTimer>

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

TEST(TfFileFormat, OkAndReturnAcceptTheChoiceCancelAndEscapeDropIt) {
    const struct {
        const char* Name;
        std::function<void(TfFileFormat&)> Close;
        QDialog::DialogCode Result;
    } cases[] = {
        {"OK", [](TfFileFormat& d) { d.findChild<QAbstractButton*>("btnOK")->click(); }, QDialog::Accepted},
        {"Return", [](TfFileFormat& d) { QTest::keyClick(&d, Qt::Key_Return); }, QDialog::Accepted},
        {"Cancel", [](TfFileFormat& d) { d.findChild<QAbstractButton*>("btnCancel")->click(); }, QDialog::Rejected},
        {"Escape", [](TfFileFormat& d) { QTest::keyClick(&d, Qt::Key_Escape); }, QDialog::Rejected},
    };
    for (const auto& c : cases) {
        TfFileFormat dialog;
        dialog.SetFormat({sfwav, 256, 16, 44100});
        dialog.radioMp3->click();
        // Closed from inside its own event loop, as a user would close it.
        QTimer::singleShot(0, &dialog, [&] { c.Close(dialog); });
        QTimer::singleShot(5000, &dialog, [&] { dialog.done(-1); }); // never hang the test
        EXPECT_EQ(dialog.exec(), c.Result) << c.Name;
        EXPECT_EQ(dialog.Format().AudioFormat, sfmp3) << c.Name;
    }
}
