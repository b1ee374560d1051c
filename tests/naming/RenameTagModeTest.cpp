// The rename/tag mode from end to end through the real main window: a picked folder, the
// panel's fields and boxes, marks, "Process marked", the report, and the undo.
#include "common/QtPrinters.h"
#include "app/TfMainForm.h"
#include "app/tsound.h"
#include "common/PickFolderInWindow.h"
#include "common/TRecordingMessages.h"
#include "naming/TBatchFolder.h"
#include "naming/TBatchRunner.h"
#include "naming/TfrRename.h"
#include "tags/TBextInfo.h"
#include "tags/TWavFixture.h"
#include "ui/TCDripperList.h"
#include "ui/TfBatchDone.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {
struct RenameTagMode : ::testing::Test {
    TRecordingMessages messages;
    TTestDir program;
    TBatchFolder folder;
    std::unique_ptr<TfMainForm> form;
    TfrRename* panel = nullptr;
    QStringList reports; // statistics line, then the failures, of every report shown

    RenameTagMode() {
        folder.WriteSounds({"Dog bark.wav", "Rain.wav", "Cat meow.wav"});
        form = std::make_unique<TfMainForm>(program.Path(), nullptr);
        form->StartUp();
        form->RenameNaming.Mask = "%Trc; - %FDes;";
        form->ShowRenameMode();
        form->show();
        panel = form->frRename();
        form->BatchRunner()->RunReport = [this](TfBatchDone& report) {
            reports << report.lblStats->text() << report.memoFailures->toPlainText();
        };
    }

    void PickFolder(const QString& path) { PickFolderInWindow(*form, program, path); }
    void FillPanel() {
        QTest::keyClicks(panel->editSeries, "Nature");
        QTest::keyClicks(panel->editCD, "Birds 2");
        QTest::keyClicks(panel->editPublisher, "Acme");
        for (QCheckBox* box : {panel->chkSFXbwav, panel->chkSfxId3, panel->chksfxIXML})
            QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(4, box->height() / 2));
    }
    QByteArray Chunk(const QString& name, const char* id) const {
        return TWavFixture::ChunkData(folder.Read(name), id);
    }
};
} // namespace

TEST_F(RenameTagMode, ProcessMarkedRenamesTagsAndReports) {
    PickFolder(folder.Path());
    FillPanel();
    ASSERT_TRUE(panel->chkSFXbwav->isChecked() && panel->chkSfxId3->isChecked() &&
                panel->chksfxIXML->isChecked());
    form->Action("acMarkAll")->trigger();
    form->Action("acProcSel")->trigger();

    EXPECT_EQ(reports, QStringList({"3 of 3 sounds processed ok\n0 errors", ""}));
    EXPECT_EQ(folder.Names(), QStringList({"01 - Cat meow.wav", "02 - Dog bark.wav", "03 - Rain.wav"}));
    const QByteArray id3 = Chunk("01 - Cat meow.wav", "id3 ");
    for (const char* expected : {"TIT2", "Cat meow", "TPE1", "Nature", "TALB", "Birds 2", "TPUB", "Acme", "COMM"})
        EXPECT_TRUE(id3.contains(expected)) << expected;
    const QByteArray bext = Chunk("02 - Dog bark.wav", "bext");
    EXPECT_EQ(bext.left(9), QByteArray("Dog bark\0", 9));
    EXPECT_EQ(bext.mid(256, 5), QByteArray("Acme\0", 5));
    EXPECT_EQ(bext.mid(288, 8), QByteArray("Birds 2\0", 8));
    EXPECT_EQ(Chunk("03 - Rain.wav", "iXML"), "<BWFXML><NOTE>Rain</NOTE></BWFXML>");
    for (const tsound* sound : form->Sounds())
        EXPECT_EQ(sound->Status, ssnormal);
    EXPECT_EQ(panel->SFXHistory.Entries(), QStringList({"Birds 2", "Nature"}));
    EXPECT_EQ(messages.Messages, QStringList());
}

TEST_F(RenameTagMode, ACollisionIsOneErrorWithItsReasonInTheReport) {
    PickFolder(folder.Path());
    const QByteArray existing = "another program's file";
    folder.dir.Write("03 - Rain.wav", existing);
    form->Action("acProcAll")->trigger(); // marks every row itself

    ASSERT_EQ(reports.size(), 2);
    EXPECT_EQ(reports[0], "2 of 3 sounds processed ok\n1 errors");
    EXPECT_EQ(reports[1], "Rain.wav: Cannot rename to \"03 - Rain.wav\". File exists");
    EXPECT_EQ(folder.Read("03 - Rain.wav"), existing);
    EXPECT_EQ(form->SoundList()->Sound(2)->Status, sserror);
}

TEST_F(RenameTagMode, UndoWithCtrlZRenamesBackAndListsTheFolderAgain) {
    PickFolder(folder.Path());
    form->Action("acMarkAll")->trigger();
    form->Action("acProcSel")->trigger();
    ASSERT_EQ(folder.Names(), QStringList({"01 - Cat meow.wav", "02 - Dog bark.wav", "03 - Rain.wav"}));

    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    form->SoundList()->setFocus();
    QTest::keyClick(form->SoundList(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(messages.Questions,
              QStringList({"Rename the 3 files of the last rename batch back to their old names?"}));
    EXPECT_EQ(folder.Names(), QStringList({"Cat meow.wav", "Dog bark.wav", "Rain.wav"}));
    EXPECT_EQ(reports.mid(2), QStringList({"3 of 3 renames undone", ""}));
    ASSERT_EQ(form->Sounds().Count(), 3);
    EXPECT_EQ(form->Sounds().Items(0)->Comment, "Cat meow.wav");

    QTest::keyClick(form->SoundList(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(messages.Messages, QStringList({"There is no rename batch to undo"}));
}

TEST_F(RenameTagMode, NothingToProcessIsSaid) {
    form->Action("acProcSel")->trigger();
    PickFolder(folder.Path());
    form->Action("acProcSel")->trigger();
    EXPECT_EQ(messages.Messages,
              QStringList({"No sounds available.\nPlease select a folder from the browser on the right",
                           "No sounds marked for processing"}));
    EXPECT_EQ(reports, QStringList());
}

TEST_F(RenameTagMode, TypingAndRenameFilesUpdateTheNewNamesAtOnce) {
    form->RenameNaming.Mask = "%Ser; - %FDes;";
    PickFolder(folder.Path());
    QTest::keyClicks(panel->editSeries, "Wind");
    EXPECT_EQ(form->Sounds().Items(0)->filename, "Wind - Cat meow.wav");
    EXPECT_EQ(form->Sounds().Items(0)->ID3.Artist, "Wind");
    QTest::mouseClick(panel->chkDoRename, Qt::LeftButton, {}, QPoint(4, panel->chkDoRename->height() / 2));
    ASSERT_FALSE(panel->chkDoRename->isChecked());
    EXPECT_EQ(form->Sounds().Items(0)->filename, "Cat meow.wav");
}
