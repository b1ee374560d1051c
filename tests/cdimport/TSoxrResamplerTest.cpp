#include "common/BorrowedSound.h"
#include "app/tsound.h"
#include "cdimport/RunStageJob.h"
#include "cdimport/TSineWav.h"
#include "cdimport/TSoxrResampler.h"
#include "common/TTestDir.h"

#include <QDir>

#include <algorithm>

#include <gtest/gtest.h>

namespace {
const TOutputFormat wav48k24{sfwav, 256, 24, 48000};

class TSoxrResamplerTest : public ::testing::Test {
protected:
    TSoxrResamplerTest() {
        sound.path = dir.File("Track 01.wav");
        job = std::make_shared<TsdxJob>(TsdxJob{jkResample, jsWaiting, BorrowedSound(sound), 0, rip});
    }
    QStringList Files() const { return QDir(dir.Path()).entryList(QDir::Files); }

    TTestDir dir;
    const QString rip = dir.File("Track 01.wav.part"); // where the ripper wrote
    tsound sound;
    std::shared_ptr<TsdxJob> job;
    TSoxrResampler stage;
};
} // namespace

TEST_F(TSoxrResamplerTest, ConvertedFileIsWrittenBesideAndTheRipRemoved) {
    dir.Write("Track 01.wav", "an earlier take");
    ASSERT_TRUE(TSineWav::Write(rip, 44100, 0.5, 1000.0));
    sound.CopyCount = 37;
    bool done = false;
    stage.SetOnDone([&] { done = true; });

    stage.Start(job, wav48k24, false);
    const bool sawRunning = stage.Busy() && sound.Status == ssConverting && job->JobState == jsRunning;
    QElapsedTimer clock;
    clock.start();
    while (!done && clock.elapsed() < 60000) {
        QCoreApplication::processEvents();
        QThread::msleep(1);
    }

    EXPECT_TRUE(sawRunning);
    EXPECT_EQ(Files(), QStringList({"Track 01.wav", "Track 01.wav 2.part"}));
    EXPECT_EQ(dir.Read("Track 01.wav"), "an earlier take") << "the job handler puts it in place";
    EXPECT_EQ(stage.LastResult().Output, dir.File("Track 01.wav 2.part"));
    const TSineWav::TInfo info = TSineWav::Info(stage.LastResult().Output);
    EXPECT_EQ(info.SampleRate, 48000);
    EXPECT_EQ(info.Format, SF_FORMAT_WAV | SF_FORMAT_PCM_24);
    EXPECT_EQ(sound.Status, ssDone);
    EXPECT_EQ(sound.CopyCount, 0);
    EXPECT_EQ(job->JobState, jsDone);
    EXPECT_FALSE(stage.Busy());
    EXPECT_EQ(stage.Percent(), 100);
}

TEST_F(TSoxrResamplerTest, FailedConversionKeepsTheRipUnderItsIncompleteName) {
    const QByteArray ripped = "RIFF....WAVE but cut short";
    dir.Write("Track 01.wav", "an earlier take");
    dir.Write("Track 01.wav.part", ripped);

    ASSERT_TRUE(RunStageJob(stage, job, wav48k24, false));

    EXPECT_EQ(sound.Status, sserror);
    EXPECT_EQ(job->JobState, jsDone);
    EXPECT_EQ(stage.LastResult().KeptAs, dir.File("Track 01 (incomplete).wav"));
    EXPECT_EQ(dir.Read("Track 01 (incomplete).wav"), ripped);
    EXPECT_EQ(dir.Read("Track 01.wav"), "an earlier take");
    EXPECT_EQ(Files(), QStringList({"Track 01 (incomplete).wav", "Track 01.wav"}));
}

TEST_F(TSoxrResamplerTest, JobsRunOneAfterAnother) {
    tsound second;
    second.path = dir.File("Track 02.wav");
    const QString secondRip = dir.File("Track 02.wav.part");
    ASSERT_TRUE(TSineWav::Write(rip, 44100, 0.2, 1000.0));
    ASSERT_TRUE(TSineWav::Write(secondRip, 44100, 0.2, 1000.0));

    ASSERT_TRUE(RunStageJob(stage, job, {sfwav, 256, 16, 96000}, false));
    const QString first = stage.LastResult().Output;
    ASSERT_TRUE(RunStageJob(stage, std::make_shared<TsdxJob>(TsdxJob{jkResample, jsWaiting, BorrowedSound(second), 1, secondRip}),
                            {sfwav, 256, 16, 96000}, false));

    EXPECT_EQ(TSineWav::Info(first).SampleRate, 96000);
    EXPECT_EQ(TSineWav::Info(stage.LastResult().Output).SampleRate, 96000);
    EXPECT_EQ(second.Status, ssDone);
}

TEST_F(TSoxrResamplerTest, ProgressTimerCopiesThePercentIntoTheSound) {
    ASSERT_TRUE(TSineWav::Write(rip, 44100, 20.0, 1000.0));
    TSoxrResampler fastTicking(nullptr, 5);
    QList<int> seen;
    bool done = false;
    fastTicking.SetOnDone([&] { done = true; });

    fastTicking.Start(job, {sfwav, 256, 64, 96000}, false);
    QElapsedTimer clock;
    clock.start();
    while (!done && clock.elapsed() < 60000) {
        QCoreApplication::processEvents();
        if (seen.isEmpty() || seen.last() != sound.CopyCount)
            seen.append(sound.CopyCount);
        QThread::msleep(1);
    }

    EXPECT_GT(*std::max_element(seen.begin(), seen.end()), 0) << "progress shown while converting";
    EXPECT_TRUE(std::is_sorted(seen.begin(), seen.end() - 1));
    EXPECT_EQ(sound.CopyCount, 0) << "back to 0 at the end";
}
