#include "app/ReachableFrame.h"

#include <algorithm>

namespace {
constexpr int GripWidth = 40; // pixels of the strip a mouse must find on one screen

bool CanBeGrabbed(const QRect& frame, const QRect& area, int stripHeight) {
    const QRect strip(frame.left(), frame.top(), frame.width(), stripHeight);
    const QRect onArea = strip.intersected(area);
    return onArea.width() >= std::min(GripWidth, frame.width()) &&
           onArea.height() >= std::min(stripHeight / 2 + 1, stripHeight);
}

int Clamped(int start, int length, int areaStart, int areaLength) {
    return std::clamp(start, areaStart, areaStart + areaLength - length);
}
} // namespace

QRect ReachableFrame(const QRect& frame, const QList<QRect>& areas, int stripHeight) {
    if (areas.isEmpty())
        return frame;
    for (const QRect& area : areas) {
        if (CanBeGrabbed(frame, area, stripHeight))
            return frame;
    }
    const QRect& primary = areas.first();
    const QSize size = frame.size().boundedTo(primary.size());
    return QRect(QPoint(Clamped(frame.left(), size.width(), primary.left(), primary.width()),
                        Clamped(frame.top(), size.height(), primary.top(), primary.height())),
                 size);
}
