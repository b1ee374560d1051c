#include "app/DiskPath.h"
#include "app/TSoundList.h"
#include "app/tsound.h"
#include "common/DiskNames.h"
#include "common/TTestDir.h"
#include "naming/LoadFolder.h"
#include "naming/TFindFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace {
TEST(TFindFile, PathKeepsPreviousWhenNewOneIsMissingOrEmpty) {
    TTestDir dir;
    TFindFile finder;
    EXPECT_EQ(finder.Path(), QDir::currentPath() + "/");
    finder.SetPath(dir.Path());
    EXPECT_EQ(finder.Path(), dir.Path() + "/");
    finder.SetPath(dir.File("missing"));
    EXPECT_EQ(finder.Path(), dir.Path() + "/");
    finder.SetPath("");
    EXPECT_EQ(finder.Path(), dir.Path() + "/");
    finder.SetPath(dir.Write("file.wav", "")); // a file is no folder
    EXPECT_EQ(finder.Path(), dir.Path() + "/");
}

TEST(TFindFile, MasksIgnoreCaseAndSubfoldersOnlyOnRequest) {
    TTestDir dir;
    dir.Write("a.WAV", "");
    dir.Write("b.txt", "");
    dir.Write("sub/c.wav", "");
    TFindFile finder;
    finder.SetPath(dir.Path());
    finder.MultiMask = {"*.wav"};
    QStringList reported;
    finder.onFound = [&](const QString& value) { reported.append(value); };
    EXPECT_EQ(finder.SearchByMasks(), QStringList{dir.Path() + "/a.WAV"});
    EXPECT_EQ(reported, QStringList{dir.Path() + "/a.WAV"});

    finder.InSubFolders = true;
    QStringList found = finder.SearchByMasks();
    found.sort();
    EXPECT_EQ(found, QStringList({dir.Path() + "/a.WAV", dir.Path() + "/sub/c.wav"}));
}

TEST(TFindFile, WildcardsMatchTheWholeName) {
    TTestDir dir;
    for (const char* name : {"a.wav", "ab.wav", "a.wav.bak", "README", "x.Aif"})
        dir.Write(name, "");
    TFindFile finder;
    finder.SetPath(dir.Path());
    auto names = [&](const QStringList& masks) {
        finder.MultiMask = masks;
        QStringList found;
        for (const QString& path : finder.SearchByMasks())
            found.append(QFileInfo(path).fileName());
        found.sort();
        return found;
    };
    EXPECT_EQ(names({"?.wav"}), QStringList({"a.wav"}));
    EXPECT_EQ(names({"a*"}), QStringList({"a.wav", "a.wav.bak", "ab.wav"}));
    EXPECT_EQ(names({"*.AIF", "*.wav"}), QStringList({"a.wav", "ab.wav", "x.Aif"}));
    EXPECT_EQ(names({"*.*"}).size(), 5); // every name, as the system's "*.*" does
    EXPECT_TRUE(names({}).isEmpty());
}

TEST(TFindFile, SingleMaskAndStopSearch) {
    TTestDir dir;
    for (const char* name : {"1.xml", "2.xml", "3.xml", "4.txt"})
        dir.Write(name, "");
    TFindFile finder;
    finder.SetPath(dir.Path());
    finder.FileMask = "*.xml";
    EXPECT_EQ(finder.SearchByMask().size(), 3);
    finder.onFound = [&](const QString&) { finder.StopSearch(); };
    EXPECT_EQ(finder.SearchByMask().size(), 1);
    EXPECT_EQ(finder.SearchByMask().size(), 1); // a new search clears the stop
}

TEST(TFindFile, MultiMaskSearchSwallowsErrors) {
    TTestDir dir;
    dir.Write("a.wav", "");
    dir.Write("b.wav", "");
    TFindFile finder;
    finder.SetPath(dir.Path());
    finder.MultiMask = {"*.wav"};
    finder.onFound = [](const QString&) { throw std::runtime_error("listener failed"); };
    EXPECT_EQ(finder.SearchByMasks().size(), 1);
    EXPECT_EQ(finder.LastError(), "Search error");
}

