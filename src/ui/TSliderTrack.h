#pragma once

// The arithmetic of a slider whose knob runs along a track: positions 0 to 100, the knob's
// left edge in pixels. Halves round to the even neighbour.
class TSliderTrack {
public:
    static constexpr int MaxPosition = 100;

    TSliderTrack(int width, int knobWidth) : width_(width), knobWidth_(knobWidth) {}

    struct TDragPoint {
        int Position = 0;
        int KnobLeft = 0;
    };
    // The pointer at `x` while dragging: the knob's centre follows the pointer, and the far
    // end is reached half a knob before the track's end.
    TDragPoint DragAt(int x) const;
    // Where the knob stands for a position set by the program (limited to 0..100).
    int KnobLeftFor(int position) const;
    static int Limited(int position);

private:
    int width_;
    int knobWidth_;
};
