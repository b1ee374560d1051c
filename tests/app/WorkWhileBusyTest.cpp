// What the user can do while work runs on the sound list: every request that would replace the
// list waits until the work has ended, and the work finishes on the records it started with.
#include "app/ImportWindowFixture.h"
#include "app/TSingleInstance.h"
#include "cdimport/TJobHandler.h"
#include "common/PickFolderInWindow.h"
#include "naming/TBatchRunner.h"
#include "naming/TDescriptionEditing.h"
#include "ui/TCDripperList.h"
#include "ui/TSoundListContextMenu.h"
#include "ui/TTagEditing.h"
#include "ui/TfBatchDone.h"

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace {
// Long enough that the resampled import still converts when the test looks.
const QList<TTrack> longTracks = {TTrack{3000, 0, false, 11}, TTrack{3000, 0, false, 12},
                                  TTrack{3000, 0, false, 13}};

class WorkWhileImporting : public ImportInMainForm {
protected:
    WorkWhileImporting() : ImportInMainForm(longTracks) {}

    bool WaitUntil(const std::function<bool()>& condition, int ms = 30000) {
        return QTest::qWaitFor(condition, ms);
    }
    // Another disc of two tracks in the drive, and the drive chosen again in the options (which
    // reads its disc at once).
    void ChangeDisc() {
        TCdImageWriter::Write(program.File("discs"), "Disc", {TTrack{75, 0, false, 1}, TTrack{75, 0, false, 2}});
        form->ImportController()->ReadDiscNow();
    }
    QList<tsound*> Records() const {
        return QList<tsound*>(form->Sounds().begin(), form->Sounds().end());
    }
};

TEST_F(WorkWhileImporting, F2DuringAnImportIsRefusedAndEveryTrackIsImportedWhole) {
    ASSERT_TRUE(WaitForTracks());
    FillSfxPanel();
    const QList<tsound*> records = Records();
    form->Action("acRipDisc")->trigger();
    ASSERT_EQ(form->WorkState(), EWorkState::Importing);
    for (int press = 0; press < 10 && form->ImportController()->Running(); ++press) {
        QTest::keyClick(form.get(), Qt::Key_F2);
        form->ShowRenameMode(); // the same request by another way than the key
        EXPECT_TRUE(form->ImportMode());
        EXPECT_EQ(Records(), records);
        QTest::qWait(30);
    }
    ASSERT_TRUE(WaitUntil([this] { return !form->ImportController()->Running(); }));
    ASSERT_EQ(Files(output), QStringList({"01 - Track 01.wav", "02 - Track 02.wav", "03 - Track 03.wav"}));
    for (int track = 0; track < 3; ++track)
        EXPECT_TRUE(Chunk(program.Read("out/" + Files(output)[track]), "data") == TrackBytes(track));
    QTest::keyClick(form.get(), Qt::Key_F2); // idle again: the switch goes through
    EXPECT_FALSE(form->ImportMode());
}

TEST_F(WorkWhileImporting, AfterCancelTheWindowStaysBusyUntilTheConversionHasEnded) {
    ASSERT_TRUE(WaitForTracks());
    FillSfxPanel();
    form->OutputFormat = TOutputFormat{sfwav, 256, 24, 48000};
    form->Action("acRipDisc")->trigger();
    ASSERT_TRUE(WaitUntil([this] { return form->Jobs()->ConversionRunning(); }));
    form->CancelButton()->click();
    if (form->Jobs()->ConversionRunning()) {
        EXPECT_EQ(form->WorkState(), EWorkState::FinishingConversion);
        EXPECT_TRUE(form->Busy());
        EXPECT_EQ(form->StatusLine()->text(), FinishingConversionText);
        form->ShowRenameMode();
        form->OpenPaths({output});
        EXPECT_TRUE(form->ImportMode());
    }
    ASSERT_TRUE(WaitUntil([this] { return !form->ImportController()->Running(); }));
    EXPECT_FALSE(form->Busy());
    // The "Open with" that had to wait is carried out now.
    ASSERT_TRUE(WaitUntil([this] { return !form->ImportMode(); }, 3000));
    EXPECT_EQ(form->CurrentFolder(), output);
}

TEST_F(WorkWhileImporting, ADiscChangeDuringTheOverwriteQuestionWaitsUntilItIsAnswered) {
    ASSERT_TRUE(WaitForTracks());
    FillSfxPanel();
    for (const char* name : {"01 - Track 01.wav", "02 - Track 02.wav", "03 - Track 03.wav"})
        program.Write(QString("out/") + name, "earlier take");
    const QList<tsound*> records = Records();
    int tracksWhileOpen = -1;
    messages.Answer = false;
    messages.WhileOpen = [&](const QString&) {
        ChangeDisc();
        QTest::qWait(2500); // the drive timer ticks twice
        tracksWhileOpen = form->Sounds().Count();
    };
    form->Action("acRipDisc")->trigger();
    messages.WhileOpen = {};
    ASSERT_EQ(messages.Questions.size(), 1);
    EXPECT_EQ(tracksWhileOpen, 3);
    EXPECT_FALSE(form->ImportController()->Running());
    EXPECT_EQ(program.Read("out/01 - Track 01.wav"), "earlier take");
    // Once the question is closed, the new disc is read.
    EXPECT_TRUE(WaitUntil([this] { return form->Sounds().Count() == 2; }, 5000));
}

TEST_F(WorkWhileImporting, ADiscChangeWhileAnEditorIsOpenWaitsUntilItIsClosed) {
    ASSERT_TRUE(WaitForTracks());
    int tracksWhileOpen = -1;
    form->TagEditing()->RunEditor = [&](TfTag&) {
        ChangeDisc();
        QTest::qWait(2500);
        tracksWhileOpen = form->Sounds().Count();
        return true;
    };
    form->Action("acEditTagsAll")->trigger();
    EXPECT_EQ(tracksWhileOpen, 3);
    ASSERT_TRUE(WaitUntil([this] { return form->Sounds().Count() == 2; }, 5000));

    // "Edit description" on the first row of the new disc, closed with Cancel.
    form->SoundList()->AddToSelection(0);
    tracksWhileOpen = -1;
    QTimer::singleShot(0, [&] {
        QDialog* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        ChangeDisc();
        QTest::qWait(2500);
        tracksWhileOpen = form->Sounds().Count();
        dialog->reject();
    });
    form->SoundListMenu()->EditDescription()->trigger();
    EXPECT_EQ(tracksWhileOpen, 2);
    const tsound* before = form->Sounds().Items(0);
    ASSERT_TRUE(WaitUntil([this, before] { return form->Sounds().Count() == 2 && form->Sounds().Items(0) != before; }, 5000));
}

// A later copy of the program hands over a folder, as the desktop's "Open with" does.
class OpenWithWhileBusy : public ::testing::Test {
protected:
    OpenWithWhileBusy() {
        instance = std::make_unique<TSingleInstance>(program.File("instance"));
        EXPECT_EQ(instance->Claim(), TSingleInstance::EClaim::First);
        form = std::make_unique<TfMainForm>(program.Path(), nullptr);
        form->StartUp();
        form->ShowRenameMode();
        QObject::connect(instance.get(), &TSingleInstance::ActivationRequested, form.get(),
                         [this](const QStringList& paths) { form->OpenPaths(paths); });
    }
    static void FillFolder(const TTestDir& dir, const QString& stem, int files) {
        for (int i = 0; i < files; ++i)
            QFile(dir.File(QString("%1 %2.wav").arg(stem).arg(i, 5, 10, QChar('0')))).open(QIODevice::WriteOnly);
    }
    void OpenWith(const QString& folder) {
        EXPECT_EQ(TSingleInstance(program.File("instance")).Claim({folder}),
                  TSingleInstance::EClaim::OtherRunning);
    }

    TTestDir program;
    TRecordingMessages messages;
    std::unique_ptr<TSingleInstance> instance;
    std::unique_ptr<TfMainForm> form;
};

TEST_F(OpenWithWhileBusy, ALongFolderHandedOverIsListed) {
    TTestDir folder;
    FillFolder(folder, "Rain", 3000);
    OpenWith(folder.Path());
    ASSERT_TRUE(QTest::qWaitFor([this] { return form->Sounds().Count() == 3000; }, 20000));
    EXPECT_EQ(form->CurrentFolder(), folder.Path());
}

TEST_F(OpenWithWhileBusy, AFolderHandedOverDuringABatchIsListedAfterIt) {
    TTestDir batchFolder;
    TTestDir other;
    FillFolder(batchFolder, "Wind", 2000);
    FillFolder(other, "Hail", 3);
    form->RenameNaming.Mask = "Gust %Trc;";
    PickFolderInWindow(*form, program, batchFolder.Path());
    ASSERT_EQ(form->Sounds().Count(), 2000);
    const QList<tsound*> records(form->Sounds().begin(), form->Sounds().end());
    int soundsInReport = -1;
    form->BatchRunner()->RunReport = [&](TfBatchDone&) { soundsInReport = form->Sounds().Count(); };
    // The hand-over arrives while the batch runs between its repaints.
    QTimer::singleShot(5, [&] { OpenWith(other.Path()); });
    form->BatchRunner()->ProcessAll();
    EXPECT_EQ(soundsInReport, 2000);
    const QStringList renamed = QDir(batchFolder.Path()).entryList(QDir::Files);
    EXPECT_EQ(renamed.size(), 2000);
    EXPECT_TRUE(renamed.filter("Wind").isEmpty()) << renamed.first().toStdString();
    ASSERT_TRUE(QTest::qWaitFor([this, &other] { return form->CurrentFolder() == other.Path() &&
                                                        form->Sounds().Count() == 3; }, 10000));
}
} // namespace
