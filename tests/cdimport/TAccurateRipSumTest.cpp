// The checksums of a rip against values worked out by hand and by an independent reference.
#include "cdimport/TAccurateRipSum.h"
#include "cdimport/TCDcontrol.h"
#include "cdimport/TCdImageWriter.h"
#include "cdimport/TFakeAudioOutput.h"
#include "cdimport/TLibcdioDrives.h"
#include "cdimport/WaitForRipEnd.h"
#include "common/QtPrinters.h"
#include "common/SkipWithoutTool.h"
#include "common/TTestDir.h"

#include <QProcess>
#include <QtEndian>

#include <gtest/gtest.h>

namespace {
QByteArray Samples(const QList<quint32>& samples) {
    QByteArray bytes(int(samples.size()) * 4, '\0');
    for (int i = 0; i < samples.size(); ++i)
        qToLittleEndian<quint32>(samples[i], bytes.data() + 4 * i);
    return bytes;
}

TAccurateRipSum SumOf(const QByteArray& bytes, bool first, bool last) {
    TAccurateRipSum sum(bytes.size(), first, last);
    sum.Add(bytes.constData(), bytes.size());
    return sum;
}

TEST(AccurateRipSum, ThreeSamplesWorkedOutByHand) {
    // v1 = 1*0x00010002 + 2*0xFFFFFFFF + 3*0x80000000 mod 2^32 = 0x80010000.
    // v2 adds the high and low halves of each product: 0x00010002 + (1 + 0xFFFFFFFE)
    // + (1 + 0x80000000) mod 2^32 = 0x80010002.
    const TAccurateRipSum sum = SumOf(Samples({0x00010002, 0xFFFFFFFF, 0x80000000}), false, false);
    EXPECT_EQ(sum.V1(), 0x80010000u);
    EXPECT_EQ(sum.V2(), 0x80010002u);
    EXPECT_EQ(sum.Text().left(33), "AccurateRip v1 80010000, v2 80010");
}

TEST(AccurateRipSum, Crc32OfTheStandardCheckText) {
    EXPECT_EQ(TAccurateRipSum::Crc32Of("123456789", 9), 0xCBF43926u);
    EXPECT_EQ(SumOf("123456789", false, false).Crc32(), 0xCBF43926u); // a split sample too
}

TEST(AccurateRipSum, BlocksMaySplitSamplesAnywhere) {
    const QByteArray bytes = TCdImageWriter::NoiseSectors(3, 77);
    const TAccurateRipSum whole = SumOf(bytes, true, false);
    TAccurateRipSum pieces(bytes.size(), true, false);
    for (qsizetype at = 0, step = 1; at < bytes.size(); at += step, step = step % 7 + 1)
        pieces.Add(bytes.constData() + at, std::min<qsizetype>(step, bytes.size() - at));
    EXPECT_EQ(pieces.V1(), whole.V1());
    EXPECT_EQ(pieces.V2(), whole.V2());
    EXPECT_EQ(pieces.Crc32(), whole.Crc32());
}

TEST(AccurateRipSum, TheDiscsEndsAreLeftOut) {
    // 10 sectors, 5,880 samples; one sample of 1 at a time.
    struct TCase {
        int Position; // from 1
        bool First, Last;
        quint32 V1;
    };
    const TCase cases[] = {
        {2939, true, false, 0},     // 5 sectors but one sample into track 1: left out
        {2940, true, false, 2940},  // the first sample counted
        {2939, false, false, 2939}, // other tracks count from the start
        {2940, false, true, 2940},  // 5,880 - 2,940: the last one counted on the last track
        {2941, false, true, 0},
        {5880, false, false, 5880},
    };
    for (const TCase& c : cases) {
        QList<quint32> samples(5880, 0);
        samples[c.Position - 1] = 1;
        const TAccurateRipSum sum = SumOf(Samples(samples), c.First, c.Last);
        EXPECT_EQ(sum.V1(), c.V1) << c.Position;
        EXPECT_EQ(sum.V2(), c.V1) << c.Position;
    }
}

// The sums of the three tracks of a generated image, ripped by the real reads, against a
// separate reference written in Python from the published algorithm.
TEST(AccurateRipSum, RipsOfAGeneratedImageMatchAnIndependentReference) {
    SKIP_WITHOUT_TOOL("python3");
    TTestDir dir;
    const QList<int> sectors = {40, 25, 33};
    const QByteArray bin = TCdImageWriter::Write(
        dir.File("discs"), "Disc", {{sectors[0], 0, false, 11}, {sectors[1], 0, false, 12}, {sectors[2], 0, false, 13}});
    const QString binPath = dir.Write("plain.bin", bin);
    TCDcontrol cd(std::make_unique<TLibcdioDrives>(dir.File("discs"), false),
                  std::make_unique<TFakeAudioOutput>());
    const char* reference = R"(
import sys, zlib, struct
data = open(sys.argv[1], 'rb').read()
sectors = [int(s) for s in sys.argv[2:]]
start = 0
for n, count in enumerate(sectors):
    track = data[start * 2352:(start + count) * 2352]
    start += count
    samples = struct.unpack('<%dI' % (len(track) // 4), track)
    lo = 2940 if n == 0 else 0
    hi = len(samples) - 2940 if n == len(sectors) - 1 else len(samples)
    v1 = sum((i + 1) * s for i, s in enumerate(samples) if lo <= i + 1 <= hi) % 2**32
    v2 = 0
    for i, s in enumerate(samples):
        if lo <= i + 1 <= hi:
            p = (i + 1) * s
            v2 += (p >> 32) + (p & 0xFFFFFFFF)
    print('AccurateRip v1 %08X, v2 %08X, CRC32 %08X' % (v1, v2 % 2**32, zlib.crc32(track)))
)";
    QProcess python;
    QStringList arguments = {"-c", reference, binPath};
    for (int count : sectors)
        arguments.append(QString::number(count));
    python.start("python3", arguments);
    ASSERT_TRUE(python.waitForFinished(30000));
    const QStringList expected = QString::fromUtf8(python.readAllStandardOutput()).trimmed().split('\n');
    ASSERT_EQ(expected.size(), 3) << python.readAllStandardError().toStdString();
    for (int track = 0; track < 3; ++track) {
        ASSERT_TRUE(cd.RipTrack(dir.File(QString("t%1.wav").arg(track)), track));
        ASSERT_TRUE(WaitForRipEnd(cd));
        EXPECT_TRUE(cd.RipReport().endsWith(expected[track])) << cd.RipReport().toStdString();
    }
}
} // namespace
