#pragma once

#include <QWidget>

class QToolButton;

// The title strip of the borderless main window: the logo, and minimise, maximise/restore and
// close at the right end. Dragging the strip moves the window unless it is maximised.
class TTitleStrip : public QWidget {
    Q_OBJECT
public:
    explicit TTitleStrip(QWidget* parent = nullptr);

    QToolButton* btnMinimise = nullptr;
    QToolButton* btnMaximise = nullptr;
    QToolButton* btnClose = nullptr;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void ToggleMaximised();
    QToolButton* FrameButton(const QString& text, const QString& name);
};
