// The bytes the tagger builds: the ID3v2.4 tag and its frames, syncsafe sizes, the bext fields.
#include "app/TmyID3tag.h"
#include "tags/TBextInfo.h"
#include "tags/TTagger.h"

#include <QStringList>

#include <gtest/gtest.h>

namespace {
QByteArray Hex(const char* hex) { return QByteArray::fromHex(hex); }
} // namespace

TEST(EncodeSyncsafe, SevenBitsPerByteMostSignificantFirst) {
    const std::pair<quint32, const char*> cases[] = {
        {0, "00000000"},        {14, "0000000e"},       {127, "0000007f"},
        {128, "00000100"},      {16383, "00007f7f"},    {16384, "00010000"},
        {0xFFFFFF, "077f7f7f"},
    };
    for (const auto& [value, hex] : cases)
        EXPECT_EQ(TTagger::EncodeSyncsafe(value), Hex(hex)) << value;
}

TEST(BuildId3Tag, CommentHelloGivesTheExactFrame) {
    TmyID3tag tag;
    tag.Comment = "Hello";
    EXPECT_EQ(TTagger::BuildId3Tag(tag).mid(10),
              "COMM" + Hex("0000000a") + Hex("0000") + Hex("00") + "eng" + Hex("00") +
                  Hex("48656c6c6f"));
}

TEST(BuildId3Tag, FramesComeInTheirFixedOrderAndEmptyOnesAreLeftOut) {
    TmyID3tag tag;
    tag.Comment = "c";
    tag.Publisher = "p";
    tag.Date = "0101";
    tag.Year = "1999";
    tag.Track = "3";
    tag.Genre = "g";
    tag.Composer = "co";
    tag.Band = "b";
    tag.Title = "t";
    tag.Album = "al";
    tag.Artist = "ar";
    const QByteArray id3 = TTagger::BuildId3Tag(tag);
    QStringList ids;
    for (qsizetype at = 10; at < id3.size();) {
        ids.append(QString::fromLatin1(id3.mid(at, 4)));
        at += 10 + id3[at + 7]; // every frame here is under 128 bytes: its size is one byte
    }
    EXPECT_EQ(ids, QStringList({"TPE1", "TALB", "TIT2", "TPE2", "TCOM", "TCON", "TRCK", "TDRC",
                                "TPUB", "COMM"}));
    EXPECT_EQ(id3.mid(6, 4), TTagger::EncodeSyncsafe(quint32(id3.size() - 10)));
}

TEST(BuildId3Tag, NonAsciiTextIsWrittenAsUtf8WithEncoding3) {
    TmyID3tag tag;
    tag.Artist = QString::fromUtf8("Björk");
    tag.Comment = QString::fromUtf8("Café");
    const QByteArray id3 = TTagger::BuildId3Tag(tag);
    const QByteArray artist = "TPE1" + Hex("00000007") + Hex("0000") + Hex("03") + "Bj\xc3\xb6rk";
    const QByteArray comment =
        "COMM" + Hex("0000000a") + Hex("0000") + Hex("03") + "eng" + Hex("00") + "Caf\xc3\xa9";
    EXPECT_EQ(id3.mid(10), artist + comment);
}

TEST(BuildId3Tag, GenreTextNeverMakesASecondGenreFrame) {
    TmyID3tag tag;
    tag.Genre = "Rock";
    tag.GenreText = "Rock";
    tag.Year = "1999";
    EXPECT_EQ(TTagger::BuildId3Tag(tag).count("TCON"), 1);

    tag.Genre.clear();
    tag.GenreText = "Jazz";
    const QByteArray id3 = TTagger::BuildId3Tag(tag);
    EXPECT_EQ(id3.mid(10), "TDRC" + Hex("00000005") + Hex("000000") + "1999" + "TCON" +
                               Hex("00000005") + Hex("000000") + "Jazz");
}

