#pragma once

#include "ui/TActionLink.h"

#include <QAbstractButton>

// The program's dark push button: shown down while pressed, the caption centred in bold.
// Its font gives the caption's size and colour (white unless the font's palette says else).
class TDarkButton : public QAbstractButton {
    Q_OBJECT
public:
    explicit TDarkButton(const QString& caption = QString(), QWidget* parent = nullptr);

    // Clicking triggers `action` (not owned); the button shows its text and follows its
    // enabled state.
    void SetAction(QAction* action);
    QAction* Action() const { return action_.Action(); }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void FollowAction();

    TActionLink action_;
};
