#pragma once

#include <QAction>
#include <QObject>
#include <QPointer>

#include <functional>

// Ties one of the program's own buttons to an action, as stock tool buttons are tied: the
// button's click triggers the action, and the button follows the action's changes.
class TActionLink {
public:
    QAction* Action() const { return action_; }

    // Drops the earlier action. With `action` (not owned): `clicked` of `control` triggers it,
    // and `follow` runs now and after every change of the action.
    template <typename Control, typename Signal>
    void Set(Control* control, Signal clicked, QAction* action,
             const std::function<void()>& follow) {
        QObject::disconnect(changed_);
        QObject::disconnect(click_);
        action_ = action;
        if (!action)
            return;
        changed_ = QObject::connect(action, &QAction::changed, control, follow);
        click_ = QObject::connect(control, clicked, action, [action] { action->trigger(); });
        follow();
    }

private:
    QPointer<QAction> action_;
    QMetaObject::Connection changed_;
    QMetaObject::Connection click_;
};
