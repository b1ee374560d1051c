#include "app/TfMainForm.h"

#include "app/EAppError.h"
#include "app/TTitleStrip.h"
#include "app/TfNewPreset.h"
#include "app/tsound.h"
#include "cdimport/ICdDriveList.h"
#include "cdimport/TfrCdimport.h"
#include "naming/TfrRename.h"
#include "ui/TCDripperList.h"
#include "ui/TCustomBitButton.h"
#include "ui/TFolderBrowseModel.h"
#include "ui/TfrOptions.h"
#include "common/TRecordingMessages.h"
#include "common/TTestDir.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <QTreeView>

#include <gtest/gtest.h>

namespace {
class TTwoDrives : public ICdDriveList {
public:
    QStringList ListDrives() override { return {"0: /dev/sr0 HL-DT-ST DVDRAM", "1: /dev/sr1 ASUS DRW"}; }
};

// Counts what the later features are asked to do.
class TCountingForm : public TfMainForm {
public:
    using TfMainForm::TfMainForm;
    int DiscReads = 0;
    int FolderListings = 0;

protected:
    void LoadDisc() override { ++DiscReads; }
    void ListCurrentFolder() override { ++FolderListings; }
};

struct MainFormFixture : ::testing::Test {
    TTestDir dir;
    TRecordingMessages messages;
    TTwoDrives drives;

    std::unique_ptr<TCountingForm> NewForm() {
        auto form = std::make_unique<TCountingForm>(dir.Path(), &drives);
        form->StartUp();
        return form;
    }

    // Writes a settings file holding `body` inside the root element and loads it.
    void Load(TfMainForm& form, const QByteArray& body) {
        form.LoadSettings(dir.Write("s.xml", "<Trackmothsettings>" + body + "</Trackmothsettings>"));
    }
};

bool Shown(QWidget* widget, QWidget* window) { return widget->isVisibleTo(window); }
} // namespace

