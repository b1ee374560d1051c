// The main window on a machine without a CD drive, where one is plugged in later.
#include "app/TfMainForm.h"

#include "cdimport/TCDcontrol.h"
#include "cdimport/TFakeAudioOutput.h"
#include "cdimport/TFakeCdDrives.h"
#include "cdimport/TfrCdimport.h"
#include "ui/TfrOptions.h"
#include "common/TRecordingMessages.h"
#include "common/TTestDir.h"

#include <QLabel>
#include <QStandardItemModel>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {
struct MainFormWithoutDrives : ::testing::Test {
    MainFormWithoutDrives() {
        auto owned = std::make_unique<TFakeCdDrives>();
        drives = owned.get();
        cd = std::make_unique<TCDcontrol>(std::move(owned), std::make_unique<TFakeAudioOutput>());
        form = std::make_unique<TfMainForm>(dir.Path(), cd.get());
        form->StartUp();
        options = form->frOptions();
    }
    bool Shown(QWidget* widget) const { return widget->isVisibleTo(form.get()); }
    bool FirstEntryEnabled() const {
        auto* model = qobject_cast<QStandardItemModel*>(options->cmbDrive->model());
        return model && model->item(0)->isEnabled();
    }
    // Opens the drive box and waits for the listing it starts.
    void OpenDriveBox(int expectedCount) {
        options->cmbDrive->showPopup();
        QTRY_COMPARE(options->HasDrives() ? options->cmbDrive->count() : 0, expectedCount);
        options->cmbDrive->hidePopup();
    }

    TTestDir dir;
    TRecordingMessages messages;
    TFakeCdDrives* drives = nullptr;
    std::unique_ptr<TCDcontrol> cd;
    std::unique_ptr<TfMainForm> form;
    TfrOptions* options = nullptr;
};
} // namespace

TEST_F(MainFormWithoutDrives, StartsUsableAndTheDriveTimerFindsADrivePluggedInLater) {
    EXPECT_TRUE(messages.Messages.isEmpty());
    ASSERT_EQ(options->cmbDrive->count(), 1);
    EXPECT_EQ(options->cmbDrive->currentText(), "No CD drives found");
    EXPECT_FALSE(FirstEntryEnabled());
    EXPECT_TRUE(options->cmbDrive->isEnabled()); // opening it lists again
    ASSERT_TRUE(form->ImportMode());
    EXPECT_TRUE(Shown(form->NoDrivesNote()));
    EXPECT_TRUE(form->NoDrivesNote()->text().startsWith("No CD drives found\n"));
    EXPECT_FALSE(Shown(form->frCdimport()->btnRipSel));
    EXPECT_FALSE(Shown(form->frCdimport()->btnRipDisc));
    form->ShowRenameMode();
    EXPECT_FALSE(Shown(form->NoDrivesNote())); // rename/tag needs no drive
    form->ShowImportMode();
    EXPECT_TRUE(Shown(form->NoDrivesNote()));

    drives->Attached = {{"/dev/sr1", "USB", "Slim"}};
    auto* timer = form->findChild<QTimer*>("CdDriveTimer");
    ASSERT_TRUE(timer);
    timer->setInterval(10);
    form->StartCdDriveTimer();
    QTRY_VERIFY(options->HasDrives());
    EXPECT_EQ(options->cmbDrive->itemText(0), "/dev/sr1: USB - Slim");
    EXPECT_EQ(options->cmbDrive->count(), 1);
    EXPECT_TRUE(FirstEntryEnabled());
    EXPECT_FALSE(Shown(form->NoDrivesNote()));

    // With a drive the ticks leave the listing alone.
    drives->FoundOn = nullptr;
    QTest::qWait(100);
    EXPECT_EQ(drives->FoundOn, nullptr);
}

TEST_F(MainFormWithoutDrives, OpeningTheDriveBoxListsAgainAndKeepsTheChosenDrive) {
    drives->Attached = {{"/dev/sr0", "ACME", "CDR-1"}};
    OpenDriveBox(1);
    options->SelectDrive(0);
    drives->Attached.prepend({"/dev/sr1", "USB", "Slim"}); // the new drive comes first
    OpenDriveBox(2);
    EXPECT_EQ(options->cmbDrive->currentText(), "/dev/sr0: ACME - CDR-1");
    EXPECT_EQ(options->DriveNumber(), 1);

    drives->Attached.clear(); // both unplugged
    OpenDriveBox(0);
    EXPECT_EQ(options->cmbDrive->currentText(), "No CD drives found");
    EXPECT_TRUE(Shown(form->NoDrivesNote()));
    EXPECT_EQ(options->DriveNumber(), 1); // kept for when the drives come back
}

TEST_F(MainFormWithoutDrives, DriveNumberReadWithoutDrivesIsKeptAndChosenWhenTheyAppear) {
    form->LoadSettings(dir.Write("s.xml", "<Trackmothsettings><CDripper><DriveNumber>1</DriveNumber>"
                                          "</CDripper></Trackmothsettings>"));
    EXPECT_EQ(options->DriveNumber(), 1);
    form->SaveSettings(dir.File("saved.xml"), TSettingsSections::All());
    EXPECT_TRUE(dir.Read("saved.xml").contains("<DriveNumber>1</DriveNumber>"));

    drives->Attached = {{"/dev/sr0", "ACME", "CDR-1"}, {"/dev/sr1", "USB", "Slim"}};
    OpenDriveBox(2);
    EXPECT_EQ(options->cmbDrive->currentIndex(), 1);
}
