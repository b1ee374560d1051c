#include "app/TActionTable.h"
#include "ui/TfShortcutManager.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {
// The program's actions with their default shortcuts, in an editor.
struct ShortcutEditor : ::testing::Test {
    QWidget window;
    std::vector<std::unique_ptr<QAction>> actions;
    TfShortcutManager editor;

    ShortcutEditor() {
        QList<TfShortcutManager::TEntry> entries;
        for (const TActionInfo& info : ActionTable()) {
            actions.push_back(std::make_unique<QAction>(info.Caption));
            actions.back()->setShortcut(QKeySequence::fromString(info.DefaultShortcut));
            entries.append({actions.back().get(), info.Category});
        }
        editor.SetActions(entries);
        editor.show();
    }
    QAction* ActionNamed(const char* name) {
        for (size_t i = 0; i < ActionTable().size(); ++i)
            if (qstrcmp(ActionTable()[i].Name, name) == 0)
                return actions[i].get();
        return nullptr;
    }
    QTreeWidgetItem* NodeOf(const QAction* action) {
        for (int top = 0; top < editor.Tree->topLevelItemCount(); ++top)
            for (int child = 0; child < editor.Tree->topLevelItem(top)->childCount(); ++child) {
                QTreeWidgetItem* node = editor.Tree->topLevelItem(top)->child(child);
                if (node->text(0).startsWith(action->text() + " ") || node->text(0) == action->text())
                    return node;
            }
        return nullptr;
    }
    void Select(QTreeWidgetItem* node) { editor.Tree->setCurrentItem(node); }
};
} // namespace

TEST_F(ShortcutEditor, CategoriesInOrderOfFirstAppearanceWithTheirActionsBelow) {
    ASSERT_EQ(editor.Tree->topLevelItemCount(), 3);
    QStringList categories;
    QList<int> counts;
    for (int top = 0; top < 3; ++top) {
        categories.append(editor.Tree->topLevelItem(top)->text(0));
        counts.append(editor.Tree->topLevelItem(top)->childCount());
    }
    EXPECT_EQ(categories, QStringList({"View", "Actions", "Select"}));
    EXPECT_EQ(counts, (QList<int>{3, 11, 5}));
    // The last action of the table sits under its category, after the others.
    QTreeWidgetItem* actionsNode = editor.Tree->topLevelItem(1);
    EXPECT_TRUE(actionsNode->child(10)->text(0).startsWith("Play/Pause"));
}

TEST_F(ShortcutEditor, NodeTextIsTheCaptionFilledTo30ThenTheShortcut) {
    QTreeWidgetItem* importNode = editor.Tree->topLevelItem(0)->child(0);
    EXPECT_EQ(importNode->text(0), "Import CD Mode                F1");
    EXPECT_EQ(importNode->text(0).indexOf("F1"), 30);
    EXPECT_EQ(NodeOf(ActionNamed("acSFXdescriptions"))->text(0), QString("Edit all descriptions").leftJustified(30));
    EXPECT_EQ(TfShortcutManager::NodeText("A caption longer than thirty characters", QKeySequence("F5")),
              "A caption longer than thirty charactersF5");
    EXPECT_EQ(TfShortcutManager::NodeText("Rip disc", QKeySequence(Qt::SHIFT | Qt::CTRL | Qt::Key_E)),
              QString("Rip disc").leftJustified(30) + "Shift+Ctrl+E");
}

TEST_F(ShortcutEditor, ChangeWithoutAKeyPressLeavesShortcutAndNodeAsTheyWere) {
    QAction* ripMode = ActionNamed("acRipMode");
    QTreeWidgetItem* node = NodeOf(ripMode);
    const QString before = node->text(0);
    Select(node);
    EXPECT_EQ(editor.SelectedAction(), ripMode);
    EXPECT_EQ(editor.lblAc->text(), "Import CD Mode");
    EXPECT_EQ(editor.EditCut->text(), "F1");
    EXPECT_TRUE(editor.EditCut->isEnabled());
    QTest::mouseClick(editor.BtnChange, Qt::LeftButton);
    EXPECT_EQ(ripMode->shortcut(), QKeySequence(Qt::Key_F1));
    EXPECT_EQ(node->text(0), before);
}

