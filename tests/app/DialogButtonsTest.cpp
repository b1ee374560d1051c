// Every dialog of the program, run in its own event loop as a user meets it: its accepting
// button and Return accept it, its Cancel button and Escape reject it.
#include "app/TfNewPreset.h"
#include "cdimport/TfFileFormat.h"
#include "naming/TfEditDescription.h"
#include "naming/TfFilename.h"
#include "naming/TfSFXdescriptions.h"
#include "ui/TDarkButton.h"
#include "ui/TFolderBrowse.h"
#include "ui/TNewDarkButton.h"
#include "ui/TfAbout.h"
#include "ui/TfBatchDone.h"
#include "ui/TfShortcutManager.h"
#include "ui/TfTag.h"

#include "common/TRecordingMessages.h"
#include "common/TTestDir.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {
struct TDialogUnderTest {
    std::unique_ptr<QDialog> Dialog;
    QAbstractButton* Accept = nullptr;
    QAbstractButton* Cancel = nullptr; // none: the dialog has OK alone
    QWidget* ReturnTarget = nullptr;   // where Return is typed; none: Return writes a new line there
};

// Runs the dialog's own event loop and closes it the way `close` does; -1 when it stayed open.
int RunAndClose(QDialog& dialog, const std::function<void()>& close) {
    QTimer::singleShot(0, &dialog, close);
    QTimer::singleShot(3000, &dialog, [&dialog] { dialog.done(-1); });
    return dialog.exec();
}
} // namespace

TEST(DialogButtons, EveryDialogClosesTheWayItsButtonsAndKeysSay) {
    TTestDir dir;
    TRecordingMessages messages;
    const std::vector<std::pair<const char*, std::function<TDialogUnderTest()>>> dialogs = {
        {"File format", [] {
             auto d = std::make_unique<TfFileFormat>();
             auto* accept = d->findChild<QAbstractButton*>("btnOK");
             auto* cancel = d->findChild<QAbstractButton*>("btnCancel");
             QWidget* self = d.get();
             return TDialogUnderTest{std::move(d), accept, cancel, self};
         }},
        {"Filenames", [] {
             auto d = std::make_unique<TfFilename>();
             auto* accept = d->btnOK;
             auto* cancel = d->btnCancel;
             QWidget* self = d.get();
             return TDialogUnderTest{std::move(d), accept, cancel, self};
         }},
        {"New preset", [] {
             auto d = std::make_unique<TfNewPreset>();
             d->Nameedit->setText("Field recordings");
             auto* accept = d->btnOK;
             auto* cancel = d->btnCancel;
             QWidget* field = d->Nameedit;
             return TDialogUnderTest{std::move(d), accept, cancel, field};
         }},
        {"Single description", [] {
             auto d = std::make_unique<TfEditDescription>();
             auto* accept = d->btnOk;
             auto* cancel = d->btnCancel;
             QWidget* field = d->editDescription;
             return TDialogUnderTest{std::move(d), accept, cancel, field};
         }},
        {"Description editor", [] {
             auto d = std::make_unique<TfSFXdescriptions>();
             auto* accept = d->btnOk;
             auto* cancel = d->btnCancel;
             return TDialogUnderTest{std::move(d), accept, cancel, nullptr};
         }},
        {"Tag editor", [&dir] {
             auto d = std::make_unique<TfTag>(dir.Path());
             auto* accept = d->btnApply;
             auto* cancel = d->btnCancel;
             return TDialogUnderTest{std::move(d), accept, cancel, nullptr};
         }},
        {"Folder browser", [&dir] {
             auto d = std::make_unique<TFolderBrowse>();
             d->SetStartFolder(dir.Path());
             auto* accept = d->btnSelect;
             auto* cancel = d->btnCancel;
             return TDialogUnderTest{std::move(d), accept, cancel, nullptr};
         }},
        {"Shortcut editor", [] {
             auto d = std::make_unique<TfShortcutManager>();
             auto* accept = d->btnOK;
             return TDialogUnderTest{std::move(d), accept, nullptr, nullptr};
         }},
        {"About", [] {
             auto d = std::make_unique<TfAbout>();
             auto* accept = d->btnOK;
             return TDialogUnderTest{std::move(d), accept, nullptr, nullptr};
         }},
        {"Batch report", [] {
             auto d = std::make_unique<TfBatchDone>();
             auto* accept = d->btnOK;
             return TDialogUnderTest{std::move(d), accept, nullptr, nullptr};
         }},
    };
    for (const auto& [name, make] : dialogs) {
        {
            TDialogUnderTest d = make();
            ASSERT_NE(d.Accept, nullptr) << name;
            EXPECT_EQ(RunAndClose(*d.Dialog, [&] { d.Accept->click(); }), QDialog::Accepted) << name << ": OK";
        }
        if (TDialogUnderTest d = make(); d.Cancel)
            EXPECT_EQ(RunAndClose(*d.Dialog, [&] { d.Cancel->click(); }), QDialog::Rejected) << name << ": Cancel";
        {
            TDialogUnderTest d = make();
            EXPECT_EQ(RunAndClose(*d.Dialog, [&] { QTest::keyClick(d.Dialog.get(), Qt::Key_Escape); }),
                      QDialog::Rejected)
                << name << ": Escape";
        }
        if (TDialogUnderTest d = make(); d.ReturnTarget)
            EXPECT_EQ(RunAndClose(*d.Dialog, [&] { QTest::keyClick(d.ReturnTarget, Qt::Key_Return); }),
                      QDialog::Accepted)
                << name << ": Return";
    }
}
