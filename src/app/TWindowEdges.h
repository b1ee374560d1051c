#pragma once

#include <QObject>
#include <QPoint>
#include <QRect>

#include <optional>

class QMouseEvent;
class QWidget;

// The sizing frame of a borderless window: the pointer shows the sizing cursors over the
// window's outer `Zone` pixels, and dragging them resizes the window, through the system where
// it can, by hand where no window manager does (bare X, kiosk setups). The window keeps the
// zone free of child widgets (its layout margins).
class TWindowEdges : public QObject {
    Q_OBJECT
public:
    static constexpr int Zone = 4;

    explicit TWindowEdges(QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Qt::Edges EdgesAt(const QPoint& position) const;
    void ShowCursorFor(Qt::Edges edges);
    void Press(QMouseEvent* event);
    void ResizeByHand(const QPoint& pointer);

    // A resize by hand: the edges taken, where the pointer went down and the frame then.
    struct THandResize {
        Qt::Edges edges;
        QPoint pressedAt;
        QRect startFrame;
    };

    QWidget* window_;
    std::optional<THandResize> resizing_;
};
