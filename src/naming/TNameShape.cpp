#include "naming/TNameShape.h"

#include <QApplication>
#include <QDrag>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>

namespace {
constexpr int textMargin = 6;
const char* const tokenMimeType = "application/x-trackmoth-mask-token";
} // namespace

TNameShape::TNameShape(const QString& caption, const QString& token, QWidget* parent)
    : QWidget(parent), caption_(caption), token_(token) {
    setObjectName(token);
    setCursor(Qt::OpenHandCursor);
    setFixedSize(sizeHint());
}

QSize TNameShape::sizeHint() const {
    // Wide enough for the whole caption in the tile's font.
    const QFontMetrics metrics(font());
    return {metrics.horizontalAdvance(caption_) + 2 * textMargin, metrics.height() + 2 * textMargin};
}

QMimeData* TNameShape::MimeDataFor(const QString& token) {
    auto* data = new QMimeData;
    data->setData(tokenMimeType, token.toUtf8());
    return data;
}

QString TNameShape::TokenOf(const QMimeData* data) {
    if (!data || !data->hasFormat(tokenMimeType))
        return QString();
    return QString::fromUtf8(data->data(tokenMimeType));
}

void TNameShape::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), QColor(0x3a, 0x6e, 0xa5));
    painter.setPen(Qt::white);
    painter.drawText(rect().adjusted(textMargin, textMargin, 0, 0), Qt::AlignLeft | Qt::AlignTop,
                     caption_);
}

void TNameShape::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    pressPos_ = event->position().toPoint();
}

void TNameShape::mouseMoveEvent(QMouseEvent* event) {
    if (!pressed_ || !(event->buttons() & Qt::LeftButton))
        return;
    if ((event->position().toPoint() - pressPos_).manhattanLength() < QApplication::startDragDistance())
        return;
    pressed_ = false;
    auto* drag = new QDrag(this);
    drag->setMimeData(MimeDataFor(token_));
    drag->setPixmap(grab());
    drag->setHotSpot(pressPos_);
    drag->exec(Qt::MoveAction);
}
