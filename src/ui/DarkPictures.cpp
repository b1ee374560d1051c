#include "ui/DarkPictures.h"

#include <QFont>
#include <QLinearGradient>
#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace {
const QColor faceTop(88, 88, 88);
const QColor faceBottom(52, 52, 52);
const QColor downTop(30, 30, 30);
const QColor downBottom(46, 46, 46);
const QColor edge(12, 12, 12);

QLinearGradient Vertical(const QRect& rect, const QColor& top, const QColor& bottom) {
    QLinearGradient gradient(rect.topLeft(), rect.bottomLeft());
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, bottom);
    return gradient;
}
} // namespace

void PaintDarkFace(QPainter& painter, const QRect& rect, bool down) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF face = QRectF(rect).adjusted(0.5, 0.5, -0.5, -0.5);
    painter.setPen(edge);
    painter.setBrush(down ? Vertical(rect, downTop, downBottom)
                          : Vertical(rect, faceTop, faceBottom));
    painter.drawRoundedRect(face, 4, 4); // the 4-pixel caps at either end
    painter.restore();
}

QPixmap DarkGlyphPicture(const QSize& size, const QString& glyph, bool down) {
    QPixmap picture(size);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    const QRect rect(QPoint(0, 0), size);
    PaintDarkFace(painter, rect, down);
    QFont font("Arial");
    font.setBold(true);
    font.setPixelSize(std::max(8, size.height() / 2));
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(down ? rect.translated(1, 1) : rect, Qt::AlignCenter, glyph);
    return picture;
}

QPixmap DarkCaptionPicture(const QString& caption, int height, bool down) {
    QFont font("Arial");
    font.setBold(true);
    font.setPixelSize(11);
    // Captions of several words take two lines, so that the top bar keeps its width.
    QString shown = caption;
    const qsizetype middle = caption.size() / 2;
    qsizetype split = -1;
    for (qsizetype i = 0; i < caption.size(); ++i)
        if (caption[i] == u' ' && (split < 0 || qAbs(i - middle) < qAbs(split - middle)))
            split = i;
    if (split > 0 && caption.size() > 10)
        shown = caption.left(split) + u'\n' + caption.mid(split + 1);
    const QFontMetrics metrics(font);
    int width = 0;
    for (const QString& line : shown.split(u'\n'))
        width = std::max(width, metrics.horizontalAdvance(line));
    const QSize size(width + 12, height);
    QPixmap picture(size);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    const QRect rect(QPoint(0, 0), size);
    PaintDarkFace(painter, rect, down);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(down ? rect.translated(1, 1) : rect, Qt::AlignCenter, shown);
    return picture;
}

QPixmap DarkDisabledPicture(const QSize& size) {
    QPixmap picture(size);
    picture.fill(QColor(40, 40, 40, 160));
    return picture;
}

void PaintSliderGroove(QPainter& painter, const QRect& rect) {
    painter.fillRect(rect, QColor(40, 40, 40));
    const int middle = rect.center().y();
    painter.fillRect(QRect(rect.left(), middle - 2, rect.width(), 4), QColor(23, 23, 23));
    painter.fillRect(QRect(rect.left(), middle + 2, rect.width(), 1), QColor(70, 70, 70));
}

void PaintSliderKnob(QPainter& painter, const QRect& rect) {
    PaintDarkFace(painter, rect, false);
}

void PaintHeaderHead(QPainter& painter, const QRect& rect) {
    painter.fillRect(rect, Vertical(rect, QColor(74, 74, 74), QColor(48, 48, 48)));
    painter.fillRect(QRect(rect.left(), rect.bottom(), rect.width(), 1), edge);
}

void PaintHeaderBody(QPainter& painter, const QRect& rect) {
    painter.fillRect(rect, QColor(40, 40, 40));
}
