#include "app/TfMainForm.h"

#include "app/TSettingsSections.h"
#include "app/tsound.h"
#include "ui/TCDripperList.h"
#include "ui/TSoundListContextMenu.h"
#include "common/TRecordingMessages.h"
#include "common/TTestDir.h"

#include <QAction>
#include <QLabel>
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

TEST_F(SoundListInMainForm, ColumnWidthIsSavedAndLoaded) {
    form.SoundList()->SetColumnWidth(612);
    const QString file = dir.File("layout.xml");
    form.SaveSettings(file, TSettingsSections::All());
    form.SoundList()->SetColumnWidth(300);
    form.LoadSettings(file);
    EXPECT_EQ(form.SoundList()->ColumnWidth(), 612);
}
