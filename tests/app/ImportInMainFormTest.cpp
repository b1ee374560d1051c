// A whole CD import through the real main window: a generated disc image in "discs", the real
// reads, resampler, encoder and tagger, offscreen and with a silent sound output.
#include "app/TfMainForm.h"
#include "app/tsound.h"
#include "cdimport/TCDcontrol.h"
#include "cdimport/TCdImageWriter.h"
#include "cdimport/TCdImportController.h"
#include "cdimport/TFakeAudioOutput.h"
#include "cdimport/TLibcdioDrives.h"
#include "cdimport/TfFileFormat.h"
#include "cdimport/TfrCdimport.h"
#include "common/SkipWithoutTool.h"
#include "common/TRecordingMessages.h"
#include "common/TTestDir.h"
#include "ui/TfrOptions.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QProcess>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QtEndian>

#include <gtest/gtest.h>

namespace {
using TTrack = TCdImageWriter::TTrack;

// The chunk `id` of a RIFF file; empty when it has none.
QByteArray Chunk(const QByteArray& riff, const char* id) {
    for (qsizetype at = 12; at + 8 <= riff.size();) {
        const quint32 size = qFromLittleEndian<quint32>(riff.constData() + at + 4);
        if (riff.mid(at, 4) == id)
            return riff.mid(at + 8, size);
        at += 8 + size + (size & 1);
    }
    return {};
}

class ImportInMainForm : public ::testing::Test {
protected:
    ImportInMainForm() {
        bin = TCdImageWriter::Write(program.File("discs"), "Disc",
                                    {TTrack{60, 0, false, 5}, TTrack{45, 0, false, 6}, TTrack{30, 0, false, 7}});
        cd = std::make_unique<TCDcontrol>(std::make_unique<TLibcdioDrives>(program.File("discs"), false),
                                          std::make_unique<TFakeAudioOutput>());
        form = std::make_unique<TfMainForm>(program.Path(), cd.get());
        form->StartUp();
        form->show();
        form->StartCdDriveTimer();
        panel = form->frCdimport();
        output = program.MakeFolder("out");
    }
    ~ImportInMainForm() override { form.reset(); }

    void FillSfxPanel() {
        panel->PageControl->setCurrentIndex(0);
        for (QCheckBox* box : {panel->chkSfxId3, panel->chkSFXbwav, panel->chksfxIXML})
            box->setChecked(true);
        QTest::keyClicks(panel->editSeries, "Weather");
        QTest::keyClicks(panel->editCD, "Storms 1");
        QTest::keyClicks(panel->editPublisher, "Moth Audio");
        form->CdNaming.Mask = "%Trc; - %FDes;";
        form->cdOutputRoot = output;
    }
    bool WaitForTracks() {
        QElapsedTimer clock;
        clock.start();
        while (form->Sounds().Count() < 3 && clock.elapsed() < 5000)
            QTest::qWait(20);
        loadMs = clock.elapsed();
        return form->Sounds().Count() == 3;
    }
    bool RipDisc() {
        form->Action("acRipDisc")->trigger();
        QElapsedTimer clock;
        clock.start();
        while ((form->Busy() || form->ImportController()->Running()) && clock.elapsed() < 50000)
            QTest::qWait(20);
        return !form->Busy() && !form->ImportController()->Running();
    }
    QByteArray TrackBytes(int track) const {
        const int sectors[] = {60, 45, 30};
        int start = 0;
        for (int i = 0; i < track; ++i)
            start += sectors[i];
        return bin.mid(start * TCdImageWriter::SectorBytes, sectors[track] * TCdImageWriter::SectorBytes);
    }
    QStringList Files(const QString& folder) const {
        return QDir(folder).entryList(QDir::Files, QDir::Name);
    }

