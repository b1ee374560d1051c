#pragma once

#include <QPoint>
#include <QWidget>

#include <optional>

class TCustomBitButton;

// The title strip of the borderless main window: the logo, and minimise, maximise/restore and
// close at the right end. Dragging the strip moves the window unless it is maximised; where no
// window manager moves it (bare X, kiosk setups) the strip moves it itself.
class TTitleStrip : public QWidget {
    Q_OBJECT
public:
    explicit TTitleStrip(QWidget* parent = nullptr);

    TCustomBitButton* btnMinimise = nullptr;
    TCustomBitButton* btnMaximise = nullptr;
    TCustomBitButton* btnClose = nullptr;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void ToggleMaximised();
    TCustomBitButton* FrameButton(const QString& glyph, const QString& name);

    // Set while the strip moves the window itself: where the window's corner was, relative to
    // the pointer, when the button went down.
    std::optional<QPoint> movingByHand_;
};
