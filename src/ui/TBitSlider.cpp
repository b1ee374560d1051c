#include "ui/TBitSlider.h"

#include "ui/DarkPictures.h"
#include "ui/TSliderTrack.h"

#include <QMenu>
#include <QMouseEvent>
#include <QPainter>

TBitSlider::TBitSlider(QWidget* parent) : QWidget(parent) {
    setObjectName("BitSlider");
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void TBitSlider::SetBackBitmap(const QPixmap& picture) {
    back_ = picture;
    if (!back_.isNull())
        setFixedSize(back_.size());
    update();
}

void TBitSlider::SetKnobBitmap(const QPixmap& picture) {
    knob_ = picture;
    knobLeft_ = TSliderTrack(width(), KnobWidth()).KnobLeftFor(position_);
    update();
}

int TBitSlider::KnobWidth() const {
    return knob_.isNull() ? PaintedKnobWidth : knob_.width();
}

QSize TBitSlider::sizeHint() const {
    return back_.isNull() ? QSize(100, 16) : back_.size();
}

void TBitSlider::SetPosition(int position) {
    if (dragging_)
        return; // the user's hand wins over the player's timer
    position_ = TSliderTrack::Limited(position);
    knobLeft_ = TSliderTrack(width(), KnobWidth()).KnobLeftFor(position_);
    emit onChange();
    update();
}

void TBitSlider::DragTo(int x) {
    const TSliderTrack::TDragPoint point = TSliderTrack(width(), KnobWidth()).DragAt(x);
    position_ = point.Position;
    knobLeft_ = point.KnobLeft;
    update();
    if (!DontScrub)
        emit onUserChange();
}

void TBitSlider::mousePressEvent(QMouseEvent* event) {
    if (event->modifiers() & Qt::ControlModifier) {
        SetPosition(IdlePos);
        emit onUserChange();
    } else if (event->button() == Qt::RightButton) {
        emit OnRightClick();
        if (popUpMenu_)
            popUpMenu_->popup(event->globalPosition().toPoint());
    } else {
        dragging_ = true;
        DragTo(int(event->position().x()));
    }
    event->accept();
}

void TBitSlider::mouseMoveEvent(QMouseEvent* event) {
    if (dragging_)
        DragTo(int(event->position().x()));
}

void TBitSlider::mouseReleaseEvent(QMouseEvent* event) {
    dragging_ = false;
    if (DontScrub)
        emit onUserChange();
    emit AfterUserChange();
    event->accept();
}

void TBitSlider::resizeEvent(QResizeEvent* event) {
    if (!dragging_)
        knobLeft_ = TSliderTrack(width(), KnobWidth()).KnobLeftFor(position_);
    QWidget::resizeEvent(event);
}

void TBitSlider::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (back_.isNull())
        PaintSliderGroove(painter, rect());
    else
        painter.drawPixmap(0, 0, back_);
    if (knob_.isNull())
        PaintSliderKnob(painter, QRect(knobLeft_, 0, PaintedKnobWidth, height()));
    else
        painter.drawPixmap(knobLeft_, 0, knob_);
}
