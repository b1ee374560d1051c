#include "cdimport/TAccurateRipSum.h"
#include "cdimport/TCDcontrol.h"
#include "cdimport/TCdImageWriter.h"
#include "cdimport/TFakeAudioOutput.h"
#include "cdimport/TFakeCdDrives.h"
#include "cdimport/TFileSizeLimit.h"
#include "cdimport/TLibcdioDrives.h"
#include "cdimport/WaitForRipEnd.h"
#include "common/QtPrinters.h"
#include "common/TTestDir.h"

#include <QDir>

#include <QFileInfo>
#include <QtEndian>

#include <gtest/gtest.h>

namespace {
using TTrack = TCdImageWriter::TTrack;

quint32 UInt32At(const QByteArray& bytes, int offset) {
    return qFromLittleEndian<quint32>(bytes.constData() + offset);
}
quint16 UInt16At(const QByteArray& bytes, int offset) {
    return qFromLittleEndian<quint16>(bytes.constData() + offset);
}

// A disc image of a 750-sector (1,764,000-byte) tone and a data track, ripped by the real
// libcdio and paranoia reads.
class TRipperTest : public ::testing::Test {
protected:
    TRipperTest() {
        bin = TCdImageWriter::Write(dir.File("discs"), "Disc", {TTrack{750}, TTrack{300, 0, true}});
        cd = std::make_unique<TCDcontrol>(std::make_unique<TLibcdioDrives>(dir.File("discs"), false),
                                          std::make_unique<TFakeAudioOutput>());
        cd->OnStatus = [this] { statuses.append(cd->StatusText()); };
        cd->OnRipDone = [this] { ++ripsDone; };
    }

    QByteArray Rip(const QString& name, int track) {
        const TResult started = cd->RipTrack(dir.File(name), track);
        EXPECT_TRUE(started) << started.ErrorText().toStdString();
        EXPECT_TRUE(WaitForRipEnd(*cd));
        return dir.Read(name);
    }

    TTestDir dir;
    QByteArray bin;
    std::unique_ptr<TCDcontrol> cd;
    QStringList statuses;
    int ripsDone = 0;
};
} // namespace

TEST_F(TRipperTest, RippedFileHoldsTheHeaderAndTheImageSamples) {
    const QByteArray wav = Rip("one.wav", 0);

    ASSERT_EQ(wav.size(), 1764044);
    EXPECT_EQ(wav.left(4), "RIFF");
    EXPECT_EQ(UInt32At(wav, 4), 1764036u);
    EXPECT_EQ(wav.mid(8, 8), "WAVEfmt ");
    EXPECT_EQ(UInt32At(wav, 16), 16u);
    EXPECT_EQ(UInt16At(wav, 20), 1);
    EXPECT_EQ(UInt16At(wav, 22), 2);
    EXPECT_EQ(UInt32At(wav, 24), 44100u);
    EXPECT_EQ(UInt32At(wav, 28), 176400u);
    EXPECT_EQ(UInt16At(wav, 32), 4);
    EXPECT_EQ(UInt16At(wav, 34), 16);
    EXPECT_EQ(wav.mid(36, 4), "data");
    EXPECT_EQ(UInt32At(wav, 40), 1764000u);
    EXPECT_TRUE(wav.mid(44) == bin.left(1764000));
    EXPECT_EQ(ripsDone, 1);
    EXPECT_FALSE(cd->Ripping());
    EXPECT_EQ(cd->RipError(), "");
    // Track 1 of the disc and its last audio track: both ends are left out of the sums.
    TAccurateRipSum sum(1764000, true, true);
    sum.Add(bin.constData(), 1764000);
    EXPECT_EQ(cd->RipReport(), "Secure rip: no corrections; " + sum.Text());
}

TEST_F(TRipperTest, StatusTextsAndAProgressCounterThatCarriesOver) {
    // 177 blocks: progress after blocks 51, 102 and 153; 24 blocks stay counted.
    Rip("first.wav", 0);
    EXPECT_EQ(statuses, (QStringList{"Starting..", "Ripped 28%", "Ripped 57%", "Ripped 86%",
                                     "Closing file ...", "Done"}));
    EXPECT_EQ(cd->Percent(), 86);

    // The next rip's first update comes after 27 blocks.
    statuses.clear();
    Rip("second.wav", 0);
    EXPECT_EQ(statuses.mid(0, 2), (QStringList{"Starting..", "Ripped 15%"}));
}

TEST_F(TRipperTest, CancelLeavesAValidShorterFile) {
    ASSERT_TRUE(cd->RipTrack(dir.File("cut.wav"), 0));
    cd->CancelRip();
    ASSERT_TRUE(WaitForRipEnd(*cd));
    const QByteArray wav = dir.Read("cut.wav");

    ASSERT_GT(wav.size(), 44);
    EXPECT_LT(wav.size(), 1764044);
    EXPECT_EQ(UInt32At(wav, 4), quint32(wav.size() - 8));
    EXPECT_EQ(UInt32At(wav, 40), quint32(wav.size() - 44));
    EXPECT_TRUE(wav.mid(44) == bin.left(wav.size() - 44));
    EXPECT_EQ(ripsDone, 1);
    EXPECT_EQ(statuses.last(), "Done");
}

TEST_F(TRipperTest, UncreatableFileIsAnErrorBeforeWritingAndClearsRipping) {
    const QString path = dir.File("missing folder/x.wav");
    const TResult started = cd->RipTrack(path, 0);
    EXPECT_TRUE(started.ErrorText().startsWith("Cannot create file \"" + path + "\"."))
        << started.ErrorText().toStdString();
    EXPECT_FALSE(cd->Ripping());
    EXPECT_FALSE(QFileInfo::exists(path));
    EXPECT_EQ(ripsDone, 0);

    // Previews work again.
    cd->PlayTrack(0);
    EXPECT_TRUE(cd->IsPreviewPlaying());
}

