// The journal of the rename batch and its undo: every rename on record before it happens, a
// batch cut off at any point undone in full, names that are no UTF-8, journals of old.
#include "common/QtPrinters.h"
#include "app/DiskPath.h"
#include "app/tsound.h"
#include "naming/TRenameBatchFixture.h"
#include "naming/TRenameTagBatch.h"
#include "naming/UndoRenameBatch.h"

#include <QFile>
#include <QScopeGuard>

#include <fcntl.h>
#include <unistd.h>

#include <memory>

TEST_F(RenameBatch, JournalRecordsEveryRenameAndUndoRestoresTheNames) {
    folder.WriteSounds({QString::fromUtf8("Vögel.wav"), "Rain.wav"});
    folder.List(sounds, naming);
    ProcessAllRows();
    const QString rain = folder.File("Rain.wav") + "\t" + folder.File("01 - Rain.wav");
    const QString birds = folder.File(QString::fromUtf8("Vögel.wav")) + "\t" +
                          folder.File(QString::fromUtf8("02 - Vögel.wav"));
    EXPECT_EQ(JournalLines(), QStringList({"move\t" + rain, "done\t" + rain, "move\t" + birds, "done\t" + birds}))
        << "each rename on record before it is asked for, and once it stands";

    const TUndoReport undo = batch.UndoLastRenameBatch();
    EXPECT_EQ(undo.StatisticsLine(), "2 of 2 renames undone");
    EXPECT_EQ(undo.Failures, QStringList());
    EXPECT_EQ(folder.Names(), QStringList({"Rain.wav", QString::fromUtf8("Vögel.wav")}));
    EXPECT_FALSE(QFile::exists(program.File("RenameJournal.txt"))) << "nothing left to undo";
}


TEST_F(RenameBatch, UndoNeverReplacesAndKeepsWhatItCouldNotUndo) {
    ThreeSounds();
    ProcessAllRows();
    folder.dir.Write("Rain.wav", "new file under the old name");
    const TUndoReport undo = batch.UndoLastRenameBatch();

    EXPECT_EQ(undo.StatisticsLine(), "2 of 3 renames undone");
    EXPECT_EQ(undo.Failures,
              QStringList({"03 - Rain.wav: Cannot rename back to \"Rain.wav\". File exists"}));
    EXPECT_EQ(folder.Read("Rain.wav"), "new file under the old name");
    EXPECT_EQ(folder.Read("03 - Rain.wav"), TWavFixture::ShortPcm());
    const QString rain = folder.File("Rain.wav") + "\t" + folder.File("03 - Rain.wav");
    EXPECT_EQ(JournalLines(), QStringList({"move\t" + rain, "done\t" + rain}));
}


TEST_F(RenameBatch, UndoReportsAndKeepsJournalLinesItCannotRead) {
    ThreeSounds();
    ProcessAllRows();
    QFile journal(program.File("RenameJournal.txt"));
    ASSERT_TRUE(journal.open(QIODevice::Append));
    journal.write("no tab here\nrelative\tpath\n/a\t/b\t/c\n/bad\\qescape\t/x\r\n");
    journal.close();
    const TUndoReport undo = batch.UndoLastRenameBatch();

    EXPECT_EQ(undo.StatisticsLine(), "3 of 3 renames undone");
    EXPECT_EQ(undo.Failures.size(), 4);
    EXPECT_EQ(undo.Failures[0], "Unreadable journal line: no tab here");
    EXPECT_EQ(JournalLines(), QStringList({"no tab here", "relative\tpath", "/a\t/b\t/c", "/bad\\qescape\t/x"}));
    EXPECT_EQ(folder.Names(), QStringList({"Cat meow.wav", "Dog bark.wav", "Rain.wav"}));
}


TEST_F(RenameBatch, JournalThatCannotBeWrittenStopsEveryRename) {
    ThreeSounds();
    program.MakeFolder("RenameJournal.txt"); // a folder where the file should go
    const TBatchReport report = ProcessAllRows();
    EXPECT_EQ(report.StatisticsLine(), "0 of 3 sounds processed ok\n3 errors");
    ASSERT_EQ(report.Failures.size(), 3);
    EXPECT_TRUE(report.Failures[0].startsWith("Cat meow.wav: Not renamed: Cannot write the rename journal"))
        << report.Failures[0].toStdString();
    EXPECT_EQ(folder.Names(), QStringList({"Cat meow.wav", "Dog bark.wav", "Rain.wav"}));
}


TEST_F(RenameBatch, AJournalThatTakesNoIntentRenamesNothing) {
    if (!QFile::exists("/dev/full"))
        GTEST_SKIP() << "no /dev/full here";
    TRenameBatch full(sounds, naming, "/dev/full"); // takes the file, refuses every byte
    full.Panel = batch.Panel;
    ThreeSounds();
    const TBatchReport report = full.ProcessMarked(TBatchFolder::AllRows(sounds));

    EXPECT_EQ(report.StatisticsLine(), "0 of 3 sounds processed ok\n3 errors");
    ASSERT_EQ(report.Failures.size(), 3);
    for (const QString& failure : report.Failures)
        EXPECT_TRUE(failure.contains(": Not renamed: Cannot write the rename journal")) << failure.toStdString();
    EXPECT_EQ(folder.Names(), QStringList({"Cat meow.wav", "Dog bark.wav", "Rain.wav"}));
}

