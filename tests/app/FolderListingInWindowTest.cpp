// What the window lists of a folder: names that are no UTF-8, folders named so in the tree,
// and the panel's values on the records of every listing.
#include "app/TfMainForm.h"

#include "app/tsound.h"
#include "common/DiskNames.h"
#include "common/PickFolderInWindow.h"
#include "common/TRecordingMessages.h"
#include "common/TTestDir.h"
#include "naming/TBatchRunner.h"
#include "naming/TfrRename.h"
#include "ui/TFolderBrowseModel.h"
#include "ui/TfBatchDone.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QTreeView>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {
struct FolderListingInWindow : ::testing::Test {
    TRecordingMessages messages;
    TTestDir program;
    TTestDir dir;
    std::unique_ptr<TfMainForm> form;
    TfrRename* panel = nullptr;

    FolderListingInWindow() {
        form = std::make_unique<TfMainForm>(program.Path(), nullptr);
        form->StartUp();
        form->ShowRenameMode();
        form->BatchRunner()->RunReport = [](TfBatchDone&) {};
        panel = form->frRename();
    }
};

TEST_F(FolderListingInWindow, AFolderNamedInLatin1IsInTheTreeAndItsNamesAreListedAndCounted) {
    const QByteArray folder = MakeOnDisk(dir, "Alt\xe9", true);
    ASSERT_FALSE(folder.isEmpty());
    for (const QByteArray& name : {QByteArray("Caf\xe9 old.wav"), QByteArray("Rain.wav")})
        ASSERT_EQ(::close(::open((folder + '/' + name).constData(), O_WRONLY | O_CREAT, 0600)), 0);

    QTreeView* tree = form->FolderTree();
    auto* model = static_cast<TFolderBrowseModel*>(tree->model());
    const QModelIndex parent = model->index(dir.Path());
    ASSERT_TRUE(parent.isValid());
    model->fetchMore(parent); // as the tree does when the folder is opened
    ASSERT_EQ(model->rowCount(parent), 1);
    const QModelIndex shown = model->index(0, 0, parent);
    EXPECT_EQ(shown.data().toString(), QString::fromUtf8("Alt\xc3\xa9"));
    EXPECT_EQ(model->DiskPath(shown), folder);

    tree->setCurrentIndex(shown); // as a click on it does
    ASSERT_TRUE(WaitForFolderListed(*form));
    EXPECT_EQ(form->CurrentFolder(), dir.Path() + QString::fromUtf8("/Alt\xc3\xa9"));
    EXPECT_EQ(form->CurrentFolderOnDisk(), folder);
    EXPECT_EQ(form->CountLine()->text(), "Folder contains 2 sounds (1 name is not UTF-8)");
    ASSERT_EQ(form->Sounds().Count(), 2);
    const tsound& cafe = *form->Sounds().Items(0);
    EXPECT_EQ(cafe.Comment, QString::fromUtf8("Caf\xc3\xa9 old.wav"));
    EXPECT_EQ(cafe.path, form->CurrentFolder() + QString::fromUtf8("/Caf\xc3\xa9 old.wav"));
    EXPECT_EQ(cafe.pathOnDisk, folder + "/Caf\xe9 old.wav");
    EXPECT_EQ(form->Sounds().Items(1)->pathOnDisk, folder + "/Rain.wav"); // the folder's bytes
}

TEST_F(FolderListingInWindow, TheRecordsOfEveryListingCarryWhatThePanelShows) {
    dir.Write("Dog bark.wav", "");
    dir.Write("Rain.wav", "");
    form->RenameNaming.Mask = "%Ser; - %FDes;";
    PickFolderInWindow(*form, program, dir.Path());
    panel->editSeries->setText("Nature");
    panel->editCD->setText("Birds 2");
    panel->editPublisher->setText("Acme");

    struct TWay {
        const char* what;
        std::function<void()> relist;
    };
    const TWay ways[] = {
        {"the folder picked again", [&] { PickFolderInWindow(*form, program, dir.Path()); }},
        {"the panel edited while the folder is read",
         [&] {
             panel->editPublisher->setText("Old");
             form->LoadSettings(program.Write("again.xml", "<r><Renamer><LastFolder>" +
                                                               dir.Path().toUtf8() +
                                                               "</LastFolder></Renamer></r>"));
             panel->editPublisher->setText("Acme"); // before the worker's records arrive
             ASSERT_TRUE(WaitForFolderListed(*form));
         }},
        {"a rename batch undone",
         [&] {
             form->Action("acMarkAll")->trigger();
             form->Action("acProcSel")->trigger();
             ASSERT_EQ(form->Sounds().Items(0)->Comment, QString()); // renamed
             form->BatchRunner()->UndoAction()->trigger();
         }},
    };
    for (const TWay& way : ways) {
        SCOPED_TRACE(way.what);
        way.relist();
        ASSERT_EQ(form->Sounds().Count(), 2);
        for (const tsound* sound : form->Sounds()) {
            EXPECT_FALSE(sound->Comment.isEmpty()); // listed anew
            EXPECT_EQ(sound->ID3.Artist, "Nature");
            EXPECT_EQ(sound->ID3.Album, "Birds 2");
            EXPECT_EQ(sound->ID3.Publisher, "Acme");
            EXPECT_EQ(sound->filename, "Nature - " + sound->Comment);
        }
    }
    EXPECT_EQ(messages.Messages, QStringList());
}
} // namespace
