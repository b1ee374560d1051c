// The tag editor window: locks that ask before they open, the template menus, the presets,
// and its openers in the main window with their geometry and copy back into the panels.
#include "common/QtPrinters.h"
#include "app/TfMainForm.h"
#include "app/tsound.h"
#include "cdimport/TfrCdimport.h"
#include "common/PickFolderInWindow.h"
#include "common/TRecordingMessages.h"
#include "common/TTestDir.h"
#include "naming/TfrRename.h"
#include "ui/TCDripperList.h"
#include "ui/TDarkButton.h"
#include "ui/TQorHeadColPanel.h"
#include "ui/TTagEditing.h"
#include "ui/TfTag.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {
using F = TTagField;

QAction* FindAction(QMenu* menu, const QStringList& path) {
    for (QAction* action : menu->actions()) {
        if (action->text() != path.first())
            continue;
        if (path.size() == 1)
            return action;
        return action->menu() ? FindAction(action->menu(), path.mid(1)) : nullptr;
    }
    return nullptr;
}

struct TagEditor : ::testing::Test {
    TRecordingMessages messages;
    TTestDir program;
    std::vector<std::unique_ptr<tsound>> records;
    std::unique_ptr<TfTag> editor;

    void Open(int count) {
        for (int i = 0; i < count; ++i) {
            records.push_back(std::make_unique<tsound>());
            records.back()->ID3.Title = QStringLiteral("Title %1").arg(i);
            records.back()->bWav2 = "%Publisher;";
        }
        editor = std::make_unique<TfTag>(program.Path());
        for (const auto& record : records)
            editor->Sounds.Add(record.get());
        editor->LoadFromSounds();
        editor->show();
    }
    QLineEdit* Line(F field) const { return qobject_cast<QLineEdit*>(editor->Editor(field)); }
    // Triggers the entry `path` of the context menu of `field`.
    void Choose(F field, const QStringList& path) {
        std::unique_ptr<QMenu> menu(editor->TemplateMenu(field));
        QAction* action = FindAction(menu.get(), path);
        ASSERT_NE(action, nullptr) << path.join(" > ").toStdString();
        action->trigger();
    }
    QLabel* CaptionOf(const QString& text) const {
        for (QLabel* label : editor->findChildren<QLabel*>())
            if (label->text() == text)
                return label;
        return nullptr;
    }
};
} // namespace

TEST_F(TagEditor, OneSoundIsEditableEverywhere) {
    Open(1);
    EXPECT_EQ(editor->lblStats->text(), "1 sounds selected");
    for (int i = 0; i < TagFieldCount; ++i)
        EXPECT_TRUE(editor->Editor(TTagField(i))->isEnabled()) << i;
    EXPECT_EQ(Line(F::Title)->text(), "Title 0");
    Line(F::Artist)->setText("Nature");
    editor->editOrig->setText("Acme");
    QTest::mouseClick(editor->btnApply, Qt::LeftButton);
    EXPECT_EQ(editor->result(), QDialog::Accepted);
    EXPECT_EQ(records[0]->ID3.Artist, "Nature");
    EXPECT_EQ(records[0]->bWav2, "Acme");
}