namespace {
// Where a test cuts a batch off, as a crash (kill -9, power loss) would.
struct TCrash {};
using TStage = TRenameTagBatch::TRenameStage;

class CrashedBatch : public RenameBatch {
protected:
    // A swap (through a temporary name) and a chain: five renames, in files a..d.
    void SwapAndChain() {
        for (const char* name : {"a.wav", "b.wav", "c.wav", "d.wav"})
            folder.dir.Write(name, name);
        folder.List(sounds, naming);
        const QStringList targets = {"b.wav", "a.wav", "d.wav", "e.wav"};
        for (int row = 0; row < sounds.Count(); ++row)
            sounds.Items(row)->filename = targets[row];
    }
    // Runs the renames and stops the batch at the `count`th time it reaches `stage`.
    void RenameUntil(TStage stage, int count) {
        batch.Run = [stage, count](TRenameTagBatch& run) {
            int reached = 0;
            run.OnRenameStage = [&](TStage now) {
                if (now == stage && ++reached == count)
                    throw TCrash();
            };
            try {
                run.RunToEnd();
            } catch (const TCrash&) {
            }
        };
        batch.RenameMarked(TBatchFolder::AllRows(sounds));
    }
    // Each file name with the name the file had at first (its content).
    QStringList Contents() const {
        QStringList contents;
        for (const QString& name : folder.Names())
            contents << name + " holds " + QString::fromUtf8(folder.Read(name));
        return contents;
    }
};
} // namespace

TEST_F(CrashedBatch, ABatchCutOffAnywhereIsUndoneInFull) {
    const QStringList before = {"a.wav holds a.wav", "b.wav holds b.wav", "c.wav holds c.wav",
                                "d.wav holds d.wav"};
    for (const TStage stage : {TStage::Intended, TStage::Renamed}) {
        for (int count = 1; count <= 5; ++count) {
            SCOPED_TRACE(testing::Message() << (stage == TStage::Intended ? "before" : "after")
                                            << " the rename of step " << count);
            sounds.Clear();
            SwapAndChain();
            ASSERT_EQ(Contents(), before);
            RenameUntil(stage, count);
            const TUndoReport undo = batch.UndoLastRenameBatch();
            EXPECT_EQ(undo.Failures, QStringList());
            EXPECT_EQ(undo.Undone, undo.Total);
            ASSERT_EQ(Contents(), before);
            EXPECT_FALSE(QFile::exists(program.File("RenameJournal.txt")));
        }
    }
}

TEST_F(CrashedBatch, ASwapIsTwoFilesToUndoThoughItTakesThreeRenames) {
    SwapAndChain();
    RenameUntil(TStage::Renamed, 3); // a.wav is aside, b.wav took its name, a.wav just took b's
    EXPECT_EQ(FilesOnRecord(program.File("RenameJournal.txt")), 2);
    EXPECT_EQ(batch.UndoLastRenameBatch().StatisticsLine(), "2 of 2 renames undone");
}

TEST_F(RenameBatch, ALatin1NameIsRenamedAndGetsItsBytesBackOnUndo) {
    const QByteArray old = QFile::encodeName(folder.Path()) + "/Caf\xe9 old.wav";
    const int file = ::open(old.constData(), O_CREAT | O_WRONLY | O_EXCL, 0644);
    ASSERT_GE(file, 0);
    ASSERT_EQ(::write(file, "latin", 5), 5);
    ::close(file);
    // The test folder cannot remove a name Qt cannot spell.
    const auto removed = qScopeGuard([&] { ::unlink(old.constData()); });
    auto sound = std::make_unique<tsound>();
    SetPathFromDisk(*sound, old);
    sound->Comment = DisplayFormOf("Caf\xe9 old.wav");
    sound->filename = QString::fromUtf8("01 - Café.wav");
    sound->Status = ssRenameTag;
    sounds.Add(std::move(sound));

    EXPECT_EQ(batch.RenameMarked({0}).StatisticsLine(), "1 of 1 sounds processed ok\n0 errors");
    EXPECT_EQ(folder.Read(QString::fromUtf8("01 - Café.wav")), "latin");
    EXPECT_EQ(sounds.Items(0)->path, folder.File(QString::fromUtf8("01 - Café.wav")));
    EXPECT_EQ(sounds.Items(0)->pathOnDisk, QByteArray());
    const QString line = folder.Path() + "/Caf\\xe9 old.wav\t" + folder.File(QString::fromUtf8("01 - Café.wav"));
    EXPECT_EQ(JournalLines(), QStringList({"move\t" + line, "done\t" + line}));

    EXPECT_EQ(batch.UndoLastRenameBatch().StatisticsLine(), "1 of 1 renames undone");
    EXPECT_EQ(::access(old.constData(), F_OK), 0) << "the old bytes, not a UTF-8 spelling of them";
    EXPECT_FALSE(QFile::exists(folder.File(QString::fromUtf8("01 - Café.wav"))));
}

TEST_F(RenameBatch, AJournalOfEarlierVersionsIsStillUndone) {
    folder.dir.Write("01 - Rain.wav", "rain");
    folder.dir.Write("02 - A\tB.wav", "tab");
    program.Write("RenameJournal.txt",
                  (folder.File("Rain.wav") + "\t" + folder.File("01 - Rain.wav") + "\n" +
                   folder.File("A\\tB.wav") + "\t" + folder.File("02 - A\\tB.wav") + "\n")
                      .toUtf8());
    EXPECT_EQ(FilesOnRecord(program.File("RenameJournal.txt")), 2);
    const TUndoReport undo = batch.UndoLastRenameBatch();
    EXPECT_EQ(undo.StatisticsLine(), "2 of 2 renames undone");
    EXPECT_EQ(undo.Failures, QStringList());
    EXPECT_EQ(folder.Names(), QStringList({"A\tB.wav", "Rain.wav"}));
}