TEST_F(MainFormFixture, WindowHasItsRegions) {
    auto form = NewForm();
    EXPECT_EQ(form->windowTitle(), "Trackmoth");
    EXPECT_TRUE(form->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(form->size(), QSize(828, 687));
    EXPECT_EQ(form->TitleStrip()->height(), 19);
    EXPECT_EQ(form->TopBar()->height(), 63);
    EXPECT_EQ(form->LeftColumn()->width(), 216);
    EXPECT_EQ(form->PresetBox()->itemText(0), "<Add new>");
    EXPECT_FALSE(Shown(form->UpdatePresetButton(), form.get()));
    EXPECT_FALSE(Shown(form->WorkPanel(), form.get()));
    EXPECT_EQ(form->CountLine()->text(), "0 sounds");
    EXPECT_EQ(form->frOptions()->cmbDrive->count(), 2);
    EXPECT_EQ(form->Action("acRipDisc")->shortcut().toString(), "Ctrl+R");
    EXPECT_EQ(form->Action("AcPlayPause")->shortcut().toString(), "Space");
    EXPECT_TRUE(form->Started());
}

TEST_F(MainFormFixture, ModesAndOptionsView) {
    auto form = NewForm();
    TfMainForm* f = form.get();
    // Without last settings the program starts in import-CD mode.
    EXPECT_TRUE(f->ImportMode());
    EXPECT_TRUE(f->ModeButton("acRipMode")->Down());
    EXPECT_TRUE(Shown(f->frCdimport(), f));
    EXPECT_FALSE(Shown(f->FolderColumn(), f));

    form->DiscReads = 0;
    QTest::mouseClick(f->ModeButton("acRipMode"), Qt::LeftButton);
    EXPECT_EQ(form->DiscReads, 0); // already in import mode: no new read
    EXPECT_TRUE(f->ModeButton("acRipMode")->Down());

    QTest::mouseClick(f->ModeButton("acRenameMode"), Qt::LeftButton);
    EXPECT_FALSE(f->ImportMode());
    EXPECT_EQ(form->FolderListings, 1);
    EXPECT_TRUE(Shown(f->frRename(), f));
    EXPECT_TRUE(Shown(f->FolderColumn(), f));
    EXPECT_FALSE(Shown(f->frCdimport(), f));
    EXPECT_TRUE(f->ModeButton("acRenameMode")->Down());
    EXPECT_FALSE(f->ModeButton("acRipMode")->Down());
    f->ShowRenameMode();
    EXPECT_EQ(form->FolderListings, 1); // already there: nothing listed anew

    QTest::mouseClick(f->ModeButton("acViewOptions"), Qt::LeftButton);
    EXPECT_TRUE(Shown(f->frOptions(), f));
    EXPECT_FALSE(Shown(f->frRename(), f));
    EXPECT_TRUE(Shown(f->FolderColumn(), f)); // the options view keeps the tree's visibility
    EXPECT_TRUE(f->ModeButton("acViewOptions")->Down());
    EXPECT_FALSE(f->ModeButton("acRenameMode")->Down());
    EXPECT_FALSE(f->ImportMode());

    QTest::mouseClick(f->ModeButton("acViewOptions"), Qt::LeftButton);
    EXPECT_FALSE(Shown(f->frOptions(), f));
    EXPECT_TRUE(Shown(f->frRename(), f));
    EXPECT_TRUE(f->ModeButton("acRenameMode")->Down());
    EXPECT_FALSE(f->ModeButton("acViewOptions")->Down());

    f->ShowImportMode();
    EXPECT_EQ(form->DiscReads, 1);
}

TEST_F(MainFormFixture, ShortcutsSwitchModes) {
    auto form = NewForm();
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    form->activateWindow();
    QTest::keyClick(form.get(), Qt::Key_F2);
    EXPECT_FALSE(form->ImportMode());
    QTest::keyClick(form.get(), Qt::Key_F1);
    EXPECT_TRUE(form->ImportMode());
}

namespace {
// A folder that cannot be listed, as a failing disk or share gives one.
class TUnlistableFolderForm : public TfMainForm {
public:
    using TfMainForm::TfMainForm;

protected:
    void ListCurrentFolder() override {
        if (!ImportMode())
            throw EAppError("Cannot list the folder: Input/output error");
    }
};
} // namespace

TEST_F(MainFormFixture, AFailingActionOrTimerShowsItsMessageAndTheProgramGoesOn) {
    TUnlistableFolderForm form(dir.Path(), &drives);
    form.StartUp();
    ASSERT_TRUE(form.ImportMode());
    form.Action("acRenameMode")->trigger();
    EXPECT_EQ(messages.Messages, QStringList({"Cannot list the folder: Input/output error"}));
    EXPECT_FALSE(form.ImportMode()); // what was done before the failure stays done
    form.Action("acRipMode")->trigger(); // and the next action works as ever
    EXPECT_TRUE(form.ImportMode());
    EXPECT_TRUE(form.ModeButton("acRipMode")->Down());

    messages.Messages.clear();
    auto* track = new tsound;
    track->ID3.Track = "x1"; // names cannot be built for it
    form.Sounds().Add(track);
    form.ScheduleListRefresh();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !messages.Messages.isEmpty(); }, 3000));
    EXPECT_EQ(messages.Messages, QStringList({"'x1' is not a valid integer value"}));
}

TEST_F(MainFormFixture, BusyHidesRegionsAndComesBack) {
    auto form = NewForm();
    TfMainForm* f = form.get();
    for (bool importMode : {true, false}) {
        importMode ? f->ShowImportMode() : f->ShowRenameMode();
        f->SetBusy(true);
        EXPECT_TRUE(f->Busy());
        EXPECT_TRUE(Shown(f->WorkPanel(), f));
        EXPECT_FALSE(Shown(f->TopBar(), f));
        EXPECT_FALSE(Shown(f->LeftColumn(), f));
        EXPECT_FALSE(Shown(f->FolderColumn(), f));
        EXPECT_FALSE(f->SoundList()->ItemsEnabled());
        f->SetBusy(false);
        EXPECT_FALSE(Shown(f->WorkPanel(), f));
        EXPECT_TRUE(Shown(f->TopBar(), f));
        EXPECT_TRUE(Shown(f->LeftColumn(), f));
        EXPECT_EQ(Shown(f->FolderColumn(), f), !importMode);
        EXPECT_TRUE(f->SoundList()->ItemsEnabled());
    }
}

TEST_F(MainFormFixture, CountLine) {
    auto form = NewForm();
    for (int i = 0; i < 12; ++i)
        form->Sounds().Add(new tsound);
    form->ShowImportMode();
    form->UpdateStats();
    EXPECT_EQ(form->CountLine()->text(), "12 sounds on disc");
    form->ShowRenameMode();
    form->UpdateStats();
    EXPECT_EQ(form->CountLine()->text(), "Folder contains 12 sounds");
}

