#include "cdimport/TFreeFileName.h"
#include "common/QtPrinters.h"
#include "common/TTestDir.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

TEST(TFreeFileName, NumberGoesBeforeTheExtension) {
    const struct {
        const char* Wanted;
        const char* Numbered;
    } cases[] = {
        {"/x/Track 02.wav", "/x/Track 02 2.wav"},
        {"/x/Track 02.mp3.rip.wav", "/x/Track 02.mp3.rip 2.wav"},
        {"/x.y/Track 02", "/x.y/Track 02 2"},
        {"/x/.hidden", "/x/.hidden 2"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TFreeFileName::Numbered(c.Wanted, 2).toStdString(), c.Numbered);
}

TEST(TFreeFileName, TakenNamesAreSkippedAndNothingIsReplaced) {
    TTestDir dir;
    dir.Write("Track 02.wav", "the user's");
    dir.MakeFolder("Track 02 2.wav");
    QFile::link(dir.File("nowhere"), dir.File("Track 02 3.wav")); // a dangling link
    EXPECT_EQ(TFreeFileName::For(dir.File("Track 02.wav")), dir.File("Track 02 4.wav"));
    EXPECT_EQ(TFreeFileName::For(dir.File("Track 03.wav")), dir.File("Track 03.wav"));

    dir.Write("rip", "ripped audio");
    EXPECT_EQ(TFreeFileName::MoveTo(dir.File("rip"), dir.File("Track 02.wav")), dir.File("Track 02 4.wav"));
    EXPECT_EQ(dir.Read("Track 02 4.wav"), "ripped audio");
    EXPECT_EQ(dir.Read("Track 02.wav"), "the user's");
    EXPECT_EQ(TFreeFileName::MoveTo(dir.File("gone"), dir.File("Track 05.wav")), "");
    EXPECT_FALSE(QFile::exists(dir.File("Track 05.wav")));
}