TEST_F(TRipperTest, HeaderThatCannotBeWrittenLeavesNoFileUnderTheName) {
    const QString path = dir.File("full.wav");
    TResult started;
    {
        TFileSizeLimit diskFull(10);
        started = cd->RipTrack(path, 0);
    }
    EXPECT_EQ(started.ErrorText().toStdString(),
              QString("Cannot write file \"%1\". File too large").arg(path).toStdString());
    EXPECT_FALSE(QFileInfo::exists(path));
    EXPECT_FALSE(cd->Ripping());
    EXPECT_EQ(ripsDone, 0);

    // A device is never removed, even though the process may be allowed to.
    EXPECT_EQ(cd->RipTrack("/dev/full", 0).ErrorText(), "Cannot write file \"/dev/full\". No space left on device");
    EXPECT_TRUE(QFileInfo::exists("/dev/full"));
}

TEST_F(TRipperTest, WriteErrorKeepsTheSystemsReasonAndTheFileName) {
    const QString path = dir.File("half.wav");
    {
        TFileSizeLimit diskFull(500000);
        ASSERT_TRUE(cd->RipTrack(path, 0));
        ASSERT_TRUE(WaitForRipEnd(*cd));
    }
    EXPECT_EQ(cd->RipError().toStdString(),
              QString("Cannot write file \"%1\". File too large").arg(path).toStdString());
    EXPECT_EQ(ripsDone, 1);
    const QByteArray wav = dir.Read("half.wav");
    ASSERT_EQ(wav.size(), 500000);
    EXPECT_EQ(UInt32At(wav, 40), 500000u - 44) << "the part written is a valid, shorter WAV";
}

TEST_F(TRipperTest, TrackThatCannotBeOpenedIsAnErrorAndWritesNothing) {
    const struct {
        int Track;
        bool DiscGone;
        const char* Error;
    } cases[] = {
        {1, false, "Cannot open Track 02 for ripping: it is a data track"},
        {5, false, "Cannot open Track 06 for ripping: the disc has no such track"},
        {0, true, "Cannot open Track 01 for ripping: there is no readable disc in the drive"},
    };
    for (const auto& c : cases) {
        if (c.DiscGone)
            QDir(dir.File("discs")).removeRecursively();
        EXPECT_EQ(cd->RipTrack(dir.File("none.wav"), c.Track).ErrorText().toStdString(), c.Error);
        EXPECT_FALSE(QFileInfo::exists(dir.File("none.wav"))) << c.Error;
        EXPECT_FALSE(cd->Ripping()) << c.Error;
    }
    EXPECT_EQ(ripsDone, 0);
}

TEST(TRipperReadTest, UnreadableSectorsAreTheTracksRipErrorAndCorrectionsItsReport) {
    TTestDir dir;
    auto drives = std::make_unique<TFakeCdDrives>();
    drives->TrackBytes = {176400, 176400};
    drives->ReadError = "3 sectors could not be read, the first at 00:00 of the track";
    drives->ReadReport = "Secure rip: 1 jitter correction";
    TCDcontrol cd(std::move(drives), std::make_unique<TFakeAudioOutput>());

    ASSERT_TRUE(cd.RipTrack(dir.File("two.wav"), 1));
    ASSERT_TRUE(WaitForRipEnd(cd));

    EXPECT_EQ(cd.RipError(), "Track 02: 3 sectors could not be read, the first at 00:00 of the track");
    EXPECT_EQ(cd.RipReport(), "Secure rip: 1 jitter correction");
    EXPECT_EQ(cd.StatusText(), cd.RipError());
}

TEST_F(TRipperTest, NextRipCanStartFromTheDoneNotification) {
    int started = 0;
    cd->OnRipDone = [&] {
        if (++started == 1) {
            EXPECT_TRUE(cd->RipTrack(dir.File("chained.wav"), 0));
        }
    };
    ASSERT_TRUE(cd->RipTrack(dir.File("first.wav"), 0));
    ASSERT_TRUE(WaitForRipEnd(*cd));
    ASSERT_TRUE(WaitForRipEnd(*cd));
    EXPECT_EQ(started, 2);
    EXPECT_EQ(dir.Read("chained.wav").size(), 1764044);
}

TEST(TRipperImageTest, ReadPastTheEndOfTheImageIsAnErrorInBothReadModes) {
    // The cue declares a second track of 750 sectors; the .bin ends after 375 of them (a cut
    // download). Paranoia would hand out silence for the rest.
    TTestDir dir;
    const QByteArray bin = TCdImageWriter::Write(dir.File("discs"), "Disc", {TTrack{750}, TTrack{750}, TTrack{300}});
    QFile cut(dir.File("discs/Disc.bin"));
    ASSERT_TRUE(cut.resize(qint64(1125) * TCdImageWriter::SectorBytes));
    for (const TCdReadMode mode : {TCdReadMode::Plain, TCdReadMode::Secure}) {
        const char* name = mode == TCdReadMode::Secure ? "secure" : "plain";
        TCDcontrol cd(std::make_unique<TLibcdioDrives>(dir.File("discs"), false),
                      std::make_unique<TFakeAudioOutput>());
        cd.SetRipReadMode(mode);
        const TResult started = cd.RipTrack(dir.File(QString(name) + ".wav"), 1);
        ASSERT_TRUE(started) << name << ": " << started.ErrorText().toStdString();
        ASSERT_TRUE(WaitForRipEnd(cd)) << name;
        EXPECT_EQ(cd.RipError(), "Track 02: Read error at sector 1126") << name;
        EXPECT_NE(cd.StatusText(), "Done") << name;
    }
}