TEST_F(ShortcutEditor, AKeyWithModifiersIsCapturedInTheProgramsOrderAndChangeAppliesIt) {
    QAction* ripDisc = ActionNamed("acRipDisc");
    QTreeWidgetItem* node = NodeOf(ripDisc);
    Select(node);
    editor.EditCut->setFocus();
    QTest::keyPress(editor.EditCut, Qt::Key_Shift, Qt::ShiftModifier); // a modifier alone: nothing yet
    EXPECT_EQ(editor.EditCut->text(), "Ctrl+R");
    QTest::keyPress(editor.EditCut, Qt::Key_E, Qt::ShiftModifier | Qt::ControlModifier);
    EXPECT_EQ(editor.EditCut->text(), "Shift+Ctrl+E");
    QTest::keyRelease(editor.EditCut, Qt::Key_E, Qt::ShiftModifier | Qt::ControlModifier);
    EXPECT_EQ(editor.EditCut->text(), "Shift+Ctrl+E"); // nothing typed into it
    EXPECT_EQ(ripDisc->shortcut(), QKeySequence("Ctrl+R")); // not before "Change"
    QTest::mouseClick(editor.BtnChange, Qt::LeftButton);
    EXPECT_EQ(ripDisc->shortcut(), QKeySequence(Qt::SHIFT | Qt::CTRL | Qt::Key_E));
    EXPECT_EQ(node->text(0), QString("Rip disc").leftJustified(30) + "Shift+Ctrl+E");
    // Space and Tab are keys like any other.
    QTest::keyClick(editor.EditCut, Qt::Key_Space);
    EXPECT_EQ(editor.EditCut->text(), "Space");
}

TEST_F(ShortcutEditor, ACategoryNodeCapturesNothingAndChangeDoesNothing) {
    QAction* ripMode = ActionNamed("acRipMode");
    Select(NodeOf(ripMode));
    Select(editor.Tree->topLevelItem(0)); // "View"
    EXPECT_EQ(editor.SelectedAction(), nullptr);
    EXPECT_TRUE(editor.lblAc->text().isEmpty());
    EXPECT_TRUE(editor.EditCut->text().isEmpty());
    EXPECT_FALSE(editor.EditCut->isEnabled());
    QKeyEvent press(QEvent::KeyPress, Qt::Key_G, Qt::ControlModifier);
    QCoreApplication::sendEvent(editor.EditCut, &press);
    EXPECT_FALSE(editor.Captured().has_value());
    QTest::mouseClick(editor.BtnChange, Qt::LeftButton);
    EXPECT_EQ(ripMode->shortcut(), QKeySequence(Qt::Key_F1));
    EXPECT_EQ(editor.Tree->topLevelItem(0)->text(0), "View");
}

TEST_F(ShortcutEditor, AClickInTheFieldEmptiesItButKeepsTheCapturedShortcut) {
    QAction* markAll = ActionNamed("acMarkAll");
    QTreeWidgetItem* node = NodeOf(markAll);
    Select(node);
    QTest::mouseClick(editor.EditCut, Qt::LeftButton);
    EXPECT_TRUE(editor.EditCut->text().isEmpty());
    QTest::mouseClick(editor.BtnChange, Qt::LeftButton);
    EXPECT_EQ(markAll->shortcut(), QKeySequence("Alt+A"));
    EXPECT_EQ(node->text(0), QString("Mark all").leftJustified(30) + "Alt+A"); // what it has
}

TEST_F(ShortcutEditor, OkClosesAndChangesStay) {
    QAction* options = ActionNamed("acViewOptions");
    Select(NodeOf(options));
    QTest::keyClick(editor.EditCut, Qt::Key_F9);
    QTest::mouseClick(editor.BtnChange, Qt::LeftButton);
    QTest::mouseClick(editor.btnOK, Qt::LeftButton);
    EXPECT_FALSE(editor.isVisible());
    EXPECT_EQ(options->shortcut(), QKeySequence(Qt::Key_F9));
}
