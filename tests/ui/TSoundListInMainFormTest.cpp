#include "app/TfMainForm.h"

#include "app/TSettingsSections.h"
#include "app/tsound.h"
#include "ui/TCDripperList.h"
#include "ui/TSoundListContextMenu.h"
#include "common/TRecordingMessages.h"
#include "common/TTestDir.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QSignalSpy>
#include <QtTest/QTest>

#include <gtest/gtest.h>

namespace {
struct SoundListInMainForm : ::testing::Test {
    TTestDir dir;
    TRecordingMessages messages;
    TfMainForm form{dir.Path(), nullptr};

    void AddSounds(int count) {
        for (int i = 0; i < count; ++i) {
            auto* sound = new tsound;
            sound->Description = QString("Sound %1").arg(i);
            form.Sounds().Add(sound);
        }
    }
    int SelectedCount() const { return int(form.SoundList()->SelectedItems().size()); }
};
} // namespace

TEST_F(SoundListInMainForm, ShowsTheSoundListAndTheCountFollowsEachRebuild) {
    TCDripperList* list = form.SoundList();
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->parentWidget(), form.SoundListArea());
    EXPECT_EQ(list->ColumnWidth(), 529);
    AddSounds(3);
    list->RefreshList();
    EXPECT_EQ(list->Count(), 3);
    EXPECT_EQ(form.CountLine()->text(), "Folder contains 3 sounds");
    form.Sounds().Clear();
    list->RefreshList();
    EXPECT_EQ(form.CountLine()->text(), "Folder contains 0 sounds");
}

TEST_F(SoundListInMainForm, CommandsWorkFromShortcutsAndTheContextMenu) {
    AddSounds(4);
    form.SoundList()->RefreshList();
    form.show();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    TCDripperList* list = form.SoundList();
    list->setFocus();
    QTest::keyClick(list, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(SelectedCount(), 4);
    QTest::keyClick(list, Qt::Key_D, Qt::ControlModifier);
    EXPECT_EQ(SelectedCount(), 0);
    QTest::keyClick(list, Qt::Key_A, Qt::AltModifier);
    EXPECT_EQ(list->MarkedSounds().size(), 4);
    QTest::keyClick(list, Qt::Key_D, Qt::AltModifier);
    EXPECT_TRUE(list->MarkedSounds().isEmpty());

    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(list->SelectedItems(), std::vector<int>{0});
    QSignalSpy played(form.Action("AcPlayPause"), &QAction::triggered);
    QTest::keyClick(list, Qt::Key_Space);
    EXPECT_EQ(played.count(), 1);
    QTest::keyClick(list, Qt::Key_D, Qt::ControlModifier);

    QMenu* markSelect = form.SoundListMenu()->actions().at(2)->menu();
    markSelect->actions().at(3)->trigger(); // "Select all"
    EXPECT_EQ(SelectedCount(), 4);
    markSelect->actions().at(2)->trigger(); // "Mark selected"
    EXPECT_EQ(list->MarkedSounds().size(), 4);
}

TEST_F(SoundListInMainForm, BusyClearsTheSelectionAndLocksTheRows) {
    AddSounds(2);
    form.SoundList()->RefreshList();
    form.SoundList()->SelectAll();
    form.SetBusy(true);
    EXPECT_EQ(SelectedCount(), 0);
    EXPECT_FALSE(form.SoundList()->ItemsEnabled());
    form.SetBusy(false);
    EXPECT_TRUE(form.SoundList()->ItemsEnabled());
}

TEST_F(SoundListInMainForm, RenameModeAtTheDefaultSizeShowsTheNames) {
    form.StartUp();
    form.ShowRenameMode();
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    ASSERT_EQ(form.width(), 828);
    const TCDripperList* list = form.SoundList();
    EXPECT_LE(list->ShownColumnWidth() + TsdxList::DetailsWidth, list->viewport()->width());
    EXPECT_GE(list->ShownColumnWidth(), 100); // and the descriptions keep a column
    EXPECT_EQ(list->ColumnWidth(), 529);
    const int renameColumn = list->ShownColumnWidth();
    form.ShowImportMode(); // without the folder tree the description gets more room
    QApplication::processEvents();
    EXPECT_GT(list->ShownColumnWidth(), renameColumn);
    form.close();
    EXPECT_TRUE(dir.Read("LastSettings.xml").contains("<ColumnWidth>529</ColumnWidth>"));
}

TEST_F(SoundListInMainForm, ColumnWidthIsSavedAndLoaded) {
    form.SoundList()->SetColumnWidth(612);
    const QString file = dir.File("layout.xml");
    form.SaveSettings(file, TSettingsSections::All());
    form.SoundList()->SetColumnWidth(300);
    form.LoadSettings(file);
    EXPECT_EQ(form.SoundList()->ColumnWidth(), 612);
}
