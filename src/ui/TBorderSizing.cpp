#include "ui/TBorderSizing.h"

#include <algorithm>

Qt::Edges TBorderSizing::EdgesAt(const QPoint& position, const QSize& size) {
    Qt::Edges edges;
    if (position.x() < EdgeZone)
        edges |= Qt::LeftEdge;
    if (position.x() >= size.width() - EdgeZone)
        edges |= Qt::RightEdge;
    if (position.y() < EdgeZone)
        edges |= Qt::TopEdge;
    if (position.y() >= size.height() - EdgeZone)
        edges |= Qt::BottomEdge;
    return edges;
}

Qt::CursorShape TBorderSizing::CursorFor(Qt::Edges edges) {
    if (edges == (Qt::LeftEdge | Qt::TopEdge) || edges == (Qt::RightEdge | Qt::BottomEdge))
        return Qt::SizeFDiagCursor;
    if (edges == (Qt::RightEdge | Qt::TopEdge) || edges == (Qt::LeftEdge | Qt::BottomEdge))
        return Qt::SizeBDiagCursor;
    if (edges & (Qt::LeftEdge | Qt::RightEdge))
        return Qt::SizeHorCursor;
    if (edges & (Qt::TopEdge | Qt::BottomEdge))
        return Qt::SizeVerCursor;
    return Qt::ArrowCursor;
}

QRect TBorderSizing::Resized(const QRect& start, Qt::Edges edges, const QPoint& travel,
                             const QSize& minimum) {
    QRect geometry = start;
    if (edges & Qt::BottomEdge)
        geometry.setHeight(std::max(minimum.height(), start.height() + travel.y()));
    if (edges & Qt::RightEdge)
        geometry.setWidth(std::max(minimum.width(), start.width() + travel.x()));
    if ((edges & Qt::TopEdge) && start.height() - travel.y() > minimum.height())
        geometry.setTop(start.top() + travel.y());
    if ((edges & Qt::LeftEdge) && start.width() - travel.x() > minimum.width())
        geometry.setLeft(start.left() + travel.x());
    return geometry;
}
