#pragma once

#include "ui/TActionLink.h"
#include "ui/TDragArming.h"

#include <QPixmap>
#include <QWidget>

// A button painted from pictures: the window's frame buttons, the mode, send and help buttons
// and the play button. In ToggleMode each press flips it; with DontMessWithDown the program
// alone decides whether it shows down.
class TCustomBitButton : public QWidget {
    Q_OBJECT
public:
    explicit TCustomBitButton(QWidget* parent = nullptr);

    // Setting the up picture sizes the button to it (each dimension only when above 0).
    void SetUpImage(const QPixmap& picture);
    void SetDownImage(const QPixmap& picture);
    // Drawn over the shown picture while the button is disabled.
    void SetDisabledImage(const QPixmap& picture);
    const QPixmap& UpImage() const { return up_; }

    bool Down() const { return down_; }
    void SetDown(bool down);
    bool ToggleMode = false;
    bool DontMessWithDown = false;
    // A press arms a drag, which begins once the pointer travelled more than 20 pixels.
    bool CanDrag = false;

    // Clicking triggers `action` (not owned); the button follows its enabled state and
    // shows its text as tooltip.
    void SetAction(QAction* action);
    QAction* Action() const { return action_.Action(); }

    QSize sizeHint() const override;

signals:
    // A press and a release inside the button.
    void OnClick();
    void OnMouseLeave();
    void OnStartDrag();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void FollowAction();

    QPixmap up_;
    QPixmap downPicture_;
    QPixmap disabled_;
    bool down_ = false;
    bool pressed_ = false;
    TDragArming drag_;
    TActionLink action_;
};
