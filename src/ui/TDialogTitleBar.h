#pragma once

#include <QWidget>

class QLabel;
class QToolButton;

// The title bar of a borderless dialog: its caption and a close button, which rejects the
// dialog like "Cancel". Dragging the bar moves the window.
class TDialogTitleBar : public QWidget {
    Q_OBJECT
public:
    explicit TDialogTitleBar(const QString& caption, QWidget* parent = nullptr);

    QLabel* lblCaption = nullptr;
    QToolButton* btnClose = nullptr;

protected:
    void mousePressEvent(QMouseEvent* event) override;
};
