#pragma once

#include <QMenu>

#include <functional>

// The sound list's context menu: "Edit description", "Edit tag of selected sounds" and the
// "Mark/Select" submenu, made from the window's actions so that captions and shortcuts are the
// ones the user set.
class TSoundListContextMenu : public QMenu {
    Q_OBJECT
public:
    // `actionNamed` gives the window's action of a name ("acTagSelected", "acMarkAll", ...).
    TSoundListContextMenu(const std::function<QAction*(const char*)>& actionNamed,
                          QWidget* parent = nullptr);

    // "Edit description" is not in the action table; the window connects its handler here.
    QAction* EditDescription() const { return editDescription_; }

private:
    QAction* editDescription_;
};
