#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <Qt>

// The arithmetic of a borderless window that the user sizes by the zones along its edges.
class TBorderSizing {
public:
    static constexpr int EdgeZone = 5;

    // The edges whose zone holds `position` (window coordinates) of a window of `size`.
    static Qt::Edges EdgesAt(const QPoint& position, const QSize& size);
    // Vertical sizing on the top and bottom, horizontal on the sides, the two diagonals in
    // the corners, the arrow elsewhere.
    static Qt::CursorShape CursorFor(Qt::Edges edges);
    // The window's geometry after the pointer travelled `travel` since a press on `edges`
    // of a window that then had `start`. The size never goes below `minimum`; a top or left
    // edge moves only while the size stays above it, so the opposite edge stands still.
    static QRect Resized(const QRect& start, Qt::Edges edges, const QPoint& travel,
                         const QSize& minimum);
};
