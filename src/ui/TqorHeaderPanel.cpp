#include "ui/TqorHeaderPanel.h"

#include "ui/DarkPictures.h"

#include <QMouseEvent>
#include <QPainter>

TqorHeaderPanel::TqorHeaderPanel(const QString& caption, QWidget* parent)
    : QWidget(parent), caption_(caption) {
    setObjectName("HeaderPanel");
    KeepHeadFree();
}

void TqorHeaderPanel::SetCaption(const QString& caption) {
    caption_ = caption;
    update();
}

void TqorHeaderPanel::SetLeftBitmap(const QPixmap& picture) {
    left_ = picture;
    update();
}

void TqorHeaderPanel::SetRightBitmap(const QPixmap& picture) {
    right_ = picture;
    update();
}

void TqorHeaderPanel::SetHeadBitmap(const QPixmap& picture) {
    head_ = picture;
    KeepHeadFree();
    update();
}

void TqorHeaderPanel::SetBodyBitmap(const QPixmap& picture) {
    body_ = picture;
    update();
}

void TqorHeaderPanel::SetShadowBitmap(const QPixmap& picture) {
    shadow_ = picture;
    update();
}

int TqorHeaderPanel::HeadHeight() const {
    return head_.isNull() ? PaintedHeadHeight : head_.height();
}

void TqorHeaderPanel::KeepHeadFree() {
    setContentsMargins(4, HeadHeight() + 2, 4, 4);
}

void TqorHeaderPanel::paintEvent(QPaintEvent*) {
    // Paints into one buffer (widgets are double-buffered), so rolling never flickers.
    QPainter painter(this);
    const int head = HeadHeight();
    const QRect bodyRect(0, head, width(), height() - head);
    if (body_.isNull())
        PaintHeaderBody(painter, bodyRect);
    else
        painter.drawPixmap(bodyRect, body_);
    if (head_.isNull()) {
        PaintHeaderHead(painter, QRect(0, 0, width(), head));
    } else {
        painter.drawPixmap(0, 0, left_);
        painter.drawPixmap(QRect(left_.width(), 0, width() - left_.width() - right_.width(), head),
                           head_);
        painter.drawPixmap(width() - right_.width(), 0, right_);
    }
    if (!shadow_.isNull())
        painter.drawPixmap(QRect(0, head, width(), shadow_.height()), shadow_);
    QFont captionFont("Arial");
    captionFont.setBold(true);
    captionFont.setPointSize(CapFontSize);
    painter.setFont(captionFont);
    painter.setPen(CapColor);
    painter.drawText(QRect(CaptionOffet, 2, width() - CaptionOffet, head - 2),
                     Qt::AlignLeft | Qt::AlignTop, caption_);
}

void TqorHeaderPanel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit OnClick();
    QWidget::mouseReleaseEvent(event);
}

void TqorHeaderPanel::leaveEvent(QEvent* event) {
    emit OnMouseLeave();
    QWidget::leaveEvent(event);
}