TEST(LoadFolder, MakesOneRecordPerSoundFileFromItsName) {
    TTestDir dir;
    for (const char* name : {"b.WAV", "a.mp3", "c.aif", "d.flac", "e.aiff", "f.txt"})
        dir.Write(name, "");
    dir.Write("sub/g.wav", "");
    TSoundList sounds;
    int changes = 0;
    TFileNameOptions naming; // "%FDes;"
    LoadFolder(dir.Path(), sounds, naming, true, [&] { ++changes; });
    EXPECT_EQ(changes, 2);

    struct TExpected {
        const char* name;
        const char* description;
        TAudioFormat format;
        const char* newName;
    };
    const TExpected expected[] = {{"a.mp3", "a", sfmp3, "a.mp3"},
                                  {"b.WAV", "b", sfwav, "b.wav"},
                                  {"c.aif", "c", sfAIFF, "c.aif"}};
    ASSERT_EQ(sounds.Count(), 3);
    for (int i = 0; i < 3; ++i) {
        const tsound& s = *sounds.Items(i);
        SCOPED_TRACE(expected[i].name);
        EXPECT_EQ(s.Status, ssRenameTag);
        EXPECT_EQ(s.path, dir.Path() + "/" + expected[i].name);
        EXPECT_EQ(s.Comment, expected[i].name);
        EXPECT_EQ(s.filename, expected[i].newName);
        EXPECT_EQ(s.Description, expected[i].description);
        EXPECT_EQ(s.Format, expected[i].format);
        EXPECT_EQ(s.ID3.Track, QString::number(i + 1));
        EXPECT_FALSE(s.ID3.HasTag);
        EXPECT_TRUE(s.ID3.Artist.isEmpty());
        EXPECT_EQ(s.bwav, "%SoundDescription;");
        EXPECT_EQ(s.bWav2, "%Publisher;");
        EXPECT_EQ(s.bWav3, "%CD;");
        EXPECT_TRUE(s.XMLdata.isEmpty());
    }
}

TEST(LoadFolder, PipesAndSocketsAreNoSounds) {
    // Tagging opens each listed file; opening a pipe would wait for a writer forever.
    TTestDir dir;
    dir.Write("real.wav", "");
    ASSERT_EQ(::mkfifo(QFile::encodeName(dir.File("pipe.wav")).constData(), 0600), 0);
    TSoundList sounds;
    LoadFolder(dir.Path(), sounds, TFileNameOptions(), true, {});
    ASSERT_EQ(sounds.Count(), 1);
    EXPECT_EQ(sounds.Items(0)->Comment, "real.wav");
}

TEST(LoadFolder, FoldersAndLinksToFoldersAreNoSounds) {
    TTestDir dir;
    dir.Write("real.wav", "");
    dir.Write("dir.wav/inside.wav", "");
    const QString target = dir.MakeFolder("target");
    ASSERT_TRUE(QFile::link(target, dir.File("link.mp3")));
    ASSERT_TRUE(QFile::link(dir.File("real.wav"), dir.File("alias.wav"))); // a link to a file is one
    ASSERT_TRUE(QFile::link(dir.File("gone"), dir.File("broken.aif")));
    TSoundList sounds;
    LoadFolder(dir.Path(), sounds, TFileNameOptions(), true, {});
    QStringList listed;
    for (const tsound* sound : sounds)
        listed.append(sound->Comment);
    EXPECT_EQ(listed, QStringList({"alias.wav", "real.wav"}));

    TFindFile finder; // whatever the attributes ask for
    finder.SetPath(dir.Path());
    finder.FileAttr = ffaAnyFile;
    finder.FileMask = "*.*";
    for (const QString& path : finder.SearchByMask())
        EXPECT_FALSE(QFileInfo(path).isDir()) << qPrintable(path);
}

