// The naming pieces as the main window uses them: a picked folder becomes named sounds, and
// "Filenames" opens the mask dialog on the naming of the mode in use.
#include "app/TfMainForm.h"
#include "app/tsound.h"
#include "cdimport/TfrCdimport.h"
#include "ui/TCDripperList.h"
#include "common/PickFolderInWindow.h"
#include "common/TRecordingMessages.h"
#include "common/TTestDir.h"
#include "naming/LoadFolder.h"
#include "naming/TNameShape.h"
#include "naming/TTileArea.h"
#include "naming/TfFilename.h"
#include "naming/TfrRename.h"

#include <QAction>
#include <QApplication>
#include <QDropEvent>
#include <QEvent>
#include <QFile>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QTimer>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {
struct MainWindowNaming : ::testing::Test {
    TTestDir program;
    TTestDir folder;
    TRecordingMessages messages;
    std::unique_ptr<TfMainForm> form;

    MainWindowNaming() {
        folder.Write("Dog bark.wav", "");
        folder.Write("b.MP3", "");
        folder.Write("notes.txt", "");
        form = std::make_unique<TfMainForm>(program.Path(), nullptr);
        form->StartUp();
        form->RenameNaming.Mask = "%Trc; - %FDes;";
        form->ShowRenameMode();
    }

    // Picks `path` in the folder tree, as the settings' last folder does.
    void PickFolder(const QString& path) {
        form->LoadSettings(program.Write("pick.xml", "<Trackmothsettings><Renamer><LastFolder>" +
                                                         path.toUtf8() +
                                                         "</LastFolder></Renamer></Trackmothsettings>"));
        WaitForFolderListed(*form);
    }

    QStringList Names() const {
        QStringList names;
        for (const tsound* sound : form->Sounds())
            names.append(sound->filename);
        names.sort();
        return names;
    }
};

// Triggers "Filenames"; while the dialog runs, moves "Album" into the build row and presses
// OK or Cancel.
void RunFilenamesDialog(TfMainForm& form, bool ok) {
    QTimer::singleShot(0, [ok] {
        auto* dialog = qobject_cast<TfFilename*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        std::unique_ptr<QMimeData> data(TNameShape::MimeDataFor("%Alb;"));
        QDragEnterEvent enter(QPoint(2, 2), Qt::MoveAction, data.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(dialog->BuildRow(), &enter);
        QDropEvent drop(QPointF(2, 2), Qt::MoveAction, data.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(dialog->BuildRow(), &drop);
        EXPECT_TRUE(drop.isAccepted());
        QTest::mouseClick(ok ? dialog->btnOK : dialog->btnCancel, Qt::LeftButton);
    });
    form.Action("acsfxFileNames")->trigger();
}

TEST_F(MainWindowNaming, PickedFolderBecomesNamedSounds) {
    PickFolder(folder.Path());
    EXPECT_EQ(form->CurrentFolder(), folder.Path());
    EXPECT_EQ(Names(), QStringList({"01 - b.mp3", "02 - Dog bark.wav"}));

    PickFolder(program.Path()); // a folder without sound files empties the list
    EXPECT_EQ(form->Sounds().Count(), 0);
}

// As from the desktop's "Open with": a file's folder is listed in rename/tag mode; paths that
// do not exist are passed over.
TEST_F(MainWindowNaming, OpenedPathsListTheFolderOfTheFirstThatExists) {
    form->ShowImportMode();
    form->OpenPaths({folder.File("gone.wav"), folder.File("Dog bark.wav")});
    ASSERT_TRUE(WaitForFolderListed(*form));
    EXPECT_FALSE(form->ImportMode());
    EXPECT_EQ(form->CurrentFolder(), folder.Path());
    EXPECT_EQ(Names(), QStringList({"01 - b.mp3", "02 - Dog bark.wav"}));

    form->OpenPaths({program.File("nowhere")});
    EXPECT_EQ(form->CurrentFolder(), folder.Path());
}

namespace {
// Notes what the count line and the list showed each time they were painted.
struct TPaintLog : QObject {
    TfMainForm& form;
    QStringList countLines;
    QStringList firstRowNames; // the first row's new name at each paint of a filled list

    explicit TPaintLog(TfMainForm& mainForm) : form(mainForm) {
        form.CountLine()->installEventFilter(this);
        form.SoundList()->viewport()->installEventFilter(this);
    }
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && watched == form.CountLine())
            countLines.append(form.CountLine()->text());
        else if (event->type() == QEvent::Paint && form.SoundList()->Count() > 0)
            firstRowNames.append(form.SoundList()->Sound(0)->filename);
        return false;
    }
};
} // namespace

