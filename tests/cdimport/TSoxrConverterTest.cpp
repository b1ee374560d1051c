#include "cdimport/TSineWav.h"
#include "cdimport/TSoxrConverter.h"
#include "common/TTestDir.h"

#include <QFile>

#include <gtest/gtest.h>

#include <cmath>

namespace {
struct TTarget {
    int SampleRate;
    int BitDepth;
    int Subtype;
};

class TSoxrConverterTest : public ::testing::TestWithParam<TTarget> {
protected:
    TSoxrConverterTest() { EXPECT_TRUE(TSineWav::Write(source, 44100, 1.0, 1000.0)); }

    TTestDir dir;
    const QString source = dir.File("Track 01.wav");
    const QString converted = dir.File("Track 01.wav_");
};
} // namespace

TEST_P(TSoxrConverterTest, WritesTheTargetFormatWithTheSameTone) {
    const TTarget target = GetParam();
    QList<qint64> progress;

    const QString error = TSoxrConverter::Convert(source, converted, target.SampleRate, target.BitDepth,
                                                  [&](qint64 done, qint64 total) {
                                                      progress.append(done);
                                                      EXPECT_EQ(total, 44100);
                                                  });

    ASSERT_EQ(error, "");
    const TSineWav::TInfo info = TSineWav::Info(converted);
    ASSERT_TRUE(info.Opened);
    EXPECT_EQ(info.SampleRate, target.SampleRate);
    EXPECT_EQ(info.Channels, 2);
    EXPECT_EQ(info.Format, SF_FORMAT_WAV | target.Subtype);
    EXPECT_LE(std::abs(double(info.Frames) - 44100.0 * target.SampleRate / 44100), 1.0);
    EXPECT_NEAR(TSineWav::MeasureFrequency(converted), 1000.0, 0.5);
    ASSERT_FALSE(progress.isEmpty());
    EXPECT_EQ(progress.last(), 44100);
    EXPECT_EQ(TSineWav::Info(source).SampleRate, 44100) << "the source is left alone";
}

INSTANTIATE_TEST_SUITE_P(
    EveryRateAndDepth, TSoxrConverterTest,
    ::testing::Values(TTarget{48000, 8, SF_FORMAT_PCM_U8}, TTarget{48000, 16, SF_FORMAT_PCM_16},
                      TTarget{48000, 24, SF_FORMAT_PCM_24}, TTarget{48000, 32, SF_FORMAT_FLOAT},
                      TTarget{48000, 64, SF_FORMAT_DOUBLE}, TTarget{96000, 8, SF_FORMAT_PCM_U8},
                      TTarget{96000, 16, SF_FORMAT_PCM_16}, TTarget{96000, 24, SF_FORMAT_PCM_24},
                      TTarget{96000, 32, SF_FORMAT_FLOAT}, TTarget{96000, 64, SF_FORMAT_DOUBLE}),
    [](const ::testing::TestParamInfo<TTarget>& info) {
        return std::to_string(info.param.SampleRate) + "Hz" + std::to_string(info.param.BitDepth) + "bit";
    });

TEST(TSoxrConverterFailureTest, FailuresLeaveTheSourceAndNoDestination) {
    TTestDir dir;
    const QString sine = dir.File("sine.wav");
    ASSERT_TRUE(TSineWav::Write(sine, 44100, 0.1, 1000.0));
    const QString garbage = dir.Write("garbage.wav", "RIFF but nothing of a WAV file");
    dir.MakeFolder("blocked.wav_"); // a folder where the destination would go

    struct TCase {
        QString Source;
        QString Destination;
        int BitDepth;
    };
    const TCase cases[] = {
        {garbage, dir.File("garbage.wav_"), 24},
        {dir.File("missing.wav"), dir.File("missing.wav_"), 24},
        {sine, dir.File("sine.wav_"), 12},
        {sine, dir.File("blocked.wav_"), 24},
    };
    const QByteArray sineBytes = dir.Read("sine.wav");
    for (const TCase& c : cases) {
        EXPECT_NE(TSoxrConverter::Convert(c.Source, c.Destination, 48000, c.BitDepth), "") << c.Source.toStdString();
        EXPECT_FALSE(QFileInfo(c.Destination).isFile()) << c.Destination.toStdString();
    }
    EXPECT_EQ(dir.Read("sine.wav"), sineBytes);
    EXPECT_EQ(dir.Read("garbage.wav"), "RIFF but nothing of a WAV file");
}