TEST(BuildId3Tag, YearAndDateBecomeOneRecordingTime) {
    struct Case {
        const char* year;
        const char* date;
        QByteArray frames; // everything after the tag header
    };
    auto tdrc = [](const QByteArray& text) {
        return "TDRC" + TTagger::EncodeSyncsafe(quint32(text.size() + 1)) + Hex("000000") + text;
    };
    const Case cases[] = {
        {"1999", "", tdrc("1999")},
        {"1999", "2512", tdrc("1999-12-25")},
        {"2000", "2902", tdrc("2000-02-29")}, // a leap year
        {"1999", "2902", tdrc("1999")},       // no such day: the year alone
        {"1999", "1225", tdrc("1999")},       // MMDD is no DDMM
        {"1999", "25.12.", tdrc("1999")},
        {"99", "2512", tdrc("99")},           // no four digits: the year as it is
        {"", "2512", {}},                     // a date alone has no frame
        {"", "", {}},
    };
    for (const Case& c : cases) {
        TmyID3tag tag;
        tag.Year = c.year;
        tag.Date = c.date;
        const QByteArray id3 = TTagger::BuildId3Tag(tag);
        EXPECT_EQ(id3.mid(10), c.frames) << c.year << " " << c.date;
        EXPECT_FALSE(id3.contains("TYER") || id3.contains("TDAT"));
    }
}

TEST(TBextInfo, NewChunkPayloadHasTheExactLayout) {
    const QByteArray info = TBextInfo::Build("Rain on roof", "Acme", "CD 12");
    ASSERT_EQ(info.size(), 338);
    QByteArray expected = "Rain on roof" + QByteArray(256 - 12, '\0');
    expected += "Acme" + QByteArray(28, '\0');
    expected += "CD 12" + QByteArray(27, '\0');
    expected += QByteArray(18, '\0'); // origination date and time
    EXPECT_EQ(info, expected);
    const QByteArray payload = TBextInfo::NewChunkPayload(info);
    ASSERT_EQ(payload.size(), 612);
    EXPECT_EQ(payload.left(338), info);
    EXPECT_EQ(payload.mid(338, 8), QByteArray(8, '\0')); // time reference
    EXPECT_EQ(payload.mid(346, 2), Hex("0100"));          // version 1
    EXPECT_EQ(payload.mid(348), QByteArray(264, '\0'));
}

TEST(TBextInfo, FieldsAreCutToTheirLengths) {
    const QByteArray info =
        TBextInfo::Build(QString(300, 'd'), QString(32, 'o'), QString(40, 'r'));
    EXPECT_EQ(info.left(256), QByteArray(255, 'd') + '\0');
    EXPECT_EQ(info.mid(256, 32), QByteArray(32, 'o')); // full, no terminator
    EXPECT_EQ(info.mid(288, 32), QByteArray(32, 'r'));
    EXPECT_EQ(info.mid(320), QByteArray(18, '\0'));
}

TEST(TBextInfo, CutsNeverSplitACharacter) {
    // 254 ASCII bytes and a two-byte "é": the "é" does not fit in 255 and goes whole.
    const QString description = QString(254, 'd') + QString::fromUtf8("é");
    const QString originator = QString(31, 'o') + QString::fromUtf8("€"); // three bytes
    const QByteArray info = TBextInfo::Build(description, originator, QString::fromUtf8("éé"));
    EXPECT_EQ(info.left(256), QByteArray(254, 'd') + QByteArray(2, '\0'));
    EXPECT_EQ(info.mid(256, 32), QByteArray(31, 'o') + '\0');
    EXPECT_EQ(info.mid(288, 4), "\xc3\xa9\xc3\xa9");
    EXPECT_EQ(TBextInfo::Utf8Prefix(QString::fromUtf8("aé"), 2), "a");
    EXPECT_EQ(TBextInfo::Utf8Prefix(QString::fromUtf8("aé"), 3), "a\xc3\xa9");
}