TEST_F(TagEditor, ThreeSoundsAskBeforeALockedFieldOpens) {
    Open(3);
    EXPECT_EQ(Line(F::Title)->text(), "<Title>");
    EXPECT_EQ(Line(F::Track)->text(), "<Nr>");
    for (F field : {F::Title, F::Track, F::Ixml, F::BwavDescription, F::Originator, F::Reference})
        EXPECT_FALSE(editor->Editor(field)->isEnabled());

    messages.Answer = false;
    QTest::mouseClick(editor->editOrig, Qt::LeftButton);
    ASSERT_EQ(messages.Questions.size(), 1);
    EXPECT_TRUE(messages.Questions[0].startsWith("You are editing 3 sounds.\n"));
    EXPECT_FALSE(editor->editOrig->isEnabled());

    messages.Answer = true;
    QTest::mouseClick(CaptionOf("Originator"), Qt::LeftButton);
    EXPECT_EQ(messages.Questions.size(), 2);
    ASSERT_TRUE(editor->editOrig->isEnabled());
    QTest::mouseClick(editor->editOrig, Qt::LeftButton);
    EXPECT_EQ(messages.Questions.size(), 2) << "an open field asks no more";

    editor->editOrig->setText("Acme");
    Line(F::Artist)->setText("Birds");
    editor->ApplyToSounds();
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(records[size_t(i)]->bWav2, "Acme");
        EXPECT_EQ(records[size_t(i)]->ID3.Artist, "Birds");
        EXPECT_EQ(records[size_t(i)]->ID3.Title, QStringLiteral("Title %1").arg(i));
    }
}

TEST_F(TagEditor, CancelChangesNothing) {
    Open(1);
    Line(F::Title)->setText("other");
    QTest::mouseClick(editor->btnCancel, Qt::LeftButton);
    EXPECT_EQ(editor->result(), QDialog::Rejected);
    EXPECT_EQ(records[0]->ID3.Title, "Title 0");
}

TEST_F(TagEditor, SixSoundsKeepTheirOwnValuesWhereOnlyTheGenreIsTyped) {
    for (const bool apply : {false, true}) {
        SCOPED_TRACE(apply ? "Apply" : "Cancel");
        records.clear();
        for (int i = 0; i < 6; ++i) {
            records.push_back(std::make_unique<tsound>());
            records.back()->ID3.Title = QStringLiteral("Title %1").arg(i);
            records.back()->ID3.Comment = QStringLiteral("Comment %1").arg(i);
            records.back()->ID3.Genre = "Rain";
        }
        editor = std::make_unique<TfTag>(program.Path());
        for (const auto& record : records)
            editor->Sounds.Add(record.get());
        editor->LoadFromSounds();
        editor->show();
        EXPECT_EQ(Line(F::Comment)->text(), "Comment 0");
        Line(F::Genre)->selectAll();
        QTest::keyClicks(Line(F::Genre), "Wind");
        QTest::mouseClick(apply ? static_cast<QWidget*>(editor->btnApply) : editor->btnCancel,
                          Qt::LeftButton);
        EXPECT_EQ(editor->result(), apply ? QDialog::Accepted : QDialog::Rejected);
        for (int i = 0; i < 6; ++i) {
            EXPECT_EQ(records[size_t(i)]->ID3.Genre, apply ? "Wind" : "Rain") << i;
            EXPECT_EQ(records[size_t(i)]->ID3.Comment, QStringLiteral("Comment %1").arg(i));
            EXPECT_EQ(records[size_t(i)]->ID3.Title, QStringLiteral("Title %1").arg(i));
        }
    }
}

TEST_F(TagEditor, InsertPutsThePlaceholderAtTheCaret) {
    Open(1);
    editor->editRef->setText("CD: X");
    editor->editRef->setSelection(4, 1);
    Choose(F::Reference, {"Insert", "SFX CD"});
    EXPECT_EQ(editor->editRef->text(), "CD: %CD;");
    Choose(F::BwavDescription, {"Insert", "Description"});
    EXPECT_TRUE(editor->bwavMemo->toPlainText().contains("%SoundDescription;"));
    std::unique_ptr<QMenu> menu(editor->TemplateMenu(F::Originator));
    EXPECT_EQ(FindAction(menu.get(), {"Add ixml tag"}), nullptr) << "iXML elements only in the iXML field";
}