TEST(LoadFolder, ReportsLongFoldersInStepsAndNamesAfterTheFill) {
    TTestDir dir;
    const int files = FolderLoadStep * 2 + 7;
    for (int i = 0; i < files; ++i)
        dir.Write(QString("s%1.wav").arg(i, 5, 10, QChar('0')), "");
    TSoundList sounds;
    QStringList heard;
    TFolderLoadEvents events;
    events.listChanged = [&] {
        heard.append(QString("list %1, %2").arg(sounds.Count()).arg(
            sounds.Count() ? sounds.Items(0)->filename : QString()));
    };
    events.progress = [&](int made) { heard.append(QString("made %1").arg(made)); };
    events.namesBuilt = [&] { heard.append("names " + sounds.Items(0)->filename); };
    TFileNameOptions naming;
    naming.Mask = "%Trc; %FDes;";
    LoadFolder(dir.Path(), sounds, naming, true, events);
    EXPECT_EQ(heard, QStringList({"list 0, ", QString("made %1").arg(FolderLoadStep),
                                  QString("made %1").arg(FolderLoadStep * 2),
                                  QString("list %1, s00000.wav").arg(files),
                                  "names 0001 s00000.wav"}));
    EXPECT_EQ(sounds.Items(files - 1)->ID3.Track, QString::number(files));
}

TEST(LoadFolder, NamesFromTheRenameMaskAndTheNameOnDisk) {
    TTestDir dir;
    dir.Write("Dog bark.wav", "");
    TSoundList sounds;
    TFileNameOptions naming;
    naming.Mask = "%Trc; - %FDes;";
    LoadFolder(dir.Path(), sounds, naming, true, {});
    ASSERT_EQ(sounds.Count(), 1);
    EXPECT_EQ(sounds.Items(0)->Description, "Dog bark");
    EXPECT_EQ(sounds.Items(0)->Comment, "Dog bark.wav");
    EXPECT_EQ(sounds.Items(0)->filename, "01 - Dog bark.wav");
    LoadFolder(dir.Path(), sounds, naming, false, {});
    EXPECT_EQ(sounds.Items(0)->filename, "Dog bark.wav");
}

TEST(LoadFolder, MissingFolderEmptiesTheList) {
    TTestDir dir;
    dir.Write("a.wav", "");
    TSoundList sounds;
    LoadFolder(dir.Path(), sounds, TFileNameOptions(), true, {});
    ASSERT_EQ(sounds.Count(), 1);
    int changes = 0;
    LoadFolder(dir.File("missing"), sounds, TFileNameOptions(), true, [&] { ++changes; });
    EXPECT_EQ(sounds.Count(), 0);
    EXPECT_EQ(changes, 1);
    LoadFolder("", sounds, TFileNameOptions(), true, {});
    EXPECT_EQ(sounds.Count(), 0);
}

TEST(LoadFolder, AnotherFolderReplacesTheWholeList) {
    TTestDir one, two;
    one.Write("a.wav", "");
    two.Write("x.wav", "");
    two.Write("y.wav", "");
    TSoundList sounds;
    LoadFolder(one.Path(), sounds, TFileNameOptions(), true, {});
    sounds.Items(0)->Description = "edited";
    LoadFolder(two.Path(), sounds, TFileNameOptions(), true, {});
    ASSERT_EQ(sounds.Count(), 2);
    EXPECT_EQ(sounds.Items(0)->Description, "x");
    EXPECT_EQ(sounds.Items(1)->Description, "y");
}

TEST(LoadFolder, ThePreviousRecordsAreReleasedBeforeItReturns) {
    static int live = 0;
    struct TCounted : tsound {
        TCounted() { ++live; }
        ~TCounted() override { --live; }
    };
    TTestDir dir;
    dir.Write("a.wav", "");
    for (const QString& folder : {dir.Path(), dir.File("missing")}) {
        TSoundList sounds;
        for (int i = 0; i < 3; ++i)
            sounds.Add(new TCounted);
        int emptied = -1;
        LoadFolder(folder, sounds, TFileNameOptions(), true, [&] {
            if (emptied < 0)
                emptied = sounds.Count(); // the view sees an empty list at once
        });
        EXPECT_EQ(emptied, 0);
        EXPECT_EQ(live, 0) << qPrintable(folder);
    }
}

TEST(LoadFolder, OrdersByFullPathIgnoringCase) {
    TTestDir dir;
    for (const char* name : {"B.wav", "a.wav", "C.mp3", "c.wav"})
        dir.Write(name, "");
    TSoundList sounds;
    LoadFolder(dir.Path(), sounds, TFileNameOptions(), true, {});
    QStringList order;
    for (const tsound* s : sounds)
        order.append(s->Comment);
    EXPECT_EQ(order, QStringList({"a.wav", "B.wav", "C.mp3", "c.wav"}));
}

