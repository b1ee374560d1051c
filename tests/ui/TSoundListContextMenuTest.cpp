#include "ui/TSoundListContextMenu.h"

#include "app/TActionTable.h"

#include <QAction>
#include <QMenu>

#include <gtest/gtest.h>

#include <map>

TEST(TSoundListContextMenu, HoldsTheEditingAndMarkSelectCommands) {
    QWidget window;
    std::map<std::string, QAction*> actions;
    for (const TActionInfo& info : ActionTable())
        actions[info.Name] = new QAction(info.Caption, &window);
    TSoundListContextMenu menu([&](const char* name) { return actions.at(name); }, &window);

    QStringList captions;
    for (QAction* action : menu.actions())
        captions << action->text();
    EXPECT_EQ(captions, (QStringList{"Edit description", "Edit tag of selected sounds", "Mark/Select"}));
    EXPECT_EQ(menu.EditDescription(), menu.actions().at(0));

    QStringList markSelect;
    for (QAction* action : menu.actions().at(2)->menu()->actions())
        markSelect << action->text();
    EXPECT_EQ(markSelect,
              (QStringList{"Mark all", "Unmark all", "Mark selected", "Select all", "Deselect all"}));
}
