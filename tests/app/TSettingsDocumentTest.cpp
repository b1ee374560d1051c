#include "app/TSettingsDocument.h"

#include "common/TTestDir.h"

#include <gtest/gtest.h>

namespace {
TNamingValues Naming(const QString& mask, bool autoFolder) {
    return TNamingValues{mask, " + ", "custom", "\\\\Demo.wav", autoFolder, !autoFolder};
}

// A value for every key, none of them a default, so a lost key shows.
TSettingsValues EveryValue() {
    TSettingsValues v;
    v.CDDBversion = 7;
    v.sdxLocation = "/opt/Sonaphor";
    v.ColumnWidth = 400;
    v.TagWidth = 610;
    v.TagHeight = 480;
    v.TagX = -20;
    v.TagY = 33;
    v.MODE = "RenameMode";
    v.CDtab = 1;
    v.Left = 10;
    v.Top = 20;
    v.Width = 900;
    v.Height = 700;
    v.DriveNumber = 1;
    v.cdOutputRoot = "/music/out & <in>";
    v.cdAutoMusFreeDb = true;
    v.cdAutoSFXFreeDb = true;
    v.cdAutoPost = false;
    v.cdAutoSFXdb = false;
    v.CdNaming = Naming("%Trc; - %FDes;", true);
    v.ShortCount = 40;
    v.AudioFormat = "mp3";
    v.SampleRate = 48000;
    v.BitDepth = 24;
    v.BitRate = 320;
    v.chkSFXbwav = true;
    v.chkSfxId3 = true;
    v.chksfxIXML = false;
    v.chkMusicbwav = true;
    v.chkMusicId3 = false;
    v.chkMusicIXML = true;
    v.RenameNaming = Naming("%Ser; %FDes;", false);
    v.DoRename = false;
    v.DoBwav = true;
    v.DoID3 = true;
    v.DoiXML = true;
    v.LastFolder = "/home/u/Sounds/Björk";
    v.Shortcuts = QList<QPair<QString, QString>>{{"acRipMode", "Shift+F1"}, {"acRipDisc", ""}};
    return v;
}

#define EXPECT_SAME_NAMING(a, b)                                                               \
    EXPECT_EQ(a.Mask, b.Mask);                                                                 \
    EXPECT_EQ(a.Seperator, b.Seperator);                                                       \
    EXPECT_EQ(a.CustomText, b.CustomText);                                                     \
    EXPECT_EQ(a.Demo, b.Demo);                                                                 \
    EXPECT_EQ(a.AutoFolder, b.AutoFolder);                                                     \
    EXPECT_EQ(a.AutoFolderPublisher, b.AutoFolderPublisher)

TSettingsDocument::ReadResult ParseText(const char* xml, TSettingsValues& values) {
    return TSettingsDocument::Parse(QByteArray(xml), values);
}
} // namespace

