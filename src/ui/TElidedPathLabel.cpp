#include "ui/TElidedPathLabel.h"

TElidedPathLabel::TElidedPathLabel(QWidget* parent) : QLabel(parent) {
    setWordWrap(false);
    setTextFormat(Qt::PlainText); // a folder named "<b>" shows as it is
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    setFixedHeight(fontMetrics().height() + 2);
}

void TElidedPathLabel::SetPath(const QString& path) {
    path_ = path;
    setToolTip(path);
    ShowElided();
}

void TElidedPathLabel::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    ShowElided();
}

void TElidedPathLabel::ShowElided() {
    setText(fontMetrics().elidedText(path_, Qt::ElideMiddle, std::max(contentsRect().width(), 0)));
}
