#include "ui/TDarkButton.h"

#include "ui/DarkPictures.h"

#include <QAction>
#include <QPainter>

#include <algorithm>

TDarkButton::TDarkButton(const QString& caption, QWidget* parent) : QAbstractButton(parent) {
    setText(caption);
    QFont captionFont("Arial", 8);
    captionFont.setBold(true);
    setFont(captionFont);
    QPalette colours = palette();
    colours.setColor(QPalette::ButtonText, Qt::white);
    setPalette(colours);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    // Down follows the press and the release; setDown repaints.
    connect(this, &QAbstractButton::pressed, this, qOverload<>(&QWidget::update));
    connect(this, &QAbstractButton::released, this, qOverload<>(&QWidget::update));
}

void TDarkButton::SetAction(QAction* action) {
    action_.Set(this, &QAbstractButton::clicked, action, [this] { FollowAction(); });
}

void TDarkButton::FollowAction() {
    setText(action_.Action()->text());
    setEnabled(action_.Action()->isEnabled());
    setToolTip(action_.Action()->toolTip());
}

QSize TDarkButton::sizeHint() const {
    const QFontMetrics metrics(font());
    return QSize(metrics.horizontalAdvance(text()) + 16, std::max(23, metrics.height() + 8));
}

void TDarkButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PaintDarkFace(painter, rect(), isDown());
    QFont captionFont = font();
    captionFont.setBold(true);
    painter.setFont(captionFont);
    painter.setPen(isEnabled() ? palette().color(QPalette::ButtonText) : QColor(128, 128, 128));
    painter.drawText(isDown() ? rect().translated(1, 1) : rect(), Qt::AlignCenter, text());
}
