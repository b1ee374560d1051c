#include "ui/TsdxCDListItem.h"

#include "app/tsound.h"

#include <QStringList>

#include <gtest/gtest.h>

namespace {
tsound SoundWith(TSoundStatus status, int copyCount) {
    tsound sound;
    sound.Status = status;
    sound.CopyCount = copyCount;
    return sound;
}
} // namespace

TEST(TsdxCDListItem, StateTextOfEveryJobStatus) {
    const struct {
        TSoundStatus status;
        int copyCount;
        const char* text;
        int pointSize;
    } cases[] = {
        {ssRipping, 40, "Ripping.. 40%", 12},
        {ssRipping, 0, "Ripping.. 0%", 12},
        {ssConverting, 73, "Converting.. 73%", 12},
        {ssWaiting, 0, "Waiting.. ", 8},
        {ssNeedConvert, 0, "Waiting for converting ", 8},
        {ssDone, 100, "Done ", 8},
    };
    for (const auto& c : cases) {
        quint8 dots = 0;
        EXPECT_TRUE(TsdxCDListItem::IsJobStatus(c.status));
        EXPECT_EQ(TsdxCDListItem::JobStateText(SoundWith(c.status, c.copyCount), dots),
                  QString(c.text));
        EXPECT_EQ(TsdxCDListItem::JobStateTextPointSize(c.status), c.pointSize);
        EXPECT_EQ(dots, 0) << "only an unknown conversion percentage animates";
    }
    for (TSoundStatus plain : {ssnormal, sserror, ssplaying, ssCdTrack, ssRenameTag})
        EXPECT_FALSE(TsdxCDListItem::IsJobStatus(plain));
}

TEST(TsdxCDListItem, ConvertingWithoutPercentageCyclesFiveTexts) {
    const QStringList expected = {"Converting. ", "Converting.. ", "Converting... ",
                                  "Converting.... ", "Converting..... ", "Converting. ",
                                  "Converting.. "};
    for (int unknown : {0, -1}) {
        const tsound sound = SoundWith(ssConverting, unknown);
        quint8 dots = 0;
        QStringList texts;
        for (int paint = 0; paint < expected.size(); ++paint)
            texts << TsdxCDListItem::JobStateText(sound, dots);
        EXPECT_EQ(texts, expected);
    }
}

TEST(TsdxCDListItem, TagSummary) {
    const struct {
        const char* artist;
        const char* band;
        const char* album;
        const char* summary;
    } cases[] = {
        {"Artist", "Band", "Album", "Artist - Album"},
        {"", "Band", "Album", " - Band - Album"},
        {"", "Band", "", " - Band"},
        {"Artist", "", "", "Artist"},
        {"", "", "Album", " - Album"},
        {"", "", "", ""},
    };
    for (const auto& c : cases) {
        TmyID3tag tag;
        tag.Artist = c.artist;
        tag.Band = c.band;
        tag.Album = c.album;
        EXPECT_EQ(TsdxCDListItem::TagSummary(tag), QString(c.summary));
    }
}

TEST(TsdxCDListItem, DetailsShowWhatTheSecureRipCorrected) {
    tsound sound;
    sound.path = "/out/Track 01.wav";
    sound.ID3.Year = "2019";
    sound.ID3.Genre = "Foley";
    EXPECT_EQ(TsdxCDListItem::ExpandedLine(sound), QString("2019   Foley"));
    EXPECT_EQ(TsdxCDListItem::DoneFileLine(sound), QString("File: /out/Track 01.wav"));

    sound.RipReport = "Secure rip: 3 jitter corrections";
    EXPECT_EQ(TsdxCDListItem::ExpandedLine(sound), QString("2019   Foley   Secure rip: 3 jitter corrections"));
    EXPECT_EQ(TsdxCDListItem::DoneFileLine(sound),
              QString("File: /out/Track 01.wav   Secure rip: 3 jitter corrections"));
}
