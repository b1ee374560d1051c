#include "ui/TCustomBitButton.h"

#include "ui/DarkPictures.h"

#include <QAction>
#include <QMouseEvent>
#include <QPainter>

TCustomBitButton::TCustomBitButton(QWidget* parent) : QWidget(parent) {
    setObjectName("BitButton");
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void TCustomBitButton::SetUpImage(const QPixmap& picture) {
    up_ = picture;
    QSize size = this->size();
    if (picture.width() > 0)
        size.setWidth(picture.width());
    if (picture.height() > 0)
        size.setHeight(picture.height());
    setFixedSize(size);
    update();
}

void TCustomBitButton::SetDownImage(const QPixmap& picture) {
    downPicture_ = picture;
    update();
}

void TCustomBitButton::SetDisabledImage(const QPixmap& picture) {
    disabled_ = picture;
    update();
}

void TCustomBitButton::SetDown(bool down) {
    if (down_ == down)
        return;
    down_ = down;
    update();
}

void TCustomBitButton::SetAction(QAction* action) {
    action_.Set(this, &TCustomBitButton::OnClick, action, [this] { FollowAction(); });
}

void TCustomBitButton::FollowAction() {
    setEnabled(action_.Action()->isEnabled());
    setToolTip(action_.Action()->text());
}

QSize TCustomBitButton::sizeHint() const {
    return up_.isNull() ? QSize(24, 19) : up_.size();
}

void TCustomBitButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QPixmap& shown = down_ && !downPicture_.isNull() ? downPicture_ : up_;
    if (shown.isNull())
        PaintDarkFace(painter, rect(), down_);
    else
        painter.drawPixmap(0, 0, shown);
    if (!isEnabled())
        painter.drawPixmap(0, 0, disabled_.isNull() ? DarkDisabledPicture(size()) : disabled_);
}

void TCustomBitButton::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    pressed_ = true;
    if (CanDrag)
        drag_.Arm(event->position().toPoint());
    if (!DontMessWithDown)
        SetDown(ToggleMode ? !down_ : true);
    update();
}

void TCustomBitButton::mouseMoveEvent(QMouseEvent* event) {
    if (drag_.BeginsDragAt(event->position().toPoint())) {
        pressed_ = false; // a drag is not a click
        emit OnStartDrag();
    }
}

void TCustomBitButton::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    drag_.Disarm();
    if (!DontMessWithDown && !ToggleMode)
        SetDown(false);
    update();
    const bool click = pressed_ && rect().contains(event->position().toPoint());
    pressed_ = false;
    if (click)
        emit OnClick();
}

void TCustomBitButton::leaveEvent(QEvent* event) {
    emit OnMouseLeave();
    QWidget::leaveEvent(event);
}
