#pragma once

#include <QList>
#include <QRect>

// Where a window saved at `frame` can be shown on screens whose usable areas are `areas` (the
// first is the primary screen). A borderless window is moved only by its title strip, the top
// `stripHeight` pixels: while enough of the strip lies on one of the areas to be grabbed, the
// frame stays as it is. Otherwise (a screen that is gone, a smaller desktop) it is moved onto
// the primary area, as near to where it was as fits, and made no larger than that area.
QRect ReachableFrame(const QRect& frame, const QList<QRect>& areas, int stripHeight);