TEST(LoadFolder, NamesThatAreNoUtf8AreListedByTheirBytes) {
    TTestDir dir;
    struct TCase {
        QByteArray onDisk;
        const char* shown; // UTF-8
        bool keepsBytes;
    };
    const TCase cases[] = {{"Caf\xe9 old.wav", "Caf\xc3\xa9 old.wav", true},
                           {"Caf\xc3\xa9 new.wav", "Caf\xc3\xa9 new.wav", false},
                           {"M\xfcll.mp3", "M\xc3\xbcll.mp3", true},
                           {"Rain.wav", "Rain.wav", false}};
    for (const TCase& c : cases)
        ASSERT_FALSE(MakeOnDisk(dir, c.onDisk).isEmpty());
    MakeOnDisk(dir, "\xe9t\xe9.txt"); // no sound, whatever its name

    TSoundList sounds;
    LoadFolder(dir.Path(), sounds, TFileNameOptions(), true, {});
    ASSERT_EQ(sounds.Count(), 4);
    EXPECT_EQ(NamesNotUtf8(sounds), 2);
    for (const TCase& c : cases) {
        const QString shown = QString::fromUtf8(c.shown);
        SCOPED_TRACE(shown.toStdString());
        const auto found = std::find_if(sounds.begin(), sounds.end(),
                                        [&](const tsound* s) { return s->Comment == shown; });
        ASSERT_NE(found, sounds.end());
        const tsound& sound = **found;
        EXPECT_EQ(sound.path, dir.Path() + "/" + shown);
        EXPECT_EQ(sound.pathOnDisk, c.keepsBytes ? DiskPathIn(dir, c.onDisk) : QByteArray());
        EXPECT_EQ(sound.filename, shown); // the name builder works on the display form
        EXPECT_EQ(sound.Description + shown.mid(shown.lastIndexOf('.')), shown);
        EXPECT_EQ(::access(DiskPath(sound).constData(), F_OK), 0); // the file is found by it
    }
    // Sorted by what the user sees, letter case ignored.
    QStringList order;
    for (const tsound* sound : sounds)
        order.append(sound->Comment);
    EXPECT_EQ(order, QStringList({QString::fromUtf8("Caf\xc3\xa9 new.wav"),
                                  QString::fromUtf8("Caf\xc3\xa9 old.wav"),
                                  QString::fromUtf8("M\xc3\xbcll.mp3"), "Rain.wav"}));
}

TEST(LoadFolderOnDisk, AFolderNamedInLatin1IsListedAndItsRecordsCarryThePanel) {
    TTestDir dir;
    const QByteArray folder = MakeOnDisk(dir, "Alt\xe9", true);
    ASSERT_FALSE(folder.isEmpty());
    ASSERT_EQ(::close(::open((folder + "/Dog bark.wav").constData(), O_WRONLY | O_CREAT, 0600)), 0);
    TPanelValues panel;
    panel.Series = "Nature";
    panel.CD = "Birds 2";
    panel.Publisher = "Acme";
    TFileNameOptions naming;
    naming.Mask = "%Ser; - %FDes;";

    TSoundList sounds;
    LoadFolderOnDisk(folder, sounds, naming, panel, {});
    ASSERT_EQ(sounds.Count(), 1);
    const tsound& sound = *sounds.Items(0);
    EXPECT_EQ(sound.path, dir.Path() + QString::fromUtf8("/Alt\xc3\xa9/Dog bark.wav"));
    EXPECT_EQ(sound.pathOnDisk, folder + "/Dog bark.wav");
    EXPECT_EQ(NamesNotUtf8(sounds), 0); // the folder's name is not the file's
    EXPECT_EQ(sound.ID3.Artist, "Nature");
    EXPECT_EQ(sound.ID3.Album, "Birds 2");
    EXPECT_EQ(sound.ID3.Publisher, "Acme");
    EXPECT_EQ(sound.ID3.Title, "Dog bark");
    EXPECT_TRUE(sound.bwav.isEmpty()); // without "Broadcast-tag"
    EXPECT_EQ(sound.filename, "Nature - Dog bark.wav");

    panel.DoRename = false;
    LoadFolderOnDisk(folder, sounds, naming, panel, {});
    ASSERT_EQ(sounds.Count(), 1);
    EXPECT_EQ(sounds.Items(0)->filename, "Dog bark.wav");
}
} // namespace