TEST_F(MainFormFixture, ThreeRefreshRequestsGiveOneRefreshASecondAfterTheFirst) {
    auto form = NewForm();
    QSignalSpy refreshes(form.get(), &TfMainForm::ListRefreshed);
    ASSERT_TRUE(refreshes.wait(2000)); // the one refresh after start
    refreshes.clear();
    QElapsedTimer clock;
    clock.start();
    form->ScheduleListRefresh();
    QTest::qWait(300);
    form->ScheduleListRefresh();
    QTest::qWait(300);
    form->ScheduleListRefresh();
    ASSERT_TRUE(refreshes.wait(2000));
    const qint64 elapsed = clock.elapsed();
    // A coarse timer may fire up to 5% early; a restart by the third call would make it 1600.
    EXPECT_GE(elapsed, 900);
    EXPECT_LT(elapsed, 1550);
    QTest::qWait(1200);
    EXPECT_EQ(refreshes.count(), 1);
}

TEST_F(MainFormFixture, LoadedValuesFollowTheirRules) {
    auto form = NewForm();
    TfMainForm* f = form.get();
    const QString kept = dir.MakeFolder("Library/Kept");
    Load(*f, "<CDripper><DriveNumber>3</DriveNumber>"
             "<NamingOptions><ShortCount>300</ShortCount></NamingOptions>"
             "<OutputFormat><AudioFormat>mp3</AudioFormat></OutputFormat></CDripper>"
             "<Renamer><LastFolder>" + (kept + "/Deleted/Deeper").toUtf8() + "</LastFolder></Renamer>");
    EXPECT_EQ(f->frOptions()->cmbDrive->currentIndex(), -1);
    EXPECT_EQ(f->ShortCount(), 200);
    EXPECT_EQ(f->OutputFormat.AudioFormat, sfmp3);
    EXPECT_EQ(f->CurrentFolder(), kept);
    EXPECT_EQ(form->FolderListings, 1);
    EXPECT_TRUE(messages.Messages.isEmpty());

    Load(*f, "<CDripper><DriveNumber>1</DriveNumber>"
             "<NamingOptions><ShortCount>2</ShortCount></NamingOptions>"
             "<OutputFormat><AudioFormat>flac</AudioFormat></OutputFormat></CDripper>");
    EXPECT_EQ(f->frOptions()->cmbDrive->currentIndex(), 1);
    EXPECT_EQ(f->ShortCount(), 5);
    EXPECT_EQ(f->OutputFormat.AudioFormat, sfmp3); // "flac" leaves the format as it was
    EXPECT_FALSE(f->frCdimport()->chkSFXbwav->isEnabled()); // refresh: MP3 carries no bext
    EXPECT_EQ(f->frCdimport()->lblFileFormat->text(), "Mp3 256kbit/s");

    Load(*f, "<Shortcuts><acRipMode>Ctrl+F9</acRipMode><acRenameMode>nonsense+</acRenameMode>"
             "<acRipDisc></acRipDisc></Shortcuts>");
    EXPECT_EQ(f->Action("acRipMode")->shortcut().toString(), "Ctrl+F9");
    EXPECT_TRUE(f->Action("acRenameMode")->shortcut().isEmpty());
    EXPECT_TRUE(f->Action("acRipDisc")->shortcut().isEmpty());
    EXPECT_EQ(f->Action("acViewOptions")->shortcut().toString(), "F3"); // no element: kept
}

TEST_F(MainFormFixture, BadSettingsShowOneMessageAndTheProgramGoesOn) {
    auto form = NewForm();
    TfMainForm* f = form.get();
    Load(*f, "<CDripper><cdOutputRoot>/out</cdOutputRoot><cdAutoPost>yes</cdAutoPost>"
             "<cdAutoSFXdb>False</cdAutoSFXdb></CDripper>"
             "<Renamer><NamingOptions><Demo>shown anyway</Demo></NamingOptions></Renamer>");
    EXPECT_EQ(messages.Messages, QStringList({"Error loading settings"}));
    EXPECT_EQ(f->cdOutputRoot, "/out");                       // before the failure: applied
    EXPECT_TRUE(f->frOptions()->chkAutoSFXdb->isChecked());   // after it: unread
    EXPECT_EQ(f->frRename()->lblFilenameDemo->text(), "/Description.wav"); // refresh ran

    messages.Messages.clear();
    f->LoadSettings(dir.Write("cut.xml", "<Trackmothsettings><Layout><TagX>1</Tag"));
    f->LoadSettings(dir.Write("junk.xml", QByteArray("\x00\x01 binary", 9)));
    EXPECT_EQ(messages.Messages, QStringList({"Error loading settings", "Error loading settings"}));
    f->LoadSettings(dir.File("does-not-exist.xml"));
    EXPECT_EQ(messages.Messages.size(), 2);
}

