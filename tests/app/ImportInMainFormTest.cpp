// A whole CD import through the real main window: a generated disc image in "discs", the real
// reads, resampler, encoder and tagger, offscreen and with a silent sound output.
#include "app/ImportWindowFixture.h"
#include "cdimport/TfFileFormat.h"
#include "common/SkipWithoutTool.h"
#include "ui/TfrOptions.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QProcess>

namespace {
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

TEST_F(ImportInMainForm, ClosingDuringARipLeavesNoCutTrackUnderAFinalName) {
    ASSERT_TRUE(WaitForTracks());
    FillSfxPanel();
    form->Action("acRipDisc")->trigger();
    ASSERT_TRUE(form->Busy() || !form->ImportController()->Running());
    form->close();
    EXPECT_FALSE(form->ImportController()->Running());
    // Each file under a track's name is the whole track; the cut one says it is incomplete.
    const QStringList files = Files(output);
    int track = 0;
    for (const QString& file : files) {
        EXPECT_FALSE(file.endsWith(".part")) << file.toStdString();
        if (file.contains("(incomplete)"))
            continue;
        EXPECT_TRUE(Chunk(program.Read("out/" + file), "data") == TrackBytes(track++)) << file.toStdString();
    }
    EXPECT_LE(files.filter("(incomplete)").size(), 1);
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
