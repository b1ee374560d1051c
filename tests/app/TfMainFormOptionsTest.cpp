#include "app/TfMainForm.h"

#include "cdimport/ICdDriveList.h"
#include "cdimport/TfrCdimport.h"
#include "common/TRecordingMessages.h"
#include "common/TTestDir.h"
#include "ui/TCDripperList.h"
#include "ui/TFolderBrowse.h"
#include "ui/TNewDarkButton.h"
#include "ui/TPlayerPanel.h"
#include "ui/TPreviewPlayer.h"
#include "ui/TBitSlider.h"
#include "ui/TCustomBitButton.h"
#include "ui/TfShortcutManager.h"
#include "ui/TfrOptions.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest/QTest>

#include <gtest/gtest.h>

namespace {
struct TNoDrives : ICdDriveList {
    QStringList ListDrives() override { return {}; }
};

struct MainFormOptions : ::testing::Test {
    TTestDir dir;
    TRecordingMessages messages;
    TNoDrives drives;
    std::unique_ptr<TfMainForm> form = NewForm();

    std::unique_ptr<TfMainForm> NewForm() {
        auto made = std::make_unique<TfMainForm>(dir.Path(), &drives);
        made->StartUp();
        return made;
    }
    // Answers the next folder browser with `folder` ("Select"), or with "Cancel" when empty.
    void AnswerFolderBrowser(const QString& folder) {
        QTimer::singleShot(0, [folder] {
            auto* browser = qobject_cast<TFolderBrowse*>(QApplication::activeModalWidget());
            ASSERT_NE(browser, nullptr);
            if (folder.isEmpty())
                return browser->reject();
            browser->SetStartFolder(folder);
            QTest::mouseClick(browser->btnSelect, Qt::LeftButton);
        });
    }
};
} // namespace

TEST_F(MainFormOptions, ClearHistoryThenClosingWritesTwoEmptyHistoryFiles) {
    form->frCdimport()->MusicHistory.Add("Big Bangs");
    form->frCdimport()->SFXHistory.Add("Birds");
    QTest::mouseClick(form->frOptions()->btnClearWords, Qt::LeftButton);
    form->close();
    for (const char* name : {"MusHistory.txt", "SFXHistory.txt"}) {
        QFile file(dir.File(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name;
        EXPECT_TRUE(file.readAll().trimmed().isEmpty()) << name;
    }
}

TEST_F(MainFormOptions, EditShortcutsShowsTheWindowsActionsAndAChangeActsAtOnce) {
    bool shown = false;
    form->RunShortcutEditor = [&](TfShortcutManager& editor) {
        shown = true;
        ASSERT_EQ(editor.Tree->topLevelItemCount(), 3);
        QTreeWidgetItem* importNode = editor.Tree->topLevelItem(0)->child(0);
        EXPECT_EQ(importNode->text(0), "Import CD Mode                F1");
        editor.Tree->setCurrentItem(importNode);
        QTest::keyClick(editor.EditCut, Qt::Key_F7, Qt::ShiftModifier);
        QTest::mouseClick(editor.BtnChange, Qt::LeftButton);
    };
    QTest::mouseClick(form->frOptions()->btnEditShortCuts, Qt::LeftButton);
    ASSERT_TRUE(shown);
    EXPECT_EQ(form->Action("acRipMode")->shortcut(), QKeySequence(Qt::SHIFT | Qt::Key_F7));
    form->close(); // the shortcut is kept with the settings
    QFile settings(dir.File("LastSettings.xml"));
    ASSERT_TRUE(settings.open(QIODevice::ReadOnly));
    EXPECT_TRUE(settings.readAll().contains("Shift+F7"));
}

TEST_F(MainFormOptions, SendWithTheFolderNotSetAsksToStartSonaphor) {
    ASSERT_EQ(form->frOptions()->lblSDXdir->text(), "Not set");
    form->Action("acSendToSdx")->trigger();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !messages.Messages.isEmpty(); }, 5000));
    EXPECT_EQ(messages.Messages, QStringList{"Please start Sonaphor"});
}

TEST_F(MainFormOptions, BrowseSetsTheCompanionFolderAndSaysOkOnceSonaphorIsThere) {
    const QString folder = dir.MakeFolder("Sonaphor");
    AnswerFolderBrowser(folder);
    QTest::mouseClick(form->frOptions()->btnFindSDX, Qt::LeftButton);
    EXPECT_EQ(form->frOptions()->lblSDXdir->text(), folder);
    EXPECT_EQ(form->sdxLocation, folder); // kept with the settings
    EXPECT_EQ(form->frOptions()->lblLocSDX->text(), "Location of Sonaphor: "); // no program there

    dir.Write("Sonaphor/Sonaphor", "#!/bin/sh\n");
    AnswerFolderBrowser(QString()); // cancelled: the folder stays, the heading is checked all the same
    QTest::mouseClick(form->frOptions()->btnFindSDX, Qt::LeftButton);
    EXPECT_EQ(form->frOptions()->lblSDXdir->text(), folder);
    EXPECT_EQ(form->frOptions()->lblLocSDX->text(), "Location of Sonaphor (ok)");
}

TEST_F(MainFormOptions, ThePlayerSitsInTheTopBarAndPlayDoesNothingBeforeAPreview) {
    TPlayerPanel* player = form->PlayerPanel();
    ASSERT_NE(player, nullptr);
    EXPECT_TRUE(form->PlayerArea()->isAncestorOf(player));
    EXPECT_EQ(player->VolSlider->Position(), 70);
    EXPECT_EQ(player->lblTime->text(), "00:00");
    form->Action("AcPlayPause")->trigger();
    EXPECT_FALSE(player->PlayBtn->Down());
    EXPECT_FALSE(player->AudioGUItimer->isActive());
    EXPECT_TRUE(messages.Messages.isEmpty());
}
