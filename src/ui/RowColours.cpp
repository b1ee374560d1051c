#include "ui/RowColours.h"

#include <algorithm>
#include <cmath>

namespace {
const QColor descriptionBlue(0x4D, 0xC3, 0xFF);
const QColor ripping(0xFF, 0x00, 0x9D);
const QColor converting(0x98, 0x00, 0xF2);
const QColor done(0x00, 0xFB, 0x3C);
const QColor waiting(0x00, 0xA4, 0xF2);

QColor Darker(const QColor& color) {
    return QColor(std::max(0, color.red() - 5), std::max(0, color.green() - 5),
                  std::max(0, color.blue() - 5));
}

double Linear(int channel) {
    const double value = channel / 255.0;
    return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
}

double Luminance(const QColor& color) {
    return 0.2126 * Linear(color.red()) + 0.7152 * Linear(color.green()) + 0.0722 * Linear(color.blue());
}
} // namespace

TRowColours NormalRowColours(TSoundStatus status, bool selected, const tListLayout& layout) {
    if (status == ssplaying)
        return {QColor(layout.PlayingColor), Qt::black, Qt::black, QColor(0x45, 0xE4, 0x01)};
    QColor background(selected ? layout.SelectedColor : layout.ItemColor);
    if (status == sserror)
        background = QColor(layout.ErrorColor);
    // On a selected or error row the blue would be too weak: the description is white there.
    const QColor description = selected || status == sserror ? QColor(Qt::white) : descriptionBlue;
    return {background, Qt::white, description, Darker(background)};
}

TRowColours JobRowColours(TSoundStatus status) {
    switch (status) {
    case ssRipping:
        return {ripping, Qt::black, Qt::black, ripping};
    case ssConverting:
        return {converting, Qt::white, Qt::white, converting};
    case ssDone:
        return {done, Qt::black, Qt::black, done};
    default: // waiting for the rip or for the conversion
        return {waiting, Qt::black, Qt::black, waiting};
    }
}

TRowColours RenameRowColours(bool selected, const tListLayout& layout) {
    const QColor background(selected ? layout.SelectedColor : layout.ItemColor);
    return {background, Qt::white, Qt::white, Darker(background)};
}

double ContrastRatio(const QColor& first, const QColor& second) {
    const double a = Luminance(first);
    const double b = Luminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}
