#include "cdimport/TPcmSourceDevice.h"
#include "cdimport/TSoundFileSource.h"
#include "cdimport/TWavHeader.h"
#include "common/TTestDir.h"

#include <QFile>
#include <QtEndian>

#include <gtest/gtest.h>

namespace {
// A mono 16-bit WAV of `frames` rising sample values.
QString WriteMonoWav(const TTestDir& dir, const QString& name, int frames, QByteArray& samples) {
    samples.resize(qsizetype(frames) * 2);
    for (int i = 0; i < frames; ++i)
        qToLittleEndian(qint16(i), samples.data() + 2 * i);
    const QString path = dir.Write(name, TWavHeader::Build(1, 16) + samples);
    QFile file(path);
    file.open(QIODevice::ReadWrite);
    TWavHeader::PatchSizes(file);
    return path;
}
} // namespace

TEST(TSoundFileSource, DecodesAWavFileAndSeeks) {
    TTestDir dir;
    QByteArray samples;
    auto source = TSoundFileSource::Open(WriteMonoWav(dir, "tone.wav", 1000, samples));
    ASSERT_TRUE(source);
    EXPECT_EQ(source->Format().Channels, 1);
    EXPECT_EQ(source->Format().SampleRate, 44100);
    EXPECT_EQ(source->Length(), 2000);

    QByteArray read(2000, '\0');
    EXPECT_EQ(source->Read(read.data(), 2000), 2000);
    EXPECT_TRUE(read == samples);
    EXPECT_FALSE(source->IsActive());

    source->Seek(1001); // rounds down to a whole frame
    EXPECT_EQ(source->Position(), 1000);
    EXPECT_EQ(source->Read(read.data(), 2000), 1000);
    EXPECT_TRUE(read.left(1000) == samples.mid(1000));
}

TEST(TSoundFileSource, FileThatIsNoSoundGivesNoSource) {
    TTestDir dir;
    EXPECT_EQ(TSoundFileSource::Open(dir.Write("text.wav", "not a sound")), nullptr);
    EXPECT_EQ(TSoundFileSource::Open(dir.File("missing.wav")), nullptr);
}

TEST(TPcmSourceDevice, HandsTheSourceBytesToAReader) {
    TTestDir dir;
    QByteArray samples;
    auto source = TSoundFileSource::Open(WriteMonoWav(dir, "tone.wav", 500, samples));
    ASSERT_TRUE(source);
    TPcmSourceDevice device(*source);
    ASSERT_TRUE(device.open(QIODevice::ReadOnly));

    EXPECT_EQ(device.bytesAvailable(), 1000);
    EXPECT_TRUE(device.readAll() == samples);
    EXPECT_TRUE(device.atEnd());
}
