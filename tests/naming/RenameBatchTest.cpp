// The rename and tag batch on real files: names, tags, the report, and every way a file can
// refuse to be renamed or tagged without anything on disk being lost.
#include "common/QtPrinters.h"
#include "app/THistoryList.h"
#include "app/tsound.h"
#include "naming/RenameNoReplace.h"
#include "naming/TRenameBatchFixture.h"
#include "tags/TSharedFileLock.h"
#include "tags/TWavFixture.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace {
// A folder whose entries the batch cannot change: write permission taken away, or, for a
// user whom permissions do not stop, the file system's immutable flag.
class TReadOnlyFolder {
public:
    explicit TReadOnlyFolder(const QString& path) : path_(path) {
        QFile::setPermissions(path_, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup |
                                         QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther);
        if (!Refuses())
            immutable_ = SetImmutable(true);
    }
    ~TReadOnlyFolder() {
        if (immutable_)
            SetImmutable(false);
        QFile::setPermissions(path_, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    // True when a new entry cannot be made in the folder.
    bool Refuses() const {
        QFile probe(path_ + "/probe");
        if (!probe.open(QIODevice::WriteOnly))
            return true;
        probe.remove();
        return false;
    }

private:
    bool SetImmutable(bool on) const {
        const int fd = ::open(QFile::encodeName(path_).constData(), O_RDONLY | O_DIRECTORY);
        int flags = 0;
        const bool done = fd >= 0 && ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0 &&
                          (flags = on ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL,
                           ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0);
        if (fd >= 0)
            ::close(fd);
        return done;
    }

    QString path_;
    bool immutable_ = false;
};
} // namespace

TEST_F(RenameBatch, ProcessMarkedRenamesInTrackOrderAndWritesAllTags) {
    AllTags();
    ThreeSounds();
    const TBatchReport report = ProcessAllRows();

    EXPECT_EQ(report.StatisticsLine(), "3 of 3 sounds processed ok\n0 errors");
    EXPECT_EQ(report.Failures, QStringList());
    EXPECT_EQ(folder.Names(), QStringList({"01 - Cat meow.wav", "02 - Dog bark.wav", "03 - Rain.wav"}));
    EXPECT_TRUE(Chunk("02 - Dog bark.wav", "id3 ").contains("TIT2"));
    EXPECT_TRUE(Chunk("02 - Dog bark.wav", "id3 ").contains("Dog bark"));
    EXPECT_TRUE(Chunk("02 - Dog bark.wav", "bext").startsWith("Dog bark\0"));
    EXPECT_EQ(Chunk("03 - Rain.wav", "iXML"), "<BWFXML><NOTE>Rain</NOTE></BWFXML>");
    for (const tsound* sound : sounds) {
        EXPECT_EQ(sound->Status, ssnormal) << "done sounds go back to normal after the report";
        EXPECT_EQ(sound->path, folder.File(sound->filename));
        EXPECT_EQ(sound->Comment, "");
    }
}

TEST_F(RenameBatch, CollisionWithAnExistingFileLeavesItUntouched) {
    ThreeSounds();
    // Another program creates a file of one of the new names after the folder was listed.
    const QByteArray existing = TWavFixture::ShortPcm() + "someone else's";
    folder.dir.Write("02 - Dog bark.wav", existing);
    const TBatchReport report = ProcessAllRows();

    EXPECT_EQ(report.StatisticsLine(), "2 of 3 sounds processed ok\n1 errors");
    EXPECT_EQ(folder.Read("02 - Dog bark.wav"), existing);
    EXPECT_EQ(folder.Read("Dog bark.wav"), TWavFixture::ShortPcm());
    EXPECT_EQ(report.Failures,
              QStringList({"Dog bark.wav: Cannot rename to \"02 - Dog bark.wav\". File exists"}));
    EXPECT_EQ(sounds.Items(1)->Status, sserror);
    EXPECT_EQ(sounds.Items(1)->path, folder.File("Dog bark.wav"));
    EXPECT_EQ(folder.Names(), QStringList({"01 - Cat meow.wav", "02 - Dog bark.wav",
                                           "03 - Rain.wav", "Dog bark.wav"}));
}

TEST_F(RenameBatch, AFailedRenameCountsAsErrorEvenWhenTheTagsAreWrittenUnderTheOldName) {
    panel.DoID3 = true;
    ThreeSounds();
    folder.dir.Write("01 - Cat meow.wav", "in the way");
    const TBatchReport report = ProcessAllRows();

    EXPECT_EQ(report.StatisticsLine(), "2 of 3 sounds processed ok\n1 errors");
    EXPECT_TRUE(Chunk("Cat meow.wav", "id3 ").contains("Cat meow")) << "tagged under its old name";
    EXPECT_EQ(folder.Read("01 - Cat meow.wav"), "in the way");
    EXPECT_EQ(sounds.Items(0)->Status, sserror);
}

TEST_F(RenameBatch, ReadOnlyFolderRenamesNothingAndSaysWhy) {
    panel.DoiXML = true;
    ThreeSounds();
    TReadOnlyFolder readOnly(folder.Path());
    if (!readOnly.Refuses())
        GTEST_SKIP() << "this user can change any folder";
    const TBatchReport report = ProcessAllRows();

    EXPECT_EQ(report.StatisticsLine(), "0 of 3 sounds processed ok\n3 errors");
    EXPECT_EQ(folder.Names(), QStringList({"Cat meow.wav", "Dog bark.wav", "Rain.wav"}));
    ASSERT_EQ(report.Failures.size(), 3);
    EXPECT_TRUE(report.Failures[0].startsWith("Cat meow.wav: Cannot rename to \"01 - Cat meow.wav\". "))
        << report.Failures[0].toStdString();
    EXPECT_EQ(Chunk("Rain.wav", "iXML"), "<BWFXML><NOTE>Rain</NOTE></BWFXML>")
        << "the files themselves can still be tagged";
    for (const tsound* sound : sounds)
        EXPECT_EQ(sound->Status, sserror);
}

TEST_F(RenameBatch, FileHeldByThePreviewIsNotTagged) {
    AllTags();
    ThreeSounds();
    const TSharedFileLock preview(folder.File("Rain.wav"));
    ASSERT_TRUE(preview.IsLocked());
    const TBatchReport report = ProcessAllRows();

    EXPECT_EQ(report.StatisticsLine(), "2 of 3 sounds processed ok\n1 errors");
    // Renaming does not disturb the open file; writing into it would.
    EXPECT_EQ(folder.Read("03 - Rain.wav"), TWavFixture::ShortPcm());
    ASSERT_EQ(report.Failures.size(), 1);
    EXPECT_TRUE(report.Failures[0].startsWith("Rain.wav: Cannot open file")) << report.Failures[0].toStdString();
    EXPECT_EQ(sounds.Items(2)->Status, sserror);
}

TEST_F(RenameBatch, FilesThatAreNoWaveAreRefusedUnchanged) {
    AllTags();
    panel.DoRename = false;
    folder.WriteSounds({"Good.wav"});
    folder.CopyTestData("mp3-named-wav.wav");
    folder.CopyTestData("riff-avi.wav");
    const QByteArray mp3Bytes = folder.Read("mp3-named-wav.wav");
    const QByteArray aviBytes = folder.Read("riff-avi.wav");
    ASSERT_FALSE(mp3Bytes.isEmpty());
    ASSERT_FALSE(aviBytes.isEmpty());
    folder.List(sounds, naming, false);
    const TBatchReport report = ProcessAllRows();

    EXPECT_EQ(report.StatisticsLine(), "1 of 3 sounds processed ok\n2 errors");
    EXPECT_EQ(folder.Read("mp3-named-wav.wav"), mp3Bytes);
    EXPECT_EQ(folder.Read("riff-avi.wav"), aviBytes);
    EXPECT_EQ(report.Failures, QStringList({"mp3-named-wav.wav: Invalid Wave file, no RIFF header",
                                            "riff-avi.wav: Invalid Wave file, no WAVE header"}))
        << "one reason per file, however many tag kinds were refused";
}

TEST_F(RenameBatch, OnlyThisBatchsErrorsAreCounted) {
    ThreeSounds();
    folder.dir.Write("02 - Dog bark.wav", "in the way");
    EXPECT_EQ(ProcessAllRows().Errors, 1);
    ASSERT_EQ(sounds.Items(1)->Status, sserror);

    panel.DoRename = false;
    panel.DoID3 = true;
    const TBatchReport second = batch.ProcessMarked({0, 2});
    EXPECT_EQ(second.StatisticsLine(), "2 of 2 sounds processed ok\n0 errors");
    EXPECT_EQ(sounds.Items(1)->Status, sserror) << "an error stays until the folder is listed again";
}

TEST_F(RenameBatch, WithoutRenamingOrTagsNothingIsProcessed) {
    panel.DoRename = false;
    ThreeSounds();
    EXPECT_EQ(ProcessAllRows().StatisticsLine(), "0 of 3 sounds processed ok\n0 errors");
    EXPECT_EQ(folder.Names(), QStringList({"Cat meow.wav", "Dog bark.wav", "Rain.wav"}));
    EXPECT_EQ(folder.Read("Rain.wav"), TWavFixture::ShortPcm());
    EXPECT_FALSE(QFile::exists(program.File("RenameJournal.txt")));
}

TEST_F(RenameBatch, TagsOnlyCountMp3AndAiffAsProcessedWithoutTouchingThem) {
    panel.DoRename = false;
    panel.DoID3 = true;
    folder.WriteSounds({"a.mp3", "b.wav", "c.aif"});
    folder.List(sounds, naming, false);
    EXPECT_EQ(ProcessAllRows().StatisticsLine(), "3 of 3 sounds processed ok\n0 errors");
    EXPECT_EQ(folder.Read("a.mp3"), "not a wave: a.mp3");
    EXPECT_EQ(folder.Read("c.aif"), "not a wave: c.aif");
    EXPECT_TRUE(Chunk("b.wav", "id3 ").startsWith("ID3"));
}

TEST_F(RenameBatch, UnmarkedSoundsAreLeftAlone) {
    AllTags();
    ThreeSounds();
    EXPECT_EQ(batch.ProcessMarked({1}).StatisticsLine(), "1 of 1 sounds processed ok\n0 errors");
    EXPECT_EQ(folder.Names(), QStringList({"02 - Dog bark.wav", "Cat meow.wav", "Rain.wav"}));
    EXPECT_EQ(folder.Read("Rain.wav"), TWavFixture::ShortPcm());
    EXPECT_EQ(sounds.Items(2)->Status, ssRenameTag);
}

TEST_F(RenameBatch, RefusesAnEmptyListAndNoMarks) {
    EXPECT_EQ(ProcessAllRows().Refusal,
              "No sounds available.\nPlease select a folder from the browser on the right");
    ThreeSounds();
    EXPECT_EQ(batch.ProcessMarked({}).Refusal, "No sounds marked for processing");
    EXPECT_EQ(folder.Names(), QStringList({"Cat meow.wav", "Dog bark.wav", "Rain.wav"}));
}

TEST_F(RenameBatch, ProcessAllStopsThePreviewThenMarksEveryRow) {
    ThreeSounds();
    QStringList calls;
    batch.StopPreview = [&] { calls << "stop preview"; };
    const TBatchReport report = batch.ProcessAll([&] {
        calls << "mark all";
        return TBatchFolder::AllRows(sounds);
    });
    EXPECT_EQ(calls, QStringList({"stop preview", "mark all"}));
    EXPECT_EQ(report.StatisticsLine(), "3 of 3 sounds processed ok\n0 errors");
}

TEST_F(RenameBatch, SeriesAndCdGoIntoTheHistoriesAndTheReportComesBeforeNormalStatuses) {
    THistoryList renamePanel;
    THistoryList importPanel;
    importPanel.Add("nature");
    batch.Histories = {&renamePanel, &importPanel};
    panel.Series = "Nature";
    panel.CD = "Birds 2";
    ThreeSounds();
    std::vector<TSoundStatus> shown;
    batch.ShowReport = [&](const TBatchReport&) { shown.push_back(sounds.Items(0)->Status); };
    ProcessAllRows();
    EXPECT_EQ(renamePanel.Entries(), QStringList({"Birds 2", "Nature"}));
    EXPECT_EQ(importPanel.Entries(), QStringList({"Birds 2", "nature"}));
    EXPECT_EQ(shown, std::vector<TSoundStatus>{ssDone});
    EXPECT_EQ(sounds.Items(0)->ID3.Artist, "Nature") << "the panel is applied after the batch";
}

TEST_F(RenameBatch, ASecondRenameBeforeTheFolderIsListedAgainFails) {
    ThreeSounds();
    ProcessAllRows();
    const TBatchReport again = batch.ProcessMarked({0});
    EXPECT_EQ(again.StatisticsLine(), "0 of 1 sounds processed ok\n1 errors");
    EXPECT_EQ(again.Failures,
              QStringList({"01 - Cat meow.wav: Renamed before: pick the folder again to rename it anew"}));
    EXPECT_EQ(folder.Names(), QStringList({"01 - Cat meow.wav", "02 - Dog bark.wav", "03 - Rain.wav"}));
}

TEST_F(RenameBatch, ApplyPanelFieldsFillsEverySoundAndRenames) {
    ThreeSounds();
    naming.Mask = "%Ser; - %FDes;";
    panel.Series = "Nature";
    panel.CD = "Birds";
    panel.Publisher = "Acme";
    panel.DoBwav = true;
    sounds.Items(0)->bwav.clear();
    sounds.Items(1)->bwav = "own text";
    batch.ApplyPanelFields();
    const tsound& cat = *sounds.Items(0);
    EXPECT_EQ(cat.ID3.Title, "Cat meow");
    EXPECT_EQ(cat.ID3.Comment, "Cat meow");
    EXPECT_EQ(cat.ID3.Artist, "Nature");
    EXPECT_EQ(cat.ID3.Album, "Birds");
    EXPECT_EQ(cat.ID3.Publisher, "Acme");
    EXPECT_TRUE(cat.ID3.HasTag);
    EXPECT_EQ(cat.bwav, "%SoundDescription;");
    EXPECT_EQ(sounds.Items(1)->bwav, "own text");
    EXPECT_EQ(cat.filename, "Nature - Cat meow.wav");

    panel.DoBwav = false;
    batch.ApplyPanelFields();
    EXPECT_EQ(sounds.Items(1)->bwav, "");
}

TEST(RenameNoReplaceTest, NeverReplacesAndSaysWhy) {
    TTestDir dir;
    const QString a = dir.Write("a.wav", "a");
    const QString b = dir.Write("b.wav", "b");
    EXPECT_EQ(RenameNoReplace(a, b).ErrorText(), "File exists");
    EXPECT_EQ(dir.Read("b.wav"), "b");
    EXPECT_EQ(RenameNoReplace(dir.File("gone.wav"), dir.File("c.wav")).ErrorText(),
              "No such file or directory");
    EXPECT_TRUE(RenameNoReplace(a, a).IsOk());
    EXPECT_TRUE(RenameNoReplace(a, dir.File("A.wav")).IsOk()) << "a change of letter case only";
    EXPECT_EQ(dir.Read("A.wav"), "a");
    EXPECT_FALSE(QFile::exists(a));
}

TEST(RenameNoReplaceTest, TwoNamesOfOneFileStayTwo) {
    TTestDir dir;
    const QString lower = dir.Write("dog.wav", "dog");
    const QString upper = dir.File("Dog.wav");
    ASSERT_EQ(::link(QFile::encodeName(lower).constData(), QFile::encodeName(upper).constData()), 0);
    EXPECT_EQ(RenameNoReplace(lower, upper).ErrorText(), "File exists");
    EXPECT_EQ(dir.Read("dog.wav"), "dog");
    EXPECT_EQ(dir.Read("Dog.wav"), "dog");
    EXPECT_EQ(QDir(dir.Path()).entryList(QDir::Files | QDir::Hidden).size(), 2) << "no temporary left";
}

TEST(RenameNoReplaceTest, TheLinkWayNeverReplacesEither) {
    TTestDir dir;
    const QString a = dir.Write("a.wav", "a");
    dir.Write("b.wav", "b");
    EXPECT_EQ(RenameByLink(a, dir.File("b.wav")).ErrorText(), "File exists");
    EXPECT_EQ(dir.Read("a.wav"), "a");
    EXPECT_TRUE(RenameByLink(a, dir.File("c.wav")).IsOk());
    EXPECT_EQ(QDir(dir.Path()).entryList(QDir::Files), QStringList({"b.wav", "c.wav"}));
}

TEST_F(RenameBatch, BroadcastTagTickedAfterTheFieldsStillWritesTheDescriptions) {
    ThreeSounds(); // the fields were applied while "Broadcast-tag" was off: no bext texts
    ASSERT_EQ(sounds.Items(0)->bwav, "");
    panel.DoBwav = true;
    batch.BroadcastTagChanged();
    EXPECT_EQ(sounds.Items(0)->bwav, "%SoundDescription;");
    ProcessAllRows();
    EXPECT_TRUE(Chunk("01 - Cat meow.wav", "bext").startsWith("Cat meow\0"));
}


TEST_F(RenameBatch, AFileRefusedForEveryTagKindIsOneLineOfTheReport) {
    AllTags();
    panel.DoRename = false;
    folder.CopyTestData("riff-avi.wav");
    ASSERT_TRUE(QFile::rename(folder.File("riff-avi.wav"), folder.File("riff\navi.wav")));
    folder.List(sounds, naming, false);
    ASSERT_EQ(sounds.Count(), 1);
    const TBatchReport report = ProcessAllRows();

    EXPECT_EQ(report.StatisticsLine(), "0 of 1 sounds processed ok\n1 errors");
    EXPECT_EQ(report.Failures, QStringList({"riff\\navi.wav: Invalid Wave file, no WAVE header"}))
        << "a line break in a name does not start a line of its own";
}
