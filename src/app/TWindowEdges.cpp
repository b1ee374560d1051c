#include "app/TWindowEdges.h"

#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

#include <algorithm>

TWindowEdges::TWindowEdges(QWidget* window) : QObject(window), window_(window) {
    window_->setMouseTracking(true);
    window_->installEventFilter(this);
}

bool TWindowEdges::eventFilter(QObject* watched, QEvent* event) {
    if (watched != window_)
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        Press(static_cast<QMouseEvent*>(event));
        break;
    case QEvent::MouseMove: {
        auto* move = static_cast<QMouseEvent*>(event);
        if (resizing_ && (move->buttons() & Qt::LeftButton)) {
            ResizeByHand(move->globalPosition().toPoint());
            return true;
        }
        ShowCursorFor(EdgesAt(move->position().toPoint()));
        break;
    }
    case QEvent::MouseButtonRelease:
        resizing_.reset();
        break;
    default:
        break;
    }
    return false;
}

Qt::Edges TWindowEdges::EdgesAt(const QPoint& position) const {
    Qt::Edges edges;
    if (window_->isMaximized())
        return edges;
    if (position.x() < Zone)
        edges |= Qt::LeftEdge;
    if (position.x() >= window_->width() - Zone)
        edges |= Qt::RightEdge;
    if (position.y() < Zone)
        edges |= Qt::TopEdge;
    if (position.y() >= window_->height() - Zone)
        edges |= Qt::BottomEdge;
    return edges;
}

void TWindowEdges::ShowCursorFor(Qt::Edges edges) {
    if (edges == (Qt::LeftEdge | Qt::TopEdge) || edges == (Qt::RightEdge | Qt::BottomEdge))
        window_->setCursor(Qt::SizeFDiagCursor);
    else if (edges == (Qt::RightEdge | Qt::TopEdge) || edges == (Qt::LeftEdge | Qt::BottomEdge))
        window_->setCursor(Qt::SizeBDiagCursor);
    else if (edges & (Qt::LeftEdge | Qt::RightEdge))
        window_->setCursor(Qt::SizeHorCursor);
    else if (edges & (Qt::TopEdge | Qt::BottomEdge))
        window_->setCursor(Qt::SizeVerCursor);
    else
        window_->unsetCursor();
}

void TWindowEdges::Press(QMouseEvent* event) {
    resizing_.reset();
    const Qt::Edges edges = EdgesAt(event->position().toPoint());
    if (event->button() != Qt::LeftButton || !edges)
        return;
    QWindow* handle = window_->windowHandle();
    if (!handle || !handle->startSystemResize(edges))
        resizing_ = THandResize{edges, event->globalPosition().toPoint(), window_->geometry()};
}

void TWindowEdges::ResizeByHand(const QPoint& pointer) {
    const QPoint moved = pointer - resizing_->pressedAt;
    const QSize least = window_->minimumSize();
    const Qt::Edges edges = resizing_->edges;
    QRect frame = resizing_->startFrame;
    if (edges & Qt::LeftEdge)
        frame.setLeft(std::min(frame.left() + moved.x(), frame.right() + 1 - least.width()));
    if (edges & Qt::RightEdge)
        frame.setRight(std::max(frame.right() + moved.x(), frame.left() - 1 + least.width()));
    if (edges & Qt::TopEdge)
        frame.setTop(std::min(frame.top() + moved.y(), frame.bottom() + 1 - least.height()));
    if (edges & Qt::BottomEdge)
        frame.setBottom(std::max(frame.bottom() + moved.y(), frame.top() - 1 + least.height()));
    window_->setGeometry(frame);
}
