#include "ui/TFolderBrowse.h"

#include "common/TRecordingMessages.h"
#include "common/TTestDir.h"
#include "ui/TNewDarkButton.h"

#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QMenu>
#include <QTreeView>
#include <QtTest/QTest>

#include <gtest/gtest.h>

namespace {
struct FolderBrowse : ::testing::Test {
    TTestDir dir;
    TRecordingMessages messages;
    TFolderBrowse browse;
    QString sounds;
    std::optional<QString> answer;
    int asked = 0;

    FolderBrowse() {
        sounds = QFileInfo(dir.MakeFolder("Sounds")).absoluteFilePath();
        dir.Write("Sounds/rain.wav", "RIFF");
        browse.AskFolderName = [this] {
            ++asked;
            return answer;
        };
        browse.SetStartFolder(sounds);
    }
    QStringList Folders(const QString& path) const {
        return QDir(path).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    }
};
} // namespace

TEST_F(FolderBrowse, OffersFoldersOnlyAndTheTwoMenuEntries) {
    EXPECT_EQ(browse.windowTitle(), "Select folder");
    EXPECT_EQ(browse.ChosenFolder(), sounds);
    dir.MakeFolder("Sounds/Wind");
    auto* model = qobject_cast<QFileSystemModel*>(browse.Tree->model());
    ASSERT_NE(model, nullptr);
    const QModelIndex chosen = browse.Tree->currentIndex();
    model->fetchMore(chosen);
    QTRY_COMPARE(model->rowCount(chosen), 1); // "rain.wav" is no folder
    EXPECT_EQ(model->fileName(model->index(0, 0, chosen)), "Wind");
    QStringList entries;
    for (QAction* action : browse.TreeMenu->actions())
        entries << action->text();
    EXPECT_EQ(entries, QStringList({"Create new folder", "Refresh"}));
}

TEST_F(FolderBrowse, CreateNewFolderMakesItInTheChosenFolderAndSelectsIt) {
    answer = "Thunder";
    browse.acCreateFolder->trigger();
    EXPECT_EQ(Folders(sounds), QStringList({"Thunder"}));
    EXPECT_EQ(browse.ChosenFolder(), sounds + "/Thunder");
    const auto* model = qobject_cast<QFileSystemModel*>(browse.Tree->model());
    EXPECT_EQ(model->filePath(browse.Tree->currentIndex()), sounds + "/Thunder");
    EXPECT_TRUE(messages.Messages.isEmpty());
}

TEST_F(FolderBrowse, AnEmptyOrCancelledNameDoesNothing) {
    answer = "";
    browse.CreateNewFolder();
    answer = std::nullopt;
    browse.CreateNewFolder();
    EXPECT_EQ(asked, 2);
    EXPECT_TRUE(Folders(sounds).isEmpty());
    EXPECT_EQ(browse.ChosenFolder(), sounds);
    EXPECT_TRUE(messages.Messages.isEmpty());
}

TEST_F(FolderBrowse, ANameThatLeavesTheFolderOrExistsIsRefusedWithItsReason) {
    answer = "../Escaped";
    browse.CreateNewFolder();
    answer = "..";
    browse.CreateNewFolder();
    EXPECT_EQ(Folders(dir.Path()), QStringList({"Sounds"}));
    dir.MakeFolder("Sounds/Wind");
    answer = "Wind";
    browse.CreateNewFolder();
    ASSERT_EQ(messages.Messages.size(), 3);
    EXPECT_TRUE(messages.Messages[0].contains("../Escaped")) << messages.Messages[0].toStdString();
    EXPECT_TRUE(messages.Messages[2].contains("exists")) << messages.Messages[2].toStdString();
    EXPECT_EQ(browse.ChosenFolder(), sounds);
}

TEST_F(FolderBrowse, RefreshKeepsTheChosenFolderAndShowsFoldersMadeMeanwhile) {
    dir.MakeFolder("Sounds/Made outside");
    browse.acRefresh->trigger();
    EXPECT_EQ(browse.ChosenFolder(), sounds);
    auto* model = qobject_cast<QFileSystemModel*>(browse.Tree->model());
    const QModelIndex chosen = browse.Tree->currentIndex();
    EXPECT_EQ(model->filePath(chosen), sounds);
    model->fetchMore(chosen);
    QTRY_COMPARE(model->rowCount(chosen), 1);
    EXPECT_EQ(model->fileName(model->index(0, 0, chosen)), "Made outside");
}

TEST_F(FolderBrowse, SelectReportsAnExistingFolderAndCancelClearsIt) {
    browse.show();
    QTest::mouseClick(browse.btnSelect, Qt::LeftButton);
    EXPECT_EQ(browse.result(), QDialog::Accepted);
    EXPECT_TRUE(browse.FolderChosen());
    EXPECT_EQ(browse.ChosenFolder(), sounds);

    browse.show();
    QTest::mouseClick(browse.btnCancel, Qt::LeftButton);
    EXPECT_EQ(browse.result(), QDialog::Rejected);
    EXPECT_FALSE(browse.FolderChosen());
    EXPECT_TRUE(browse.ChosenFolder().isEmpty());
}

TEST_F(FolderBrowse, AFolderGoneBeforeSelectIsNotReportedAsChosen) {
    answer = "Short lived";
    browse.CreateNewFolder();
    ASSERT_TRUE(QDir(sounds).rmdir("Short lived"));
    browse.show();
    QTest::mouseClick(browse.btnSelect, Qt::LeftButton);
    EXPECT_FALSE(browse.FolderChosen());
}
