#include "ui/TDarkPanel.h"

#include <QPalette>

TDarkPanel::TDarkPanel(QWidget* parent) : QScrollArea(parent) {
    setObjectName("DarkPanel");
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(true);
    ApplyColor(QColor(0x28, 0x28, 0x28));
}

QColor TDarkPanel::GreyFor(int brightness) {
    const int channel = ((brightness + 40) % 256 + 256) % 256;
    return QColor(channel, channel, channel);
}

void TDarkPanel::SetBrightness(int brightness) {
    brightness_ = brightness;
    ApplyColor(GreyFor(brightness));
}

void TDarkPanel::ApplyColor(const QColor& color) {
    color_ = color;
    QPalette colours = palette();
    colours.setColor(QPalette::Window, color);
    setPalette(colours);
    setAutoFillBackground(true);
    viewport()->setPalette(colours);
    viewport()->setAutoFillBackground(true);
}