TEST(TSettingsDocument, EveryKeySurvivesARoundTrip) {
    TTestDir dir;
    const TSettingsValues written = EveryValue();
    TSettingsDocument::Save(dir.File("LastSettings.xml"), written, TSettingsSections::All());
    TSettingsValues read;
    ASSERT_EQ(TSettingsDocument::Load(dir.File("LastSettings.xml"), read), TSettingsDocument::Read);
    EXPECT_EQ(read.CDDBversion, written.CDDBversion);
    EXPECT_EQ(read.sdxLocation, written.sdxLocation);
    EXPECT_EQ(read.ColumnWidth, written.ColumnWidth);
    EXPECT_EQ(read.TagWidth, written.TagWidth);
    EXPECT_EQ(read.TagHeight, written.TagHeight);
    EXPECT_EQ(read.TagX, written.TagX);
    EXPECT_EQ(read.TagY, written.TagY);
    EXPECT_EQ(read.MODE, written.MODE);
    EXPECT_EQ(read.CDtab, written.CDtab);
    EXPECT_EQ(read.Left, written.Left);
    EXPECT_EQ(read.Top, written.Top);
    EXPECT_EQ(read.Width, written.Width);
    EXPECT_EQ(read.Height, written.Height);
    EXPECT_EQ(read.DriveNumber, written.DriveNumber);
    EXPECT_EQ(read.cdOutputRoot, written.cdOutputRoot);
    EXPECT_EQ(read.cdAutoMusFreeDb, written.cdAutoMusFreeDb);
    EXPECT_EQ(read.cdAutoSFXFreeDb, written.cdAutoSFXFreeDb);
    EXPECT_EQ(read.cdAutoPost, written.cdAutoPost);
    EXPECT_EQ(read.cdAutoSFXdb, written.cdAutoSFXdb);
    EXPECT_SAME_NAMING(read.CdNaming, written.CdNaming);
    EXPECT_EQ(read.ShortCount, written.ShortCount);
    EXPECT_EQ(read.AudioFormat, written.AudioFormat);
    EXPECT_EQ(read.SampleRate, written.SampleRate);
    EXPECT_EQ(read.BitDepth, written.BitDepth);
    EXPECT_EQ(read.BitRate, written.BitRate);
    EXPECT_EQ(read.chkSFXbwav, written.chkSFXbwav);
    EXPECT_EQ(read.chkSfxId3, written.chkSfxId3);
    EXPECT_EQ(read.chksfxIXML, written.chksfxIXML);
    EXPECT_EQ(read.chkMusicbwav, written.chkMusicbwav);
    EXPECT_EQ(read.chkMusicId3, written.chkMusicId3);
    EXPECT_EQ(read.chkMusicIXML, written.chkMusicIXML);
    EXPECT_SAME_NAMING(read.RenameNaming, written.RenameNaming);
    EXPECT_EQ(read.DoRename, written.DoRename);
    EXPECT_EQ(read.DoBwav, written.DoBwav);
    EXPECT_EQ(read.DoID3, written.DoID3);
    EXPECT_EQ(read.DoiXML, written.DoiXML);
    EXPECT_EQ(read.LastFolder, written.LastFolder);
    EXPECT_EQ(read.Shortcuts, written.Shortcuts);
}

TEST(TSettingsDocument, WritesSectionsInTheirOrderAndShape) {
    TSettingsValues v = EveryValue();
    v.Shortcuts = QList<QPair<QString, QString>>{{"acRipMode", "F1"}};
    const QString text = QString::fromUtf8(TSettingsDocument::Compose(v, TSettingsSections::All()));
    QStringList order;
    for (const char* name : {"<Trackmothsettings>", "<CDDBversion>", "<sdxLocation>", "<Layout>",
                             "<ColumnWidth>", "<TagY>", "<MODE>", "<CDtab>", "<MainWindow>",
                             "<Height>", "</Layout>", "<CDripper>", "<DriveNumber>",
                             "<cdAutoSFXdb>", "<NamingOptions>", "<ShortCount>",
                             "<OutputFormat>", "<SFXcd>", "<MusicCD>", "</CDripper>",
                             "<Renamer>", "<LastFolder>", "<Shortcuts>", "<acRipMode>F1<"})
        order << QString::number(text.indexOf(name));
    int previous = -1;
    for (const QString& position : order) {
        EXPECT_GT(position.toInt(), previous) << text.toStdString();
        previous = position.toInt();
    }
    EXPECT_TRUE(text.contains("<DoRename>False</DoRename>"));
    EXPECT_TRUE(text.contains("<cdAutoPost>False</cdAutoPost>"));
}

TEST(TSettingsDocument, SectionsLeftOutAreNotWritten) {
    const TSettingsValues v = EveryValue();
    const QByteArray nothing = TSettingsDocument::Compose(v, TSettingsSections());
    EXPECT_TRUE(nothing.contains("<Trackmothsettings />")) << nothing.toStdString();

    TSettingsSections renamerOnly;
    renamerOnly.Renamer = true;
    const QByteArray renamer = TSettingsDocument::Compose(v, renamerOnly);
    EXPECT_TRUE(renamer.contains("<Renamer>"));
    for (const char* absent : {"CDDBversion", "Layout", "CDripper", "Shortcuts", "MainWindow"})
        EXPECT_FALSE(renamer.contains(absent)) << absent;

    TSettingsSections ripperWithoutOptions;
    ripperWithoutOptions.Ripper = true;
    ripperWithoutOptions.MainWindow = true; // without Layout it means nothing
    const QByteArray ripper = TSettingsDocument::Compose(v, ripperWithoutOptions);
    EXPECT_TRUE(ripper.contains("<DriveNumber>"));
    EXPECT_FALSE(ripper.contains("cdAuto"));
    EXPECT_FALSE(ripper.contains("MainWindow"));
}

