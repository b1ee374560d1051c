#include "app/tsound.h"
#include "tags/TagTemplates.h"

#include <pugixml.hpp>

#include <gtest/gtest.h>

namespace {
tsound SfxSound() {
    tsound sound;
    sound.Description = "Rain on a tin roof";
    sound.ID3.Artist = "Nature";
    sound.ID3.Title = "Rain";
    sound.ID3.Album = "Birds 2";
    sound.ID3.Year = "1999";
    sound.ID3.Track = "7";
    sound.ID3.Disc = "1/3";
    sound.ID3.Publisher = "Acme";
    return sound;
}
} // namespace

TEST(ExpandTemplate, ReplacesEveryPlaceholder) {
    const tsound sound = SfxSound();
    const std::pair<QString, QString> cases[] = {
        {"%Series; - %CD; (%Label;)", "Nature - Birds 2 (Acme)"},
        {"%SoundDescription;", "Rain on a tin roof"},
        {"%Artist;/%Title;/%Album;/%Year;/%TrackNr;/%Disc;/%Publisher;",
         "Nature/Rain/Birds 2/1999/7/1/3/Acme"},
        {"%Title;%Title;", "RainRain"},
        {"no placeholders here", "no placeholders here"},
        {"%title; %Title %Unknown; %CD", "%title; %Title %Unknown; %CD"},
        {"", ""},
    };
    for (const auto& [text, expanded] : cases)
        EXPECT_EQ(ExpandTemplate(text, sound), expanded) << text.toStdString();
}

TEST(ExpandTemplate, LaterPlaceholdersScanEarlierValues) {
    tsound sound = SfxSound();
    sound.Description = "%Artist; and %SoundDescription;";
    EXPECT_EQ(ExpandTemplate("%SoundDescription;", sound), "Nature and %SoundDescription;");
}

TEST(ExpandTemplate, EmptyValueRemovesItsPlaceholder) {
    tsound sound;
    EXPECT_EQ(ExpandTemplate("[%Series;|%Label;]", sound), "[|]");
}

TEST(ExpandTemplates, EscapesValuesForXmlInTheIxmlTextOnly) {
    tsound sound = SfxSound();
    sound.Description = "Cat & <dog>";
    sound.bwav = "%SoundDescription;";
    sound.bWav2 = "%Publisher;";
    sound.bWav3 = "%CD;";
    sound.XMLdata = "<NOTE>%SoundDescription;</NOTE>";
    ExpandTemplates(sound);
    EXPECT_EQ(sound.bwav, "Cat & <dog>");
    EXPECT_EQ(sound.bWav2, "Acme");
    EXPECT_EQ(sound.bWav3, "Birds 2");
    EXPECT_EQ(sound.XMLdata, "<NOTE>Cat &amp; &lt;dog&gt;</NOTE>");
}

TEST(ExpandTemplates, IxmlStaysWellFormedWithValuesInAttributes) {
    tsound sound = SfxSound();
    sound.Description = "Say \"hi\" & <go>";
    sound.ID3.Title = "It's 'here'";
    sound.XMLdata = "<BWFXML><NOTE a=\"%SoundDescription;\" b='%Title;'>%Title;</NOTE></BWFXML>";
    ExpandTemplates(sound);
    pugi::xml_document document;
    ASSERT_TRUE(document.load_string(sound.XMLdata.toUtf8().constData())) << sound.XMLdata.toStdString();
    const pugi::xml_node note = document.child("BWFXML").child("NOTE");
    EXPECT_STREQ(note.attribute("a").value(), "Say \"hi\" & <go>");
    EXPECT_STREQ(note.attribute("b").value(), "It's 'here'");
    EXPECT_STREQ(note.text().get(), "It's 'here'");
}

TEST(MakeDefaultIxml, DecodesThenEscapesTheDescription) {
    const std::pair<QString, QString> cases[] = {
        {"Cat &amp; dog", "Cat &amp; dog"},
        {"Cat & dog", "Cat &amp; dog"},
        {"a &lt;b&gt;", "a &lt;b&gt;"},
        {"plain", "plain"},
        {"\"Big\" dog's bark", "&quot;Big&quot; dog&apos;s bark"},
        {"", ""},
    };
    for (const auto& [description, note] : cases) {
        tsound sound;
        sound.Description = description;
        MakeDefaultIxml(sound);
        EXPECT_EQ(sound.XMLdata, "<BWFXML><NOTE>" + note + "</NOTE></BWFXML>");
    }
}

TEST(MakeDefaultIxml, KeepsExistingText) {
    tsound sound;
    sound.Description = "new";
    sound.XMLdata = "<BWFXML>old</BWFXML>";
    MakeDefaultIxml(sound);
    EXPECT_EQ(sound.XMLdata, "<BWFXML>old</BWFXML>");
}

TEST(MakeDefaultIxml, ThenExpandingAsTheImportDoesStaysWellFormed) {
    tsound sound = SfxSound();
    sound.ID3.Artist = "R&B";
    sound.Description = "%Artist; <live>";
    MakeDefaultIxml(sound);
    ExpandTemplates(sound);
    EXPECT_EQ(sound.XMLdata, "<BWFXML><NOTE>R&amp;B &lt;live&gt;</NOTE></BWFXML>");
}

TEST(DecodeBasicEntities, ReplacesInItsFixedOrder) {
    const std::pair<QString, QString> cases[] = {
        {"&lt;a&gt; &amp; b", "<a> & b"},
        {"&amp;lt;", "&lt;"}, // "&amp;" goes last, so its result is not decoded again
        {"&quot; &LT;", "&quot; &LT;"},
    };
    for (const auto& [text, decoded] : cases)
        EXPECT_EQ(DecodeBasicEntities(text), decoded);
}