    TTestDir program;
    TRecordingMessages messages;
    QByteArray bin;
    std::unique_ptr<TCDcontrol> cd;
    std::unique_ptr<TfMainForm> form;
    TfrCdimport* panel = nullptr;
    QString output;
    qint64 loadMs = 0;
};

TEST_F(ImportInMainForm, RipDiscGivesNamedTaggedWavFilesWithTheDiscsExactAudio) {
    ASSERT_TRUE(WaitForTracks());
    EXPECT_LT(loadMs, 2000);
    FillSfxPanel();
    ASSERT_TRUE(RipDisc());
    EXPECT_TRUE(messages.Messages.isEmpty()) << messages.Messages.join("|").toStdString();
    ASSERT_EQ(Files(output), QStringList({"01 - Track 01.wav", "02 - Track 02.wav", "03 - Track 03.wav"}));
    for (int track = 0; track < 3; ++track) {
        const QByteArray wav = program.Read("out/" + Files(output)[track]);
        EXPECT_TRUE(Chunk(wav, "data") == TrackBytes(track)) << track;
        const QByteArray id3 = Chunk(wav, "id3 ");
        for (const char* value : {"Weather", "Storms 1", "Moth Audio"})
            EXPECT_TRUE(id3.contains(value)) << value;
        EXPECT_TRUE(Chunk(wav, "bext").startsWith(QString("Track %1").arg(track + 1, 2, 10, QChar('0')).toLatin1()));
        EXPECT_FALSE(Chunk(wav, "iXML").isEmpty());
        EXPECT_TRUE(form->Sounds().Items(track)->RipReport.contains("AccurateRip v1 "));
    }
}

TEST_F(ImportInMainForm, ConvertsTo48kHz24BitIntoAutomaticFolders) {
    ASSERT_TRUE(WaitForTracks());
    FillSfxPanel();
    form->CdNaming.AutoFolder = true;
    form->CdNaming.AutoFolderPublisher = true;
    form->OutputFormat = TOutputFormat{sfwav, 256, 24, 48000};
    ASSERT_TRUE(RipDisc());
    const QString folder = output + "/Moth Audio/Weather/Storms 1";
    ASSERT_EQ(Files(folder).size(), 3) << Files(output).join(",").toStdString();
    const QByteArray wav = program.Read("out/Moth Audio/Weather/Storms 1/" + Files(folder)[0]);
    const QByteArray fmt = Chunk(wav, "fmt ");
    EXPECT_EQ(qFromLittleEndian<quint32>(fmt.constData() + 4), 48000u);
    EXPECT_EQ(qFromLittleEndian<quint16>(fmt.constData() + 14), 24);
    EXPECT_TRUE(Chunk(wav, "id3 ").contains("Storms 1"));
}

TEST_F(ImportInMainForm, EncodesMp3WithThePanelsTags) {
    SKIP_WITHOUT_TOOL("lame");
    SKIP_WITHOUT_TOOL("ffprobe");
    ASSERT_TRUE(WaitForTracks());
    FillSfxPanel();
    form->OutputFormat = TOutputFormat{sfmp3, 128, 16, 44100};
    ASSERT_TRUE(RipDisc());
    ASSERT_EQ(Files(output), QStringList({"01 - Track 01.mp3", "02 - Track 02.mp3", "03 - Track 03.mp3"}));
    QProcess probe;
    probe.start("ffprobe", {"-v", "error", "-show_entries", "format_tags=artist,album,title", "-of",
                            "default=noprint_wrappers=1", output + "/02 - Track 02.mp3"});
    ASSERT_TRUE(probe.waitForFinished(30000));
    const QStringList tags = QString::fromUtf8(probe.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    EXPECT_TRUE(tags.contains("TAG:artist=Weather")) << tags.join("|").toStdString();
    EXPECT_TRUE(tags.contains("TAG:album=Storms 1"));
    EXPECT_TRUE(tags.contains("TAG:title=Track 02"));
}

TEST_F(ImportInMainForm, ClosingDuringARipLeavesNoCutTrack) {
    ASSERT_TRUE(WaitForTracks());
    FillSfxPanel();
    form->Action("acRipDisc")->trigger();
    ASSERT_TRUE(form->Busy() || !form->ImportController()->Running());
    form->close();
    EXPECT_FALSE(form->ImportController()->Running());
    // Each file left is a whole track.
    const QStringList files = Files(output);
    for (int i = 0; i < files.size(); ++i)
        EXPECT_TRUE(Chunk(program.Read("out/" + files[i]), "data") == TrackBytes(i)) << files[i].toStdString();
}
} // namespace

namespace {
TEST_F(ImportInMainForm, TheFormatDialogChangesTheFormatOnlyWithOk) {
    bool accept = false;
    form->RunFormatDialog = [&accept](TfFileFormat& dialog) {
        emit dialog.bitCombo->activated(2); // 24 bit
        return accept;
    };
    panel->btnFileFormat->click();
    EXPECT_EQ(form->OutputFormat.BitDepth, 16);
    EXPECT_EQ(panel->lblFileFormat->text(), "Wav 16Bit, 44.100Khz");
    accept = true;
    panel->btnFileFormat->click();
    EXPECT_EQ(form->OutputFormat.BitDepth, 24);
    EXPECT_EQ(panel->lblFileFormat->text(), "Wav 24Bit, 44.100Khz");
}
} // namespace
