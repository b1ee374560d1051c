#include "common/TRecordingMessages.h"
#include "common/TTestDir.h"
#include "tags/TTagPresets.h"

#include <QDir>
#include <QFile>

#include <pugixml.hpp>

#include <gtest/gtest.h>

namespace {
class TagPresets : public ::testing::Test {
protected:
    QString WritePreset(const QString& name, const QByteArray& xml) {
        return dir.Write("presets/Tags/" + name + ".xml", xml);
    }
    TTagPresetFields Untouched() const { return {"d", "o", "r", "x"}; }

    TTestDir dir;
    void TearDown() override { EXPECT_EQ(messages.Messages, QStringList()) << "shown, not returned"; }

    TRecordingMessages messages; // nothing may be shown: every error is in the results
    TTagPresets presets{dir.Path()};
};
} // namespace

TEST_F(TagPresets, LiveInLowerCasePresetsTags) {
    EXPECT_EQ(presets.Folder(), dir.Path() + "/presets/Tags");
    EXPECT_EQ(presets.FileOf("Rain"), dir.Path() + "/presets/Tags/Rain.xml");
}

TEST_F(TagPresets, SaveWritesTheDocumentLayout) {
    ASSERT_EQ(presets.SavePreset("Field", "%SoundDescription;", "%Publisher;", "%CD;", "<X/>")
                  .ErrorText(), "");
    pugi::xml_document document;
    ASSERT_TRUE(document.load_file(QFile::encodeName(presets.FileOf("Field")).constData()));
    const pugi::xml_node root = document.document_element();
    EXPECT_STREQ(root.name(), "TAGpreset");
    EXPECT_STREQ(root.child("BWAV").child("Description").text().get(), "%SoundDescription;");
    EXPECT_STREQ(root.child("BWAV").child("Originator").text().get(), "%Publisher;");
    EXPECT_STREQ(root.child("BWAV").child("Reference").text().get(), "%CD;");
    EXPECT_STREQ(root.child("iXML").child("XMLdata").text().get(), "\"<X/>\"");
}

TEST_F(TagPresets, RoundTripKeepsTextsExactly) {
    const TTagPresetFields saved{QString::fromUtf8("Café & <rain>"), "  Acme ", "",
                                 "\n  <BWFXML>\n<NOTE>%SoundDescription;</NOTE>\n</BWFXML>\n "};
    ASSERT_TRUE(presets.SavePreset("Mixed", saved.Description, saved.Originator,
                                   saved.Reference, saved.Ixml));
    TTagPresetFields loaded = Untouched();
    EXPECT_TRUE(presets.LoadPreset("Mixed", loaded));
    EXPECT_EQ(loaded.Description, saved.Description);
    EXPECT_EQ(loaded.Originator, saved.Originator);
    EXPECT_EQ(loaded.Reference, saved.Reference);
    EXPECT_EQ(loaded.Ixml, saved.Ixml);
}

TEST_F(TagPresets, SavingUnderAnExistingNameReplacesTheFile) {
    EXPECT_TRUE(presets.SavePreset("Same", "one", "", "", ""));
    EXPECT_TRUE(presets.SavePreset("Same", "two", "", "", ""));
    TTagPresetFields loaded;
    EXPECT_TRUE(presets.LoadPreset("Same", loaded));
    EXPECT_EQ(loaded.Description, "two");
    EXPECT_EQ(presets.PresetNames(), QStringList("Same"));
}

TEST_F(TagPresets, EmptyNameSavesNothingAndIsNoError) {
    EXPECT_TRUE(presets.SavePreset("", "d", "o", "r", "x"));
    EXPECT_TRUE(presets.PresetNames().isEmpty());
}

TEST_F(TagPresets, NameThatWouldLeaveTheFolderIsRefusedWithItsReason) {
    for (const char* name : {"../outside", "a/b", "..", "."}) {
        EXPECT_EQ(presets.SavePreset(name, "d", "o", "r", "x").ErrorText(),
                  QString("Cannot save preset \"%1\": a preset name cannot hold \"/\"").arg(name));
    }
    EXPECT_FALSE(QFile::exists(dir.File("presets/outside.xml")));
}

TEST_F(TagPresets, FailedWriteIsReturned) {
    dir.Write("presets", "a file where the folder should be");
    EXPECT_EQ(presets.SavePreset("Rain", "d", "o", "r", "x").ErrorText(),
              QString("Cannot write file \"%1\"").arg(presets.FileOf("Rain")));
}

TEST_F(TagPresets, PartialFilesChangeOnlyWhatTheyHold) {
    struct Case {
        const char* name;
        QByteArray xml;
        TTagPresetFields expected;
    };
    const Case cases[] = {
        {"no BWAV", "<TAGpreset><iXML><XMLdata>\"&lt;A/&gt;\"</XMLdata></iXML></TAGpreset>",
         {"d", "o", "r", "<A/>"}},
        {"BWAV with one child", "<TAGpreset><BWAV><Reference>R</Reference></BWAV></TAGpreset>",
         {"d", "o", "R", "x"}},
        {"single character", "<TAGpreset><iXML><XMLdata>\"</XMLdata></iXML></TAGpreset>",
         {"d", "o", "r", ""}},
        {"iXML without XMLdata", "<TAGpreset><iXML/></TAGpreset>", {"d", "o", "r", ""}},
        {"other quotes", "<TAGpreset><iXML><XMLdata>[ab]</XMLdata></iXML></TAGpreset>",
         {"d", "o", "r", "ab"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        WritePreset("p", c.xml);
        TTagPresetFields fields = Untouched();
        EXPECT_TRUE(presets.LoadPreset("p", fields));
        EXPECT_EQ(fields.Description, c.expected.Description);
        EXPECT_EQ(fields.Originator, c.expected.Originator);
        EXPECT_EQ(fields.Reference, c.expected.Reference);
        EXPECT_EQ(fields.Ixml, c.expected.Ixml);
    }
}

TEST_F(TagPresets, UnreadableFileReturnsErrorLoadingPreset) {
    for (const QByteArray& xml : {QByteArray("<TAGpreset><BWAV>"), QByteArray(""),
                                 QByteArray("no xml at all")}) {
        WritePreset("bad", xml);
        TTagPresetFields fields = Untouched();
        EXPECT_EQ(presets.LoadPreset("bad", fields).ErrorText(), "Error loading preset")
            << xml.toStdString();
        EXPECT_EQ(fields.Description, "d");
    }
}

TEST_F(TagPresets, MissingFileDoesNothing) {
    TTagPresetFields fields = Untouched();
    EXPECT_TRUE(presets.LoadPreset("nothing", fields));
    EXPECT_EQ(fields.Ixml, "x");
}

TEST_F(TagPresets, ListIsSortedWithoutRegardToCase) {
    for (const char* name : {"beta", "Alpha", "gamma.v2", "Delta"})
        WritePreset(name, "<TAGpreset/>");
    dir.Write("presets/Tags/notes.txt", "x");
    dir.Write("presets/Tags/UPPER.XML", "x"); // "UPPER" + ".xml" would not load it
    dir.MakeFolder("presets/Tags/folder.xml");
    EXPECT_EQ(presets.PresetNames(), QStringList({"Alpha", "beta", "Delta", "gamma.v2"}));
}

TEST_F(TagPresets, MissingFolderGivesAnEmptyList) {
    EXPECT_TRUE(presets.PresetNames().isEmpty());
}
