#include "app/EAppError.h"
#include "app/TSoundList.h"
#include "app/tsound.h"
#include "naming/NameBuilders.h"

#include <QStringList>

#include <gtest/gtest.h>

namespace {
// A list of `count` sounds described "Filler <n>", with `track`/`description` on the first.
struct TSounds {
    TSoundList list;

    explicit TSounds(int count) {
        for (int i = 0; i < count; ++i) {
            auto* sound = new tsound;
            sound->Description = QStringLiteral("Filler %1").arg(i);
            sound->ID3.Track = QString::number(i + 1);
            list.Add(sound);
        }
    }
    tsound& operator[](int index) { return *list.Items(index); }
};

TFileNameOptions Mask(const QString& mask) {
    TFileNameOptions options;
    options.Mask = mask;
    return options;
}

struct TTrackCase {
    int soundCount;
    const char* track;
    const char* renameName;
    const char* importName;
};

class TrackNumberTest : public ::testing::TestWithParam<TTrackCase> {};

TEST_P(TrackNumberTest, PadsByBuilder) {
    const TTrackCase& c = GetParam();
    TSounds sounds(c.soundCount);
    sounds[0].Description = "Dog bark";
    sounds[0].ID3.Track = c.track;
    BuildRenameNames(sounds.list, Mask("%Trc; - %FDes;"), true);
    EXPECT_EQ(sounds[0].filename, c.renameName);
    BuildImportNames(sounds.list, Mask("%Trc; - %FDes;"), 25, sfwav);
    EXPECT_EQ(sounds[0].filename, c.importName);
}

INSTANTIATE_TEST_SUITE_P(Examples, TrackNumberTest, ::testing::Values(
    TTrackCase{12, "3", "03 - Dog bark.wav", "03 - Dog bark.wav"},
    TTrackCase{12, "12", "12 - Dog bark.wav", "12 - Dog bark.wav"},
    TTrackCase{150, "3", "003 - Dog bark.wav", "03 - Dog bark.wav"},
    TTrackCase{1000, "3", "0003 - Dog bark.wav", "03 - Dog bark.wav"},
    TTrackCase{1, "0", "00 - Dog bark.wav", "00 - Dog bark.wav"}));

struct TMaskCase {
    const char* mask;
    const char* expected; // rename builder, one sound
};

class MaskTokensTest : public ::testing::TestWithParam<TMaskCase> {};

TEST_P(MaskTokensTest, ReplacesTokens) {
    TSounds sounds(1);
    tsound& s = sounds[0];
    s.Description = "Dog bark";
    s.ID3.Track = "7";
    s.ID3.Album = "Animals";
    s.ID3.Year = "1999";
    s.ID3.Publisher = "Acme";
    s.ID3.Disc = "2/3";
    s.ID3.Title = "not used";
    TFileNameOptions options = Mask(GetParam().mask);
    options.CustomText = "Take";
    BuildRenameNames(sounds.list, options, true);
    EXPECT_EQ(s.filename, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Masks, MaskTokensTest, ::testing::Values(
    TMaskCase{"%FDes; - %Art;", "Dog bark -.wav"},   // empty artist: the dash stays
    TMaskCase{"%Art; - %FDes;", "Dog bark.wav"},     // a leading "- " goes
    TMaskCase{"%Disc; %Tit;", "Disc 2 Dog bark.wav"},
    TMaskCase{"%CD; %Alb; %Yea; %Prod; %Label; %Cst;", "Animals Animals 1999 Acme Acme Take.wav"},
    TMaskCase{"%fdes;", "%fdes -.wav"},              // tokens are case-sensitive
    TMaskCase{"plain", "plain.wav"},
    TMaskCase{"", ".wav"}));

TEST(NameBuilders, DiscWithoutSlashAndEmptyDisc) {
    TSounds sounds(2);
    sounds[0].ID3.Disc = "4";
    BuildRenameNames(sounds.list, Mask("%Disc;"), true);
    EXPECT_EQ(sounds[0].filename, "Disc 4.wav");
    EXPECT_EQ(sounds[1].filename, ".wav");
}

TEST(NameBuilders, ShortDescriptionLengthPerBuilder) {
    TSounds sounds(1);
    sounds[0].Description = "0123456789012345678901234567890123456789"; // 40 characters
    BuildRenameNames(sounds.list, Mask("%SDes;"), true);
    EXPECT_EQ(sounds[0].filename, "0123456789012345678901234.wav");
    BuildImportNames(sounds.list, Mask("%SDes;"), 10, sfwav);
    EXPECT_EQ(sounds[0].filename, "0123456789.wav");
    BuildImportNames(sounds.list, Mask("%SDes;"), 40, sfwav);
    EXPECT_EQ(sounds[0].filename, "0123456789012345678901234567890123456789.wav");
}

TEST(NameBuilders, ShortDescriptionNeverCutsACharacterInHalf) {
    const QString smile = QString::fromUtf8("😀");              // two UTF-16 units
    const QString accented = QString::fromUtf8("e\u0301");     // a letter and its accent
    const std::pair<QString, QString> cases[] = {
        {smile.repeated(30), smile.repeated(25)},
        {accented.repeated(30), accented.repeated(25)},
        {"a" + smile.repeated(30), "a" + smile.repeated(24)},
    };
    for (const auto& [description, shortDescription] : cases) {
        TSounds sounds(1);
        sounds[0].Description = description;
        BuildRenameNames(sounds.list, Mask("%SDes;"), true);
        EXPECT_EQ(sounds[0].filename, shortDescription + ".wav");
        BuildImportNames(sounds.list, Mask("%SDes;"), 25, sfwav);
        EXPECT_EQ(sounds[0].filename, shortDescription + ".wav");
    }
}

TEST(NameBuilders, LongNamesAreCutToFit255BytesWithNumberAndExtension) {
    struct Case {
        const char* name;
        QStringList descriptions;
        QStringList expected;
    };
    const QString a = "a", e = QString::fromUtf8("é"), smile = QString::fromUtf8("😀");
    const Case cases[] = {
        {"ASCII", {a.repeated(300)}, {a.repeated(251) + ".wav"}},
        {"exactly fits", {a.repeated(251)}, {a.repeated(251) + ".wav"}},
        {"two bytes a letter", {e.repeated(200)}, {e.repeated(125) + ".wav"}},
        {"four bytes a character", {smile.repeated(100)}, {smile.repeated(62) + ".wav"}},
        {"numbered", {a.repeated(300), a.repeated(300)},
         {a.repeated(249) + " 1.wav", a.repeated(249) + " 2.wav"}},
        {"equal only after the cut", {a.repeated(260) + "x", a.repeated(260) + "y"},
         {a.repeated(249) + " 1.wav", a.repeated(249) + " 2.wav"}},
        {"no space left before the extension", {a.repeated(250) + " bark"},
         {a.repeated(250) + ".wav"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TSounds sounds(int(c.descriptions.size()));
        for (int i = 0; i < c.descriptions.size(); ++i)
            sounds[i].Description = c.descriptions[i];
        BuildImportNames(sounds.list, Mask("%FDes;"), 25, sfwav);
        for (int i = 0; i < c.descriptions.size(); ++i) {
            EXPECT_EQ(sounds[i].filename, c.expected[i]);
            EXPECT_LE(sounds[i].filename.toUtf8().size(), 255);
        }
    }
}

TEST(NameBuilders, LaterStepsReplaceTokensInsideEarlierValues) {
    TSounds sounds(1);
    sounds[0].Description = "%Art; and %FDes;";
    sounds[0].ID3.Artist = "Nature";
    BuildRenameNames(sounds.list, Mask("%FDes;"), true);
    EXPECT_EQ(sounds[0].filename, "Nature and %FDes -.wav");
}

// Names that differ only in letter case are one file on case-insensitive file systems.
TEST(NameBuilders, EqualNamesAreNumberedBeforeTheExtensionAlsoIgnoringCase) {
    TSounds sounds(4);
    sounds[0].Description = "Dog";
    sounds[1].Description = "Dog";
    sounds[1].Format = sfmp3;
    sounds[2].Description = "Cat";
    sounds[2].Format = sfAIFF;
    sounds[3].Description = "DOG";
    BuildRenameNames(sounds.list, Mask("%FDes;"), true);
    EXPECT_EQ(sounds[0].filename, "Dog 1.wav");
    EXPECT_EQ(sounds[1].filename, "Dog 2.mp3");
    EXPECT_EQ(sounds[2].filename, "Cat.aif");
    EXPECT_EQ(sounds[3].filename, "DOG 3.wav");
}

TEST(NameBuilders, ImportTakesTheOutputFormatsExtension) {
    TSounds sounds(2);
    sounds[1].Format = sfAIFF; // the sound's own format plays no part in the import
    BuildImportNames(sounds.list, Mask("%FDes;"), 25, sfmp3);
    EXPECT_EQ(sounds[0].filename, "Filler 0.mp3");
    EXPECT_EQ(sounds[1].filename, "Filler 1.mp3");
}

TEST(NameBuilders, RenameFilesOffKeepsTheNamesOnDisk) {
    TSounds sounds(2);
    sounds[0].Comment = "Dog.WAV";
    sounds[1].Comment = "Dog.WAV";
    sounds[1].ID3.Track = "not a number"; // not read at all
    BuildRenameNames(sounds.list, Mask("%Trc; - %FDes;"), false);
    EXPECT_EQ(sounds[0].filename, "Dog.WAV");
    EXPECT_EQ(sounds[1].filename, "Dog.WAV");
}

TEST(NameBuilders, TrackThatIsNoNumberStopsTheBuild) {
    for (const char* track : {"x3", ""}) {
        TSounds sounds(3);
        sounds[1].ID3.Track = track;
        sounds[0].filename = "first.wav";
        sounds[2].filename = "previous.wav";
        try {
            BuildImportNames(sounds.list, Mask("%FDes;"), 25, sfwav); // even without "%Trc;"
            FAIL() << "no error for track '" << track << "'";
        } catch (const EAppError& error) {
            EXPECT_EQ(error.Text(), QStringLiteral("'%1' is not a valid integer value").arg(track));
        }
        // No sound is left with a half-built name.
        EXPECT_EQ(sounds[0].filename, "first.wav");
        EXPECT_EQ(sounds[2].filename, "previous.wav");
    }
}
} // namespace