TEST_F(MainFormFixture, CloseWritesSettingsAndHistoriesThatTheNextStartRestores) {
    const QString folder = dir.MakeFolder("Sounds");
    {
        auto form = NewForm();
        form->ShowRenameMode();
        form->setGeometry(QRect(40, 50, 900, 700));
        form->TagY = 77;
        form->CdNaming.Mask = "%Trc; - %FDes;";
        form->frCdimport()->PageControl->setCurrentIndex(1);
        form->frCdimport()->chkMusicID3->setChecked(true);
        form->frRename()->chkDoRename->setChecked(false);
        form->frOptions()->cmbDrive->setCurrentIndex(1);
        form->frOptions()->shortSpin->setValue(40);
        form->frCdimport()->SFXHistory.Add("Big Bangs");
        form->frCdimport()->MusicHistory.Add("Artist");
        form->Action("acMarkAll")->setShortcut(QKeySequence("Ctrl+Shift+K"));
        form->FolderTree()->setCurrentIndex(QModelIndex()); // keep the test's folder choice
        form->LoadSettings(dir.Write("f.xml", "<r><Renamer><LastFolder>" + folder.toUtf8() +
                                                  "</LastFolder></Renamer></r>"));
        form->close();
    }
    EXPECT_EQ(dir.Read("SFXHistory.txt"), QByteArray("Big Bangs\r\n"));
    EXPECT_EQ(dir.Read("MusHistory.txt"), QByteArray("Artist\r\n"));
    ASSERT_TRUE(QFile::exists(dir.File("LastSettings.xml")));
    EXPECT_TRUE(dir.Read("LastSettings.xml").contains("<acMarkAll>Shift+Ctrl+K</acMarkAll>"));

    auto form = NewForm();
    EXPECT_FALSE(form->ImportMode());
    EXPECT_EQ(form->geometry(), QRect(40, 50, 900, 700));
    EXPECT_EQ(form->TagY, 77);
    EXPECT_EQ(form->CdNaming.Mask, "%Trc; - %FDes;");
    EXPECT_EQ(form->frCdimport()->PageControl->currentIndex(), 1);
    EXPECT_TRUE(form->frCdimport()->chkMusicID3->isChecked());
    EXPECT_FALSE(form->frRename()->chkDoRename->isChecked());
    EXPECT_EQ(form->frOptions()->cmbDrive->currentIndex(), 1);
    EXPECT_EQ(form->ShortCount(), 40);
    EXPECT_EQ(form->CurrentFolder(), folder);
    EXPECT_EQ(form->Action("acMarkAll")->shortcut().toString(), "Ctrl+Shift+K");
    EXPECT_EQ(form->frRename()->SFXHistory.Entries(), QStringList({"Big Bangs"}));
    EXPECT_TRUE(QDir(dir.File("presets/Settings")).exists());
    EXPECT_TRUE(QDir(dir.File("presets/Tags")).exists());
}

TEST_F(MainFormFixture, SavedPositionOnAScreenThatIsGoneComesBackOntoTheScreen) {
    auto form = NewForm();
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    Load(*form, "<Layout><MainWindow><Left>" + QByteArray::number(area.right() + 2000) +
                    "</Left><Top>" + QByteArray::number(area.top() - 900) +
                    "</Top><Width>828</Width><Height>687</Height></MainWindow></Layout>");
    const QRect shown = form->geometry();
    EXPECT_TRUE(area.contains(QRect(shown.topLeft(), QSize(40, 19)))) << shown.x() << "," << shown.y();
    EXPECT_EQ(shown.width(), std::min(828, area.width()));
}

