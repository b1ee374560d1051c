#include "ui/TDragArming.h"

#include <cstdlib>

bool TDragArming::BeginsDragAt(const QPoint& point) {
    if (!armed_)
        return false;
    const QPoint travel = point - pressPoint_;
    if (std::abs(travel.x()) <= Threshold && std::abs(travel.y()) <= Threshold)
        return false;
    armed_ = false;
    return true;
}
