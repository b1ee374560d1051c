#include "ui/TQorHeadColPanel.h"

#include <QMouseEvent>

#include <algorithm>

TQorHeadColPanel::TQorHeadColPanel(const QString& caption, QWidget* parent)
    : TqorHeaderPanel(caption, parent) {
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

void TQorHeadColPanel::SetAutoSize(bool autoSize) {
    autoSize_ = autoSize;
    updateGeometry();
}

void TQorHeadColPanel::SetPanelHeight(int height) {
    panelHeight_ = height;
    resize(width(), height);
    updateGeometry();
}

QSize TQorHeadColPanel::sizeHint() const {
    QSize hint = TqorHeaderPanel::sizeHint();
    if (!autoSize_ && panelHeight_)
        hint.setHeight(*panelHeight_);
    return hint;
}

QSize TQorHeadColPanel::minimumSizeHint() const {
    QSize hint = TqorHeaderPanel::minimumSizeHint();
    if (!autoSize_ && panelHeight_)
        hint.setHeight(std::min(hint.height(), *panelHeight_));
    return hint;
}

void TQorHeadColPanel::SetRolledUp(bool rolledUp) {
    if (DontCollapse || rolledUp == rolledUp_)
        return;
    if (rolledUp)
        RollUp();
    else
        Unroll();
    rolledUp_ = rolledUp;
    emit RolledUpChanged(rolledUp);
}

void TQorHeadColPanel::RollUp() {
    // A panel that was never laid out has no height worth remembering.
    unrolled_.Height = testAttribute(Qt::WA_Resized) ? std::optional<int>(height()) : std::nullopt;
    unrolled_.AutoSize = autoSize_;
    unrolled_.MinimumHeight = minimumHeight();
    setMinimumHeight(RolledMinimumHeight);
    autoSize_ = false;
    SetPanelHeight(HeadHeight());
}

void TQorHeadColPanel::Unroll() {
    setMinimumHeight(unrolled_.MinimumHeight);
    autoSize_ = unrolled_.AutoSize;
    SetPanelHeight(unrolled_.Height.value_or(UnrolledHeightWithoutMemory));
}

void TQorHeadColPanel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && event->position().y() < HeadHeight())
        SetRolledUp(!rolledUp_);
    TqorHeaderPanel::mouseReleaseEvent(event);
}
