#include "ui/TSoundListContextMenu.h"

TSoundListContextMenu::TSoundListContextMenu(
    const std::function<QAction*(const char*)>& actionNamed, QWidget* parent)
    : QMenu(parent), editDescription_(addAction(QStringLiteral("Edit description"))) {
    if (QAction* tagSelected = actionNamed("acTagSelected"))
        addAction(tagSelected);
    QMenu* markSelect = addMenu(QStringLiteral("Mark/Select"));
    for (const char* name : {"acMarkAll", "acUnmarkAll", "acMarkSel", "acSelAll", "acDeselAll"}) {
        if (QAction* action = actionNamed(name))
            markSelect->addAction(action);
    }
}
