// The description editor and the single description dialog, alone and as the main window
// opens them.
#include "common/QtPrinters.h"
#include "app/TfMainForm.h"
#include "app/tsound.h"
#include "common/PickFolderInWindow.h"
#include "common/TRecordingMessages.h"
#include "naming/TBatchFolder.h"
#include "naming/TDescriptionEditing.h"
#include "naming/TfEditDescription.h"
#include "naming/TfSFXdescriptions.h"
#include "ui/TCDripperList.h"
#include "ui/TDarkButton.h"
#include "ui/TSoundListContextMenu.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTimer>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {
void Click(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

// Runs `inside` on the modal dialog of type Dialog as soon as it is shown.
template <typename Dialog>
void WhenShown(const std::function<void(Dialog&)>& inside) {
    QTimer::singleShot(0, [inside] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        inside(*dialog);
    });
}

struct DescriptionEditing : ::testing::Test {
    TRecordingMessages messages;
    TTestDir program;
    TBatchFolder folder;
    std::unique_ptr<TfMainForm> form;

    DescriptionEditing() {
        folder.WriteSounds({"01 DOG BARK.wav", "02 rain.wav", "03 cat.wav"});
        form = std::make_unique<TfMainForm>(program.Path(), nullptr);
        form->StartUp();
        form->RenameNaming.Mask = "%Trc; - %FDes;";
        form->ShowRenameMode();
        form->show();
        PickFolderInWindow(*form, program, folder.Path());
    }
    QStringList Descriptions() const {
        QStringList texts;
        for (const tsound* sound : form->Sounds())
            texts << sound->Description;
        return texts;
    }
};
} // namespace

TEST(DescriptionEditor, ToolsWorkOnEveryLineAndOkCleansThem) {
    TfSFXdescriptions editor;
    editor.SetLines({"01 DOG BARK. LOUD", "12 - rain"});
    Click(editor.btnRemoveIndex);
    EXPECT_EQ(editor.Lines(), QStringList({" DOG BARK. LOUD", " - rain"}));
    Click(editor.btnRemoveCapitals);
    EXPECT_EQ(editor.Lines(), QStringList({" dog bark. Loud", " - rain"}));
    editor.editAdd->setText("Birds");
    Click(editor.btnPrepend);
    EXPECT_EQ(editor.Lines(), QStringList({"Birds  dog bark. Loud", "Birds  - rain"}));
    EXPECT_EQ(editor.editAdd->text(), "");
    editor.editReplace->setText("Birds");
    editor.editWith->setText("Owls");
    Click(editor.btnReplace);
    EXPECT_EQ(editor.Lines(), QStringList({"Owls  dog bark. Loud", "Owls  - rain"}));
    EXPECT_EQ(editor.editReplace->text(), "Birds");
    Click(editor.btnTrimEnd);
    Click(editor.btnTrimStart);
    EXPECT_EQ(editor.Lines(), QStringList({"wls  dog bark. Lou", "wls  - rai"}));
    editor.names->undo();
    EXPECT_EQ(editor.Lines(), QStringList({"Owls  dog bark. Lou", "Owls  - rai"})) << "a tool is one undo step";

    WhenShown<TfSFXdescriptions>([](TfSFXdescriptions& shown) { Click(shown.btnOk); });
    QStringList lines{"A,  b", "Rain", "Rain"};
    ASSERT_TRUE(editor.Edit(lines));
    EXPECT_EQ(lines, QStringList({"A - b", "Rain", "Rain"}));
    EXPECT_EQ(editor.editReplace->text(), "Birds") << "the tool fields stay for the next opening";
}

TEST(DescriptionEditor, FixDuplicatesAndTheLineIndicator) {
    TfSFXdescriptions editor;
    EXPECT_EQ(editor.editAdd->text(), "Add text");
    editor.SetLines({"Rain", "Rain", "Wind"});
    Click(editor.btnFixDuplicates);
    EXPECT_EQ(editor.Lines(), QStringList({"Rain 1", "Rain 2", "Wind"}));
    editor.names->setTextCursor(QTextCursor(editor.names->document()->findBlockByNumber(2)));
    EXPECT_EQ(editor.lblTrack->text(), "Track 3");
}

TEST_F(DescriptionEditing, OkStoresTheLinesAndRenamesCancelOnlySyncsTitles) {
    WhenShown<TfSFXdescriptions>([](TfSFXdescriptions& editor) {
        EXPECT_EQ(editor.Lines(), QStringList({"01 DOG BARK", "02 rain", "03 cat"}));
        Click(editor.btnRemoveIndex);
        Click(editor.btnOk);
    });
    form->Action("acSFXdescriptions")->trigger();
    EXPECT_EQ(Descriptions(), QStringList({"DOG BARK", "rain", "cat"}));
    EXPECT_EQ(form->Sounds().Items(1)->ID3.Title, "rain");
    EXPECT_EQ(form->Sounds().Items(1)->filename, "02 - rain.wav");

    form->Sounds().Items(0)->ID3.Title = "changed";
    WhenShown<TfSFXdescriptions>([](TfSFXdescriptions& editor) {
        Click(editor.btnRemoveCapitals);
        Click(editor.btnCancel);
    });
    form->Action("acMuEditTrackNames")->trigger();
    EXPECT_EQ(Descriptions(), QStringList({"DOG BARK", "rain", "cat"}));
    EXPECT_EQ(form->Sounds().Items(0)->ID3.Title, "DOG BARK");
}

TEST_F(DescriptionEditing, SurplusLinesAreIgnoredAndMissingOnesKeepTheirDescription) {
    WhenShown<TfSFXdescriptions>([](TfSFXdescriptions& editor) {
        editor.SetLines({"one"});
        Click(editor.btnOk);
    });
    form->Action("acSFXdescriptions")->trigger();
    EXPECT_EQ(Descriptions(), QStringList({"one", "02 rain", "03 cat"}));
    WhenShown<TfSFXdescriptions>([](TfSFXdescriptions& editor) {
        editor.SetLines({"a", "b", "c", "d", "e"});
        Click(editor.btnOk);
    });
    form->Action("acSFXdescriptions")->trigger();
    EXPECT_EQ(Descriptions(), QStringList({"a", "b", "c"}));
}

TEST_F(DescriptionEditing, EditDescriptionTakesTheFirstSelectedRowAsTyped) {
    TSoundListContextMenu* menu = form->SoundListMenu();
    menu->EditDescription()->trigger(); // nothing selected: nothing opens
    form->SoundList()->AddToSelection(1);
    WhenShown<TfEditDescription>([](TfEditDescription& dialog) {
        EXPECT_EQ(dialog.lblTrack->text(), "Track 2");
        EXPECT_EQ(dialog.editDescription->text(), "02 rain");
        dialog.editDescription->setText("  Heavy rain: roof ");
        QTest::keyClick(dialog.editDescription, Qt::Key_Return);
    });
    menu->EditDescription()->trigger();
    EXPECT_EQ(form->Sounds().Items(1)->Description, "  Heavy rain: roof ");
    EXPECT_EQ(form->Sounds().Items(1)->filename, "02 Heavy rain - roof.wav") << "named anew";

    WhenShown<TfEditDescription>([](TfEditDescription& dialog) {
        dialog.editDescription->setText("dropped");
        Click(dialog.btnCancel);
    });
    menu->EditDescription()->trigger();
    EXPECT_EQ(form->Sounds().Items(1)->Description, "  Heavy rain: roof ");
}
