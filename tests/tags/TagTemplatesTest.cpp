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

TEST(ExpandTemplate, InsertedValuesAreNeverScannedAgain) {
    tsound sound = SfxSound();
    sound.Description = "%Artist; in %Year; and %SoundDescription;";
    for (TTemplateValues values : {TTemplateValues::Plain, TTemplateValues::XmlEscaped})
        EXPECT_EQ(ExpandTemplate("%SoundDescription; (%Year;)", sound, values),
                  "%Artist; in %Year; and %SoundDescription; (1999)");
    EXPECT_EQ(ExpandTemplate("%%Year;;%Year", sound), "%1999;%Year");
}

TEST(ExpandTemplate, EmptyValueRemovesItsPlaceholder) {
    tsound sound;
    EXPECT_EQ(ExpandTemplate("[%Series;|%Label;]", sound), "[|]");
}

TEST(ExpandTemplate, XmlValuesAreDecodedThenEscaped) {
    tsound sound = SfxSound();
    const std::pair<QString, QString> cases[] = {
        {"Cat & <dog>", "Cat &amp; &lt;dog&gt;"},
        {"Cat &amp; dog", "Cat &amp; dog"}, // arrived as entities: not escaped twice
        {"a &lt;b&gt;", "a &lt;b&gt;"},
        {"\"Big\" dog's bark", "&quot;Big&quot; dog&apos;s bark"},
    };
    for (const auto& [description, xml] : cases) {
        sound.Description = description;
        EXPECT_EQ(ExpandTemplate("<NOTE>%SoundDescription;</NOTE>", sound, TTemplateValues::XmlEscaped),
                  "<NOTE>" + xml + "</NOTE>");
        EXPECT_EQ(ExpandTemplate("%SoundDescription;", sound), description) << "plain stays as it is";
    }
}

TEST(ExpandTemplate, IxmlStaysWellFormedWithValuesInAttributes) {
    tsound sound = SfxSound();
    sound.Description = "Say \"hi\" & <go>";
    sound.ID3.Title = "It's 'here'";
    const QString xml = ExpandTemplate(
        "<BWFXML><NOTE a=\"%SoundDescription;\" b='%Title;'>%Title;</NOTE></BWFXML>", sound,
        TTemplateValues::XmlEscaped);
    pugi::xml_document document;
    ASSERT_TRUE(document.load_string(xml.toUtf8().constData())) << xml.toStdString();
    const pugi::xml_node note = document.child("BWFXML").child("NOTE");
    EXPECT_STREQ(note.attribute("a").value(), "Say \"hi\" & <go>");
    EXPECT_STREQ(note.attribute("b").value(), "It's 'here'");
    EXPECT_STREQ(note.text().get(), "It's 'here'");
}

TEST(MakeDefaultIxml, GivesATemplateOfTheDescription) {
    tsound sound = SfxSound();
    sound.Description = "Cat &amp; dog";
    MakeDefaultIxml(sound);
    EXPECT_EQ(sound.XMLdata, "<BWFXML><NOTE>%SoundDescription;</NOTE></BWFXML>");
    EXPECT_EQ(ExpandTemplate(sound.XMLdata, sound, TTemplateValues::XmlEscaped),
              "<BWFXML><NOTE>Cat &amp; dog</NOTE></BWFXML>");
}

TEST(MakeDefaultIxml, KeepsExistingText) {
    tsound sound;
    sound.Description = "new";
    sound.XMLdata = "<BWFXML>old</BWFXML>";
    MakeDefaultIxml(sound);
    EXPECT_EQ(sound.XMLdata, "<BWFXML>old</BWFXML>");
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