TEST_F(TagEditor, IxmlElementsAndCustomTags) {
    Open(1);
    editor->ixmlmemo->clear();
    Choose(F::Ixml, {"Add ixml tag", "<NOTE>"});
    EXPECT_EQ(editor->ixmlmemo->toPlainText(), "\n<NOTE></NOTE>\n");
    EXPECT_EQ(editor->ixmlmemo->textCursor().position(), 7);

    editor->ixmlmemo->clear();
    editor->AskText = [](const QString& title, const QString& label, const QString& text) {
        EXPECT_EQ(QStringList({title, label, text}), QStringList({"New xml tag", "Tag name", "<User>"}));
        return std::optional<QString>("Mytag");
    };
    Choose(F::Ixml, {"Add ixml tag", "Custom"});
    EXPECT_EQ(editor->ixmlmemo->toPlainText(), "\nMytagMytag\n");

    editor->ixmlmemo->clear();
    editor->AskText = [](const QString&, const QString&, const QString&) { return std::nullopt; };
    Choose(F::Ixml, {"Add ixml tag", "Custom"});
    EXPECT_EQ(editor->ixmlmemo->toPlainText(), "\n<User></User>\n") << "a cancelled prompt gives the default";
    Choose(F::Ixml, {"Add ixml tag", "Track lists", "<TRACK_COUNT>"});
    EXPECT_TRUE(editor->ixmlmemo->toPlainText().contains("<TRACK_COUNT></TRACK_COUNT>"));
}

TEST_F(TagEditor, PresetsSaveAndLoadTheTemplatesButApplyOnlyUnlockedFields) {
    Open(1);
    editor->bwavMemo->setPlainText("%SoundDescription;");
    editor->editOrig->setText("%Label;");
    editor->editRef->setText("%CD;");
    editor->ixmlmemo->setPlainText("\n<BWFXML/>\n");
    editor->AskText = [](const QString& title, const QString&, const QString&) {
        EXPECT_EQ(title, "New preset");
        return std::optional<QString>("Field rec");
    };
    Choose(F::Ixml, {"Preset", "<Add new preset>"});
    EXPECT_EQ(editor->PresetMenuNames(), QStringList({"Field rec"}));

    records.clear();
    Open(3);
    EXPECT_EQ(editor->PresetMenuNames(), QStringList({"Field rec"}));
    Choose(F::Reference, {"Preset", "Field rec"});
    EXPECT_EQ(editor->editOrig->text(), "%Label;");
    EXPECT_EQ(editor->ixmlmemo->toPlainText(), "\n<BWFXML/>\n");
    editor->ApplyToSounds();
    EXPECT_EQ(records[0]->bWav2, "%Publisher;") << "locked: the preset did not reach the sounds";
    EXPECT_EQ(messages.Messages, QStringList());
}

TEST_F(TagEditor, PresetErrorsAreShown) {
    program.Write("presets/Tags/Broken.xml", "<TAGpreset><BWAV>");
    Open(1);
    editor->editOrig->setText("kept");
    Choose(F::Originator, {"Preset", "Broken"});
    EXPECT_EQ(messages.Messages, QStringList({"Error loading preset"}));
    EXPECT_EQ(editor->editOrig->text(), "kept");

    editor->AskText = [](const QString&, const QString&, const QString&) {
        return std::optional<QString>("a/b");
    };
    Choose(F::Originator, {"Preset", "<Add new preset>"});
    ASSERT_EQ(messages.Messages.size(), 2);
    EXPECT_TRUE(messages.Messages[1].startsWith("Cannot save preset \"a/b\""));
    EXPECT_EQ(editor->PresetMenuNames(), QStringList({"Broken"}));
}

namespace {
struct TagEditingInMainWindow : ::testing::Test {
    TRecordingMessages messages;
    TTestDir program;
    TTestDir folder;
    std::unique_ptr<TfMainForm> form;

