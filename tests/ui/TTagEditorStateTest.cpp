// The tag editor's field and lock rules with one and with three sounds, apart from its window.
#include "common/QtPrinters.h"
#include "app/TSoundList.h"
#include "app/tsound.h"
#include "ui/TTagEditorState.h"
#include "ui/TagEditorInserts.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {
using F = TTagField;

struct TagEditorState : ::testing::Test {
    std::vector<std::unique_ptr<tsound>> records;
    TSoundList edited{TSoundList::RefersOnly};
    TTagEditorState state;

    tsound& AddSound(const QString& title, const QString& track) {
        records.push_back(std::make_unique<tsound>());
        tsound& sound = *records.back();
        sound.ID3.Title = title;
        sound.ID3.Track = track;
        sound.ID3.Artist = "Nature";
        sound.ID3.Disc = "1/2";
        sound.bwav = "%SoundDescription;";
        sound.bWav2 = "%Publisher;";
        sound.bWav3 = "%CD;";
        sound.XMLdata = "<BWFXML/>" + title;
        edited.Add(&sound);
        return sound;
    }
    void ThreeSounds() {
        AddSound("Dog", "1");
        AddSound("Cat", "2");
        AddSound("Rain", "3");
        state.LoadFromSounds(edited);
    }
};
} // namespace

TEST_F(TagEditorState, OneSoundUnlocksAllAndApplyWritesEveryField) {
    tsound& sound = AddSound("Dog", "7");
    sound.XMLdata.clear();
    state.LoadFromSounds(edited);
    EXPECT_EQ(state.StatisticsText(), "1 sounds selected");
    for (int i = 0; i < TagFieldCount; ++i)
        EXPECT_FALSE(state.IsLocked(TTagField(i))) << TTagEditorState::Caption(TTagField(i)).toStdString();
    EXPECT_EQ(state.Text(F::Title), "Dog");
    EXPECT_EQ(state.Text(F::Track), "7");
    EXPECT_EQ(state.Text(F::Disc), "1/2");
    EXPECT_EQ(state.Text(F::Ixml), "<BWFXML>\n<NOTE>%SoundDescription;</NOTE>\n</BWFXML>");

    const std::vector<std::pair<F, QString>> typed = {
        {F::Artist, "a"},  {F::Band, "b"},      {F::Album, "c"},    {F::Title, "d"},
        {F::Composer, "e"}, {F::Publisher, "f"}, {F::Genre, "g"},   {F::Date, "h"},
        {F::Year, "i"},    {F::Disc, "j"},      {F::Track, "k"},    {F::Comment, "l"},
        {F::Ixml, "m"},    {F::BwavDescription, "n"}, {F::Originator, "o"}, {F::Reference, "p"},
    };
    for (const auto& [field, text] : typed)
        state.SetText(field, text);
    sound.ID3.GenreText = "kept";
    state.ApplyToSounds(edited);
    const TmyID3tag& id3 = sound.ID3;
    EXPECT_EQ(QStringList({id3.Artist, id3.Band, id3.Album, id3.Title, id3.Composer, id3.Publisher,
                           id3.Genre, id3.Date, id3.Year, id3.Disc, id3.Track, id3.Comment,
                           sound.XMLdata, sound.bwav, sound.bWav2, sound.bWav3}),
              QStringList({"a", "b", "c", "d", "e", "f", "g", "h", "i", "j", "k", "l", "m", "n", "o", "p"}));
    EXPECT_EQ(id3.GenreText, "kept");
    EXPECT_TRUE(id3.HasTag);
}

TEST_F(TagEditorState, ThreeSoundsLockWhatDiffersPerSound) {
    ThreeSounds();
    EXPECT_EQ(state.StatisticsText(), "3 sounds selected");
    EXPECT_EQ(state.Text(F::Title), "<Title>");
    EXPECT_EQ(state.Text(F::Track), "<Nr>");
    EXPECT_EQ(state.Text(F::Ixml), "<BWFXML/>Dog") << "the templates of the first sound";
    for (F field : {F::Title, F::Track, F::Ixml, F::BwavDescription, F::Originator, F::Reference})
        EXPECT_TRUE(state.IsLocked(field));
    for (F field : {F::Artist, F::Band, F::Album, F::Composer, F::Publisher, F::Genre, F::Date,
                    F::Year, F::Disc, F::Comment})
        EXPECT_FALSE(state.IsLocked(field));

    state.SetText(F::Artist, "Birds");
    state.SetText(F::Originator, "Acme");
    state.SetText(F::Ixml, "<X/>"); // as a preset would, into a locked field
    state.ApplyToSounds(edited);
    EXPECT_EQ(records[1]->ID3.Title, "Cat");
    EXPECT_EQ(records[2]->ID3.Track, "3");
    EXPECT_EQ(records[2]->XMLdata, "<BWFXML/>Rain");
    EXPECT_EQ(records[1]->bWav2, "%Publisher;");
    for (const auto& record : records)
        EXPECT_EQ(record->ID3.Artist, "Birds");
}