TEST_F(MainWindowNaming, ALongFolderIsShownInSteps) {
    TTestDir longFolder;
    const int files = int(FolderLoadStep) + 1;
    for (int i = 0; i < files; ++i)
        QFile(longFolder.File(QString("Wind %1.wav").arg(i, 5, 10, QChar('0')))).open(QIODevice::WriteOnly);
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    TPaintLog painted(*form);
    PickFolder(longFolder.Path());
    // The rows come whole and named from the worker (the count line grows meanwhile, as
    // often as the window gets to paint it).
    ASSERT_TRUE(QTest::qWaitFor([&painted] { return !painted.firstRowNames.isEmpty(); }));
    EXPECT_EQ(painted.firstRowNames.first(), "0001 - Wind 00000.wav");
    EXPECT_EQ(form->Sounds().Items(0)->filename, "0001 - Wind 00000.wav");
    EXPECT_EQ(form->CountLine()->text(), QString("Folder contains %1 sounds").arg(files));
}

TEST_F(MainWindowNaming, AFolderChosenWhileALongOneIsReadTakesOverFromIt) {
    TTestDir longFolder;
    for (int i = 0; i <= 3 * int(FolderLoadStep); ++i)
        QFile(longFolder.File(QString("Rain %1.wav").arg(i))).open(QIODevice::WriteOnly);
    form->LoadSettings(program.Write("long.xml", "<Trackmothsettings><Renamer><LastFolder>" +
                                                     longFolder.Path().toUtf8() +
                                                     "</LastFolder></Renamer></Trackmothsettings>"));
    EXPECT_TRUE(form->ListingFolder()); // the window goes on while the worker reads
    EXPECT_EQ(form->WorkState(), EWorkState::ListingFolder);
    PickFolder(folder.Path());
    EXPECT_EQ(form->CurrentFolder(), folder.Path());
    EXPECT_EQ(Names(), QStringList({"01 - b.mp3", "02 - Dog bark.wav"}));
    QTest::qWait(300); // the abandoned long listing never replaces the list
    EXPECT_EQ(Names(), QStringList({"01 - b.mp3", "02 - Dog bark.wav"}));
}

TEST_F(MainWindowNaming, FilenamesOnTheRenameSide) {
    PickFolder(folder.Path());
    RunFilenamesDialog(*form, false);
    EXPECT_EQ(form->RenameNaming.Mask, "%Trc; - %FDes;");
    EXPECT_EQ(Names(), QStringList({"01 - b.mp3", "02 - Dog bark.wav"}));

    RunFilenamesDialog(*form, true);
    EXPECT_EQ(form->RenameNaming.Mask, "%Trc; - %FDes; - %Alb;");
    EXPECT_EQ(form->frRename()->lblFilenameDemo->text(), "/01 - Full Description - Album.wav");
    EXPECT_EQ(Names(), QStringList({"01 - b -.mp3", "02 - Dog bark -.wav"}));
}

TEST_F(MainWindowNaming, FilenamesOnTheImportSide) {
    form->ShowImportMode();
    const QString demo = form->CdNaming.Demo;
    RunFilenamesDialog(*form, false);
    EXPECT_EQ(form->CdNaming.Mask, "%FDes;");
    EXPECT_EQ(form->frCdimport()->lblFilenameDemo->text(), demo);

    RunFilenamesDialog(*form, true);
    EXPECT_EQ(form->CdNaming.Mask, "%FDes; - %Alb;");
    EXPECT_EQ(form->frCdimport()->lblFilenameDemo->text(), "/Full Description - Album.wav");
}
} // namespace