    TagEditingInMainWindow() {
        for (const char* name : {"a.wav", "b.wav", "c.wav"})
            folder.Write(name, "");
        form = std::make_unique<TfMainForm>(program.Path(), nullptr);
        form->StartUp();
        form->ShowRenameMode();
        PickFolderInWindow(*form, program, folder.Path());
    }
    // Runs the editor with `edit`, then "Apply".
    void Answer(const std::function<void(TfTag&)>& edit) {
        form->TagEditing()->RunEditor = [edit](TfTag& editor) {
            edit(editor);
            editor.ApplyToSounds();
            return true;
        };
    }
    static void Fill(TfTag& editor) {
        editor.SetFieldText(F::Artist, "Nature");
        editor.SetFieldText(F::Album, "Birds 2");
        editor.SetFieldText(F::Publisher, "Acme");
    }
};
} // namespace

TEST_F(TagEditingInMainWindow, EditAllTagsKeepsItsGeometryAndCopiesBackIntoThePanels) {
    form->TagWidth = 500;
    form->TagHeight = 600;
    form->TagX = 30;
    form->TagY = 40;
    Answer([](TfTag& editor) {
        EXPECT_EQ(editor.Sounds.Count(), 3);
        EXPECT_EQ(editor.size(), QSize(500, 600));
        EXPECT_EQ(editor.pos(), QPoint(30, 40));
        Fill(editor);
        editor.resize(510, 610);
        editor.move(50, 60);
    });
    form->Action("acEditTagsAll")->trigger();
    EXPECT_EQ(QList<int>({form->TagWidth, form->TagHeight, form->TagX, form->TagY}),
              QList<int>({510, 610, 50, 60}));
    TfrRename* rename = form->frRename();
    EXPECT_EQ(QStringList({rename->editSeries->text(), rename->editCD->text(), rename->editPublisher->text()}),
              QStringList({"Nature", "Birds 2", "Acme"}));
    EXPECT_EQ(form->frCdimport()->editSeries->text(), "Nature");
    EXPECT_EQ(form->Sounds().Items(2)->ID3.Artist, "Nature");
}

TEST_F(TagEditingInMainWindow, SelectedSoundsCopyBackOnlyWhenAllAreSelected) {
    form->SoundList()->AddToSelection(1);
    int edited = 0;
    Answer([&edited](TfTag& editor) {
        edited = editor.Sounds.Count();
        Fill(editor);
    });
    form->Action("acTagSelected")->trigger();
    EXPECT_EQ(edited, 1);
    EXPECT_EQ(form->Sounds().Items(1)->ID3.Album, "Birds 2");
    EXPECT_EQ(form->frRename()->editSeries->text(), "");

    form->Action("acSelAll")->trigger();
    form->Action("acTagSelected")->trigger();
    EXPECT_EQ(form->frRename()->editSeries->text(), "Nature");
    EXPECT_EQ(form->frRename()->editPublisher->text(), "") << "the publisher only from all tags";
}

TEST_F(TagEditingInMainWindow, NoRememberedSizeKeepsTheEditorsOwn) {
    QSize shown;
    form->TagEditing()->RunEditor = [&shown](TfTag& editor) {
        shown = editor.size();
        return false;
    };
    form->Action("acEditTagsAll")->trigger();
    EXPECT_EQ(shown, QSize(460, 640));
    EXPECT_EQ(form->TagWidth, 460);
    EXPECT_EQ(form->frRename()->editSeries->text(), "") << "Cancel copies nothing back";
}

TEST_F(TagEditingInMainWindow, OnlyFieldsTheEditorWroteGoBackIntoThePanels) {
    for (int i = 0; i < 3; ++i)
        form->Sounds().Items(i)->ID3.Artist = QStringLiteral("Artist %1").arg(i);
    Answer([](TfTag& editor) { editor.SetFieldText(F::Genre, "Wind"); });
    form->Action("acEditTagsAll")->trigger();
    EXPECT_EQ(form->frRename()->editSeries->text(), "") << "the artist was left alone";
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(form->Sounds().Items(i)->ID3.Artist, QStringLiteral("Artist %1").arg(i));
        EXPECT_EQ(form->Sounds().Items(i)->ID3.Genre, "Wind");
    }
}