TEST_F(MainFormFixture, FolderTreeScrollsToTheChosenFolderOnceItsSiblingsAreThere) {
    for (int i = 0; i < 80; ++i)
        dir.MakeFolder(QString("Library/f%1").arg(i, 3, 10, QChar('0')));
    const QString chosen = dir.File("Library/f070");
    auto form = NewForm();
    form->ShowRenameMode();
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    Load(*form, "<Renamer><LastFolder>" + chosen.toUtf8() + "</LastFolder></Renamer>");
    QTreeView* tree = form->FolderTree();
    auto* model = static_cast<TFolderBrowseModel*>(tree->model());
    const QModelIndex library = model->index(dir.File("Library"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return model->rowCount(library) == 80; }, 5000));
    QTest::qWait(100); // what the tree does with the loaded rows
    EXPECT_EQ(model->filePath(tree->currentIndex()), chosen);
    EXPECT_TRUE(tree->viewport()->rect().contains(tree->visualRect(tree->currentIndex())));
}

namespace {
// A mouse event for `widget`, the pointer at the screen position `global`.
void SendMouse(QWidget* widget, QEvent::Type type, QPoint global) {
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, QPointF(widget->mapFromGlobal(global)), QPointF(global), Qt::LeftButton,
                      held, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

// Drags from `at` of `widget` by `by`, as a user's hand does: the pointer's way on the screen
// does not depend on where the window is meanwhile.
void Drag(QWidget* widget, QPoint at, QPoint by) {
    const QPoint start = widget->mapToGlobal(at);
    SendMouse(widget, QEvent::MouseButtonPress, start);
    SendMouse(widget, QEvent::MouseMove, start + by / 2);
    SendMouse(widget, QEvent::MouseMove, start + by);
    SendMouse(widget, QEvent::MouseButtonRelease, start + by);
}
} // namespace

TEST_F(MainFormFixture, WithoutAWindowManagerTheStripMovesAndTheEdgesResize) {
    // The offscreen platform, like bare X, offers no system move or resize.
    auto form = NewForm();
    form->setGeometry(100, 100, 828, 700);
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    Drag(form->TitleStrip(), QPoint(300, 8), QPoint(30, 20));
    EXPECT_TRUE(QTest::qWaitFor([&] { return form->pos() == QPoint(130, 120); }, 1000)) << form->pos().x();

    struct TCase {
        const char* edge;
        QPoint at; // in the window
        QPoint by;
        QRect shown;
    };
    const TCase cases[] = {
        {"right", {827, 300}, {40, 0}, {130, 120, 868, 700}},
        {"bottom", {400, 699}, {0, 25}, {130, 120, 868, 725}},
        {"left", {1, 300}, {-20, 0}, {110, 120, 888, 725}},
        {"top, not below the least height", {400, 1}, {0, 300}, {110, 158, 888, 687}},
    };
    for (const TCase& c : cases) {
        Drag(form.get(), c.at, c.by);
        EXPECT_TRUE(QTest::qWaitFor([&] { return form->geometry() == c.shown; }, 1000))
            << c.edge << ": " << form->geometry().x() << "," << form->geometry().y() << " "
            << form->width() << "x" << form->height();
    }
}

TEST_F(MainFormFixture, PresetsHoldOnlyTheirTickedSections) {
    auto form = NewForm();
    TfMainForm* f = form.get();
    f->RunPresetDialog = [](TfNewPreset& dialog) {
        dialog.Nameedit->setText("Renamer only");
        dialog.chkLayout->setChecked(false);
        dialog.chkRipper->setChecked(false);
        dialog.ChkOptions->setChecked(false);
        return true;
    };
    f->frRename()->chkSFXbwav->setChecked(true);
    emit f->PresetBox()->activated(0);
    EXPECT_EQ(f->PresetBox()->currentText(), "Renamer only");
    EXPECT_TRUE(Shown(f->UpdatePresetButton(), f));
    const QByteArray preset = dir.Read("presets/Settings/Renamer only.xml");
    EXPECT_TRUE(preset.contains("<Renamer>"));
    for (const char* absent : {"Layout", "CDripper", "Shortcuts", "CDDBversion", "MainWindow"})
        EXPECT_FALSE(preset.contains(absent)) << absent;

    // Loading the preset changes what it holds and nothing else.
    f->frRename()->chkSFXbwav->setChecked(false);
    f->frOptions()->shortSpin->setValue(99);
    f->ShowRenameMode();
    f->PresetBox()->setCurrentIndex(1);
    emit f->PresetBox()->activated(1);
    EXPECT_TRUE(f->frRename()->chkSFXbwav->isChecked());
    EXPECT_EQ(f->ShortCount(), 25); // ShortCount is stored with the renamer's naming options
    EXPECT_FALSE(f->ImportMode());

    f->RunPresetDialog = [](TfNewPreset& dialog) {
        dialog.Nameedit->setText("Empty");
        for (QCheckBox* box : {dialog.chkLayout, dialog.chkRipper, dialog.chkRenamer, dialog.ChkOptions})
            box->setChecked(false);
        return true;
    };
    emit f->PresetBox()->activated(0);
    EXPECT_TRUE(dir.Read("presets/Settings/Empty.xml").contains("<Trackmothsettings />"));
}

TEST_F(MainFormFixture, TheUpdateButtonFitsWithoutWideningTheWindow) {
    dir.Write("presets/Settings/A preset with a long name.xml", "<Trackmothsettings/>");
    auto form = NewForm();
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    form->PresetBox()->setCurrentIndex(1);
    emit form->PresetBox()->activated(1);
    QApplication::processEvents();
    EXPECT_TRUE(form->UpdatePresetButton()->isVisible());
    EXPECT_EQ(form->width(), 828);
    const QRect update = form->UpdatePresetButton()->geometry();
    EXPECT_LE(update.right(), form->TopBar()->contentsRect().right());
    EXPECT_GE(update.width(), form->UpdatePresetButton()->minimumSizeHint().width());
    form->close();
    EXPECT_TRUE(dir.Read("LastSettings.xml").contains("<Width>828</Width>"));
}

TEST_F(MainFormFixture, UpdateRewritesTheShownPreset) {
    dir.Write("presets/Settings/Studio.xml", "<Trackmothsettings/>");
    auto form = NewForm();
    TfMainForm* f = form.get();
    ASSERT_EQ(f->PresetBox()->itemText(1), "Studio");
    f->PresetBox()->setCurrentIndex(1);
    emit f->PresetBox()->activated(1);
    bool nameLocked = false;
    f->RunPresetDialog = [&](TfNewPreset& dialog) {
        nameLocked = !dialog.Nameedit->isEnabled() && dialog.Nameedit->text() == "Studio";
        return true;
    };
    f->cdOutputRoot = "/studio/out";
    QTest::mouseClick(f->UpdatePresetButton(), Qt::LeftButton);
    EXPECT_TRUE(nameLocked);
    EXPECT_TRUE(dir.Read("presets/Settings/Studio.xml").contains("/studio/out"));
    EXPECT_EQ(f->PresetBox()->count(), 2);
    EXPECT_EQ(f->PresetBox()->currentText(), "Studio");
}

TEST_F(MainFormFixture, PresetThatCannotBeWrittenIsReportedAndNotListed) {
    auto form = NewForm();
    TfMainForm* f = form.get();
    QDir(dir.File("presets/Settings")).removeRecursively();
    dir.Write("presets/Settings", "a file where the folder was");
    f->RunPresetDialog = [](TfNewPreset&) { return true; };
    emit f->PresetBox()->activated(0); // the failure is shown where the choice is handled
    ASSERT_EQ(messages.Messages.size(), 1);
    EXPECT_TRUE(messages.Messages[0].contains("New preset.xml"));
    EXPECT_EQ(f->PresetBox()->count(), 1);
}

TEST_F(MainFormFixture, NewPresetDialog) {
    TfNewPreset dialog;
    EXPECT_EQ(dialog.windowTitle(), "New preset");
    EXPECT_EQ(dialog.Nameedit->text(), "New preset");
    for (QCheckBox* box : {dialog.chkLayout, dialog.chkRipper, dialog.chkRenamer, dialog.ChkOptions})
        EXPECT_TRUE(box->isChecked());
    EXPECT_EQ(dialog.btnOK->text(), "Save");
    dialog.Nameedit->setText("a/b");
    EXPECT_FALSE(dialog.btnOK->isEnabled());
    dialog.Nameedit->setText("Loud");
    EXPECT_TRUE(dialog.btnOK->isEnabled());
    dialog.show();
    QTest::keyClick(dialog.Nameedit, Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}
