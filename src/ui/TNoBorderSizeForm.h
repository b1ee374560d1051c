#pragma once

#include <QDialog>
#include <QPoint>
#include <QRect>

class QMouseEvent;
class QWindow;

// A borderless window that the user sizes by the 5-pixel zones along its edges: the window
// system does the sizing where it can; where it cannot (no window manager), the window sizes
// itself by the pointer's travel. A maximised or full-screen window has no sizing zones.
// Its contents stay clear of the zones.
class TNoBorderSizeForm : public QDialog {
    Q_OBJECT
public:
    explicit TNoBorderSizeForm(QWidget* parent = nullptr);

    // True while the window sizes itself by hand after a press on an edge.
    bool SizingByHand() const { return sizingEdges_ != Qt::Edges(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    bool FillsScreen() const;
    void PointerMoved(QMouseEvent* event);
    bool PointerPressed(QMouseEvent* event);
    void PointerReleased();

    QWindow* watchedWindow_ = nullptr;
    Qt::Edges sizingEdges_;
    QPoint pressPoint_;
    QRect startGeometry_;
};