TEST_F(TagEditorState, AnUnlockedFieldGoesToAllSounds) {
    ThreeSounds();
    EXPECT_EQ(state.UnlockQuestion(),
              "You are editing 3 sounds.\nEditing this paremeter will write the same value to all "
              "sounds\nDo you want to continue?");
    state.Unlock(F::Originator);
    state.SetText(F::Originator, "Acme");
    state.ApplyToSounds(edited);
    for (const auto& record : records)
        EXPECT_EQ(record->bWav2, "Acme");
}

TEST_F(TagEditorState, SeveralSoundsGetOnlyTheFieldsTheUserChanged) {
    for (int i = 0; i < 6; ++i) {
        tsound& sound = AddSound(QStringLiteral("Title %1").arg(i), QString::number(i + 1));
        sound.ID3.Comment = QStringLiteral("Comment %1").arg(i);
        sound.ID3.Artist = QStringLiteral("Artist %1").arg(i);
        sound.ID3.Year = QString::number(1990 + i);
        sound.bWav2 = QStringLiteral("Originator %1").arg(i);
    }
    state.LoadFromSounds(edited);
    EXPECT_EQ(state.Text(F::Comment), "Comment 0") << "the first sound's values are shown";
    state.SetText(F::Genre, "Weather");
    state.Unlock(F::Originator); // unlocked, but left as it was
    state.ApplyToSounds(edited);
    for (int i = 0; i < 6; ++i) {
        const tsound& sound = *records[size_t(i)];
        SCOPED_TRACE(i);
        EXPECT_EQ(sound.ID3.Genre, "Weather");
        EXPECT_EQ(QStringList({sound.ID3.Comment, sound.ID3.Title, sound.ID3.Artist, sound.ID3.Year,
                               sound.ID3.Track, sound.bWav2, sound.XMLdata}),
                  QStringList({QStringLiteral("Comment %1").arg(i), QStringLiteral("Title %1").arg(i),
                               QStringLiteral("Artist %1").arg(i), QString::number(1990 + i),
                               QString::number(i + 1), QStringLiteral("Originator %1").arg(i),
                               QStringLiteral("<BWFXML/>Title %1").arg(i)}));
        EXPECT_TRUE(sound.ID3.HasTag);
    }
    // A later opening starts without changes.
    state.LoadFromSounds(edited);
    state.ApplyToSounds(edited);
    EXPECT_EQ(records[5]->ID3.Comment, "Comment 5");
}

TEST_F(TagEditorState, NoSoundsChangeNothing) {
    EXPECT_EQ(state.StatisticsText(), "No sounds selected");
    state.SetText(F::Artist, "design text");
    state.LoadFromSounds(edited);
    EXPECT_EQ(state.StatisticsText(), "0 sounds selected");
    EXPECT_EQ(state.Text(F::Artist), "design text");
}

TEST_F(TagEditorState, PresetFieldsAreTheFourTemplates) {
    AddSound("Dog", "1");
    state.LoadFromSounds(edited);
    state.SetPresetFields({"d", "o", "r", "x"});
    const TTagPresetFields fields = state.PresetFields();
    EXPECT_EQ(QStringList({fields.Description, fields.Originator, fields.Reference, fields.Ixml}),
              QStringList({"d", "o", "r", "x"}));
    EXPECT_EQ(state.Text(F::BwavDescription), "d");
}

TEST(TagEditorInserts, IxmlTagsCloseThemselvesAndPutTheCaretBetween) {
    const TIxmlInsertion note = IxmlTagInsertion("<NOTE>");
    EXPECT_EQ(note.Text, "\n<NOTE></NOTE>\n");
    EXPECT_EQ(note.Text.left(note.CaretOffset), "\n<NOTE>");
    EXPECT_EQ(IxmlTagInsertion("Mytag").Text, "\nMytagMytag\n");
    EXPECT_EQ(TemplatePlaceholders().size(), size_t(11));
    EXPECT_EQ(TemplatePlaceholders().front().second, "%SoundDescription;");
}
