#include "app/DiskPath.h"
#include "app/tsound.h"

#include <gtest/gtest.h>

namespace {
struct TDiskPathCase {
    const char* what;
    QByteArray bytes;
    bool valid;
    QString shown;
};

const TDiskPathCase Cases[] = {
    {"plain ASCII", "/sfx/Dog bark.wav", true, "/sfx/Dog bark.wav"},
    {"UTF-8", "/sfx/Caf\xc3\xa9 \xe2\x82\xac \xf0\x9f\x94\x8a.wav", true,
     QString::fromUtf8("/sfx/Caf\xc3\xa9 \xe2\x82\xac \xf0\x9f\x94\x8a.wav")},
    {"Latin-1", "/sfx/Caf\xe9 old.wav", false, QString::fromUtf8("/sfx/Caf\xc3\xa9 old.wav")},
    {"Latin-1 between UTF-8", "\xc3\xa9\xe9\xc3\xa9", false,
     QString::fromUtf8("\xc3\xa9\xc3\xa9\xc3\xa9")},
    {"cut sequence at the end", "a\xc3", false, QString::fromUtf8("a\xc3\x83")},
    {"lone continuation byte", "\x80x", false, QString(QChar(0x80)) + "x"},
    {"overlong slash", "\xc0\xaf", false, QString::fromUtf8("\xc3\x80\xc2\xaf")},
    {"surrogate", "\xed\xa0\x80", false, QString::fromUtf8("\xc3\xad\xc2\xa0\xc2\x80")},
    {"past U+10FFFF", "\xf4\x90\x80\x80", false,
     QString::fromUtf8("\xc3\xb4\xc2\x90\xc2\x80\xc2\x80")},
    {"empty", "", true, ""},
};

TEST(DiskPath, ValidityAndDisplayFormOfEachCase) {
    for (const TDiskPathCase& c : Cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(IsValidUtf8(c.bytes), c.valid);
        EXPECT_EQ(DisplayFormOf(c.bytes), c.shown);
    }
}

TEST(DiskPath, ARecordKeepsTheBytesOnlyWhenTheyAreNoUtf8) {
    for (const TDiskPathCase& c : Cases) {
        SCOPED_TRACE(c.what);
        tsound sound;
        SetPathFromDisk(sound, c.bytes);
        EXPECT_EQ(sound.path, c.shown);
        EXPECT_EQ(sound.pathOnDisk, c.valid ? QByteArray() : c.bytes);
        EXPECT_EQ(DiskPath(sound), c.bytes); // the file is opened by what the disk calls it
    }
}

TEST(DiskPath, ANewPathDropsTheKeptBytes) {
    tsound sound;
    SetPathFromDisk(sound, "/sfx/Caf\xe9.wav");
    SetPath(sound, QString::fromUtf8("/sfx/Caf\xc3\xa9.wav"));
    EXPECT_TRUE(sound.pathOnDisk.isEmpty());
    EXPECT_EQ(DiskPath(sound), QByteArray("/sfx/Caf\xc3\xa9.wav"));
}
} // namespace
