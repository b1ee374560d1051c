#include "ui/TSliderTrack.h"

#include <algorithm>
#include <cmath>

namespace {
int Rounded(double value) {
    return int(std::nearbyint(value));
}
} // namespace

TSliderTrack::TDragPoint TSliderTrack::DragAt(int x) const {
    const double run = width_ - knobWidth_ / 2.0;
    const double fraction = run > 0 ? std::clamp(x / run, 0.0, 1.0) : 0.0;
    TDragPoint point;
    point.Position = Rounded(fraction * MaxPosition);
    point.KnobLeft = std::max(0, Rounded(fraction * run - knobWidth_ / 2.0));
    return point;
}

int TSliderTrack::KnobLeftFor(int position) const {
    return Rounded(double(width_ - knobWidth_) * Limited(position) / MaxPosition);
}

int TSliderTrack::Limited(int position) {
    return std::clamp(position, 0, MaxPosition);
}
