#pragma once

#include <QPoint>

// A press arms a drag; the drag begins once the pointer has travelled more than 20 pixels
// from the press point, horizontally or vertically.
class TDragArming {
public:
    static constexpr int Threshold = 20;

    void Arm(const QPoint& pressPoint) {
        pressPoint_ = pressPoint;
        armed_ = true;
    }
    void Disarm() { armed_ = false; }
    bool Armed() const { return armed_; }
    // True once, at the move that begins the drag; the arming is used up then.
    bool BeginsDragAt(const QPoint& point);

private:
    QPoint pressPoint_;
    bool armed_ = false;
};