TEST(TSettingsDocument, BooleanTexts) {
    struct Row {
        const char* text;
        bool ok;
        bool value;
    };
    for (const Row& row : {Row{"True", true, true}, Row{"true", true, true}, Row{"TRUE", true, true},
                           Row{"1", true, true}, Row{"-3", true, true}, Row{"0", true, false},
                           Row{"fAlSe", true, false}, Row{"yes", false, false},
                           Row{"", false, false}}) {
        TSettingsValues v;
        const QByteArray xml =
            QByteArray("<x><Renamer><DoBwav>") + row.text + "</DoBwav></Renamer></x>";
        const auto result = TSettingsDocument::Parse(xml, v);
        EXPECT_EQ(result == TSettingsDocument::Read, row.ok) << row.text;
        if (row.ok) {
            EXPECT_EQ(v.DoBwav, row.value) << row.text;
        }
    }
}

TEST(TSettingsDocument, FailureKeepsEarlierValuesAndLeavesLaterOnesUnread) {
    TSettingsValues v;
    const auto result = ParseText("<any><CDDBversion>4</CDDBversion>"
                                  "<CDripper><DriveNumber>2</DriveNumber>"
                                  "<cdAutoPost>yes</cdAutoPost>"
                                  "<cdAutoSFXdb>False</cdAutoSFXdb></CDripper>"
                                  "<Renamer><DoRename>False</DoRename></Renamer>"
                                  "<Shortcuts><acRipMode>F9</acRipMode></Shortcuts></any>",
                                  v);
    EXPECT_EQ(result, TSettingsDocument::Failed);
    EXPECT_EQ(v.CDDBversion, 4);
    EXPECT_EQ(v.DriveNumber, 2);
    EXPECT_FALSE(v.cdAutoPost.has_value());
    EXPECT_FALSE(v.cdAutoSFXdb.has_value());
    EXPECT_FALSE(v.DoRename.has_value());
    EXPECT_FALSE(v.Shortcuts.has_value());
}

TEST(TSettingsDocument, BrokenDocumentsFail) {
    for (const char* text : {"", "not xml at all", "<a><Layout><TagX>1</TagX></Lay",
                             "<a><Layout><TagX>x1</TagX></Layout></a>"}) {
        TSettingsValues v;
        EXPECT_EQ(ParseText(text, v), TSettingsDocument::Failed) << text;
    }
}

TEST(TSettingsDocument, MissingFileReadsNothing) {
    TTestDir dir;
    TSettingsValues v;
    EXPECT_EQ(TSettingsDocument::Load(dir.File("nope.xml"), v), TSettingsDocument::Missing);
    EXPECT_FALSE(v.CDDBversion.has_value());
}

TEST(TSettingsDocument, ReadingRules) {
    TSettingsValues v;
    ASSERT_EQ(ParseText("<r><CDripper><NamingOptions><ShortCount>30</ShortCount>"
                        "<Seperator> </Seperator></NamingOptions></CDripper>"
                        "<Renamer><NamingOptions><ShortCount>300</ShortCount></NamingOptions>"
                        "</Renamer><Layout><CDtab>1</CDtab><CDtab>0</CDtab><cdtab>0</cdtab>"
                        "</Layout><Shortcuts><acRipMode>F5</acRipMode><acRipMode>F6</acRipMode>"
                        "<Unknown>F7</Unknown></Shortcuts></r>",
                        v),
              TSettingsDocument::Read);
    EXPECT_EQ(v.ShortCount, 300);           // the last one read wins; clamping is the reader's
    EXPECT_EQ(v.CdNaming.Seperator, " ");   // a blank separator is a value, not layout
    EXPECT_EQ(v.DriveNumber, -1);           // a ripper section without a drive selects none
    EXPECT_EQ(v.CDtab, 1);                  // the first match of the exact name counts
    ASSERT_TRUE(v.Shortcuts.has_value());
    EXPECT_EQ(v.Shortcuts->value(0).second, "F5");
    EXPECT_FALSE(v.DoRename.has_value());
}

TEST(TSettingsDocument, UnwritableFileIsAnError) {
    TTestDir dir;
    EXPECT_THROW(TSettingsDocument::Save(dir.File("missing/folder/x.xml"), EveryValue(),
                                         TSettingsSections::All()),
                 std::exception);
}
