#include "ui/TNoBorderSizeForm.h"

#include "ui/TBorderSizing.h"

#include <QMouseEvent>
#include <QWindow>

TNoBorderSizeForm::TNoBorderSizeForm(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint) {
    const int zone = TBorderSizing::EdgeZone;
    setContentsMargins(zone, zone, zone, zone);
}

void TNoBorderSizeForm::showEvent(QShowEvent* event) {
    // The window's own events come before any child sees them, so the zones work whatever
    // the contents are.
    if (windowHandle() && windowHandle() != watchedWindow_) {
        watchedWindow_ = windowHandle();
        watchedWindow_->installEventFilter(this);
    }
    QDialog::showEvent(event);
}

bool TNoBorderSizeForm::FillsScreen() const {
    return isMaximized() || isFullScreen();
}

bool TNoBorderSizeForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched != watchedWindow_)
        return QDialog::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseMove:
        PointerMoved(static_cast<QMouseEvent*>(event));
        return SizingByHand();
    case QEvent::MouseButtonPress:
        return PointerPressed(static_cast<QMouseEvent*>(event));
    case QEvent::MouseButtonRelease:
        if (!SizingByHand())
            return false;
        PointerReleased();
        return true;
    default:
        return false;
    }
}

void TNoBorderSizeForm::PointerMoved(QMouseEvent* event) {
    if (SizingByHand()) {
        const QPoint travel = event->globalPosition().toPoint() - pressPoint_;
        setGeometry(TBorderSizing::Resized(startGeometry_, sizingEdges_, travel, minimumSize()));
        return;
    }
    const Qt::Edges edges =
        FillsScreen() ? Qt::Edges() : TBorderSizing::EdgesAt(event->position().toPoint(), size());
    if (edges)
        setCursor(TBorderSizing::CursorFor(edges));
    else
        unsetCursor();
}

bool TNoBorderSizeForm::PointerPressed(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || FillsScreen())
        return false;
    const Qt::Edges edges = TBorderSizing::EdgesAt(event->position().toPoint(), size());
    if (!edges)
        return false;
    if (watchedWindow_->startSystemResize(edges))
        return true;
    // No window manager to ask (bare X, some test servers): follow the pointer ourselves.
    sizingEdges_ = edges;
    pressPoint_ = event->globalPosition().toPoint();
    startGeometry_ = geometry();
    setCursor(TBorderSizing::CursorFor(edges));
    return true;
}

void TNoBorderSizeForm::PointerReleased() {
    sizingEdges_ = Qt::Edges();
    unsetCursor();
}
