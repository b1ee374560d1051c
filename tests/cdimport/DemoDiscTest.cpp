// The demo disc that scripts/run gives a machine without a CD drive, read as Trackmoth reads it.
#include "cdimport/TCdioHandles.h"
#include "cdimport/TLibcdioDrives.h"
#include "common/SkipWithoutTool.h"
#include "common/TTestDir.h"

#include <QFile>
#include <QProcess>

#include <cdio/cdtext.h>

#include <gtest/gtest.h>

namespace {
QString CdText(cdtext_t* text, cdtext_field_t field, int track) {
    const char* value = text ? cdtext_get_const(text, field, track_t(track)) : nullptr;
    return value ? QString::fromUtf8(value) : QString();
}
} // namespace

TEST(DemoDisc, IsAnImageOfSoundEffectsWithCdTextTitles) {
    SKIP_WITHOUT_TOOL("sox");
    TTestDir dir;
    const QString discs = dir.File("discs");
    QProcess script;
    script.start(TRACKMOTH_SOURCE_DIR "/scripts/make-demo-disc", {discs});
    ASSERT_TRUE(script.waitForFinished(50000));
    ASSERT_EQ(script.exitCode(), 0) << script.readAllStandardError().toStdString();

    TLibcdioDrives drives(discs, false);
    ASSERT_TRUE(drives.Info(0));
    EXPECT_EQ(drives.Info(0)->Name, "Demo Effects.cue");
    EXPECT_FALSE(drives.Info(1));
    ASSERT_EQ(drives.TrackCount(0), 7);
    for (int track = 0; track < 7; ++track) {
        const qint64 bytes = drives.TrackLength(0, track);
        EXPECT_GE(bytes, 4 * 176400) << track; // no shorter than a CD allows
        EXPECT_LE(bytes, 10 * 176400) << track;
    }
    EXPECT_FALSE(drives.CddbId(0).isEmpty());
    const TCdText cdText = drives.CdText(0);
    EXPECT_EQ(cdText.Album, "Demo Effects");
    EXPECT_EQ(cdText.Performer, "Trackmoth");
    ASSERT_EQ(cdText.TrackTitles.size(), 7);
    EXPECT_EQ(cdText.TrackTitles[0], "Rain, heavy on a tin roof");
    EXPECT_EQ(cdText.TrackTitles[2], "Bell, single strike, long decay");

    // The titles come to the import from the cue sheet's CD-Text, which libcdio reads.
    const QByteArray cue = QFile::encodeName(discs + "/Demo Effects.cue");
    TCdioHandle cdio(cdio_open(cue.constData(), DRIVER_BINCUE));
    ASSERT_TRUE(cdio);
    cdtext_t* text = cdio_get_cdtext(cdio.get());
    EXPECT_EQ(CdText(text, CDTEXT_FIELD_TITLE, 0), "Demo Effects");
    EXPECT_EQ(CdText(text, CDTEXT_FIELD_PERFORMER, 0), "Trackmoth");
    EXPECT_EQ(CdText(text, CDTEXT_FIELD_TITLE, 1), "Rain, heavy on a tin roof");
    EXPECT_EQ(CdText(text, CDTEXT_FIELD_TITLE, 3), "Bell, single strike, long decay");
    EXPECT_EQ(CdText(text, CDTEXT_FIELD_TITLE, 7), "Birds, morning chirps");
}
