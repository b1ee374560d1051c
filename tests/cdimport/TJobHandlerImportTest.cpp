#include "common/BorrowedSound.h"
#include "app/tsound.h"
#include "cdimport/TCDcontrol.h"
#include "cdimport/TCDcontrolRipper.h"
#include "cdimport/TCdImageWriter.h"
#include "cdimport/TFakeAudioOutput.h"
#include "cdimport/TFileSizeLimit.h"
#include "cdimport/TJobHandler.h"
#include "cdimport/TLibcdioDrives.h"
#include "cdimport/TSineWav.h"
#include "common/SkipWithoutTool.h"
#include "common/TRecordingMessages.h"
#include "common/TTestDir.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QThread>

#include <gtest/gtest.h>

#include <vector>

namespace {
using TTrack = TCdImageWriter::TTrack;

// Whole imports of a three-track disc image: the real ripper, resampler, encoder and tagger.
class TJobHandlerImportTest : public ::testing::Test {
protected:
    TJobHandlerImportTest() {
        TCdImageWriter::Write(dir.File("discs"), "Disc", {TTrack{75, 440.0}, TTrack{75, 1000.0}, TTrack{75, 2000.0}});
        cd = std::make_unique<TCDcontrol>(std::make_unique<TLibcdioDrives>(dir.File("discs"), false),
                                          std::make_unique<TFakeAudioOutput>());
        ripper = std::make_unique<TCDcontrolRipper>(*cd);
        handler = std::make_unique<TJobHandler>(*ripper);
        handler->Tagger().WriteID3 = true;
        dir.MakeFolder("out");
    }

    bool Import(const TOutputFormat& format) {
        handler->ResetJobs();
        handler->SetOutputFormat(format);
        const QString extension = format.AudioFormat == sfmp3 ? ".mp3" : ".wav";
        for (int i = 0; i < 3; ++i) {
            auto sound = std::make_unique<tsound>();
            sound->path = dir.File(QString("out/Track %1%2").arg(i + 1, 2, 10, QChar('0')).arg(extension));
            sound->Format = format.AudioFormat;
            sound->ID3.Title = QString("Tone %1").arg(i + 1);
            handler->AddRipJob(BorrowedSound(*sound), i);
            sounds.push_back(std::move(sound));
        }
        bool finished = false;
        handler->OnFinished = [&finished] { finished = true; };
        handler->StartJobs();
        QElapsedTimer clock;
        clock.start();
        while (!finished && clock.elapsed() < 60000) {
            QCoreApplication::processEvents();
            QThread::msleep(1);
        }
        handler->OnFinished = {};
        return finished;
    }

    QStringList OutFiles() const { return QDir(dir.File("out")).entryList(QDir::Files); }

    TTestDir dir;
    TRecordingMessages messages;
    std::vector<std::unique_ptr<tsound>> sounds;
    std::unique_ptr<TCDcontrol> cd;
    std::unique_ptr<TCDcontrolRipper> ripper;
    std::unique_ptr<TJobHandler> handler;
};
} // namespace

TEST_F(TJobHandlerImportTest, RipsResamplesAndTagsEveryTrack) {
    ASSERT_TRUE(Import({sfwav, 256, 24, 48000}));

    EXPECT_EQ(OutFiles(), QStringList({"Track 01.wav", "Track 02.wav", "Track 03.wav"}));
    const double tones[] = {440.0, 1000.0, 2000.0};
    for (int i = 0; i < 3; ++i) {
        const tsound& sound = *sounds[size_t(i)];
        EXPECT_EQ(sound.Status, ssnormal) << i;
        const TSineWav::TInfo info = TSineWav::Info(sound.path);
        EXPECT_EQ(info.SampleRate, 48000) << i;
        EXPECT_EQ(info.Format, SF_FORMAT_WAV | SF_FORMAT_PCM_24) << i;
        EXPECT_NEAR(double(info.Frames), 75 * 588 * 48000.0 / 44100, 1.0) << i;
        EXPECT_NEAR(TSineWav::MeasureFrequency(sound.path), tones[i], 0.5) << i;
        QFile file(sound.path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_TRUE(file.readAll().contains("id3 ")) << "tagged after its conversion: " << i;
    }
    EXPECT_TRUE(messages.Messages.isEmpty());
    EXPECT_TRUE(handler->Failures().isEmpty());
}

TEST_F(TJobHandlerImportTest, RipsAndEncodesEveryTrackToMp3) {
    SKIP_WITHOUT_TOOL("lame");
    SKIP_WITHOUT_TOOL("ffprobe");
    dir.Write("out/Track 02.wav", "an earlier WAV import of the disc");
    ASSERT_TRUE(Import({sfmp3, 128, 16, 44100}));

    EXPECT_EQ(OutFiles(), QStringList({"Track 01.mp3", "Track 02.mp3", "Track 02.wav", "Track 03.mp3"}));
    EXPECT_EQ(dir.Read("out/Track 02.wav"), "an earlier WAV import of the disc");
    EXPECT_TRUE(handler->Failures().isEmpty());
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(sounds[size_t(i)]->Status, ssnormal) << i;
        QProcess probe;
        probe.start("ffprobe", {"-v", "error", "-show_entries", "format=format_name:format_tags=title",
                                "-of", "default=noprint_wrappers=1", sounds[size_t(i)]->path});
        probe.waitForFinished(30000);
        EXPECT_EQ(QString::fromUtf8(probe.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts),
                  QStringList({"format_name=mp3", QString("TAG:title=Tone %1").arg(i + 1)}));
    }
}

TEST_F(TJobHandlerImportTest, FullDiskLeavesTheEarlierTakeAndKeepsTheCutAudioAsIncomplete) {
    const struct {
        const char* Name;
        TOutputFormat Format;
        QString Earlier;
    } cases[] = {
        {"CD WAV", {sfwav, 256, 16, 44100}, "Track 01.wav"},
        {"resampled WAV", {sfwav, 256, 24, 48000}, "Track 01.wav"},
        {"MP3", {sfmp3, 128, 16, 44100}, "Track 01.mp3"},
    };
    for (const auto& c : cases) {
        for (const QString& file : OutFiles())
            QFile::remove(dir.File("out/" + file));
        sounds.clear();
        dir.Write("out/" + c.Earlier, "the earlier good take");
        bool finished = false;
        {
            // The disk fills up 100,000 bytes into the first track's rip.
            TFileSizeLimit diskFull(100000);
            finished = Import(c.Format);
        }
        ASSERT_TRUE(finished) << c.Name;

        EXPECT_EQ(dir.Read("out/" + c.Earlier), "the earlier good take") << c.Name;
        EXPECT_EQ(OutFiles(), QStringList({"Track 01 (incomplete).wav", c.Earlier})) << c.Name;
        EXPECT_EQ(QFileInfo(dir.File("out/Track 01 (incomplete).wav")).size(), 100000) << c.Name;
        ASSERT_FALSE(handler->Failures().isEmpty()) << c.Name;
        EXPECT_TRUE(handler->Failures()[0].Reason.endsWith("File too large"))
            << handler->Failures()[0].Text().toStdString();
        EXPECT_EQ(handler->Failures().size(), 2) << "the track and the stop: " << c.Name;
    }
}
