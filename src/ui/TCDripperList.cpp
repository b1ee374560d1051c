#include "ui/TCDripperList.h"

#include "app/tsound.h"
#include "ui/TsdxCDListItemDelegate.h"
#include "ui/TsdxListModel.h"

#include <QMouseEvent>
#include <QScrollBar>

namespace {
constexpr int PaintMargin = 48; // rows further than this outside the view are not painted
} // namespace

TCDripperList::TCDripperList(QWidget* parent) : TsdxList(parent) {
    setItemDelegate(new TsdxCDListItemDelegate(Model(), this, this));
}

void TCDripperList::WakePainter() {
    QMetaObject::invokeMethod(this, &TCDripperList::RepaintChanged, Qt::AutoConnection);
}

void TCDripperList::RepaintChanged() {
    for (int row : Model()->TakeRowsToRepaint()) {
        viewport()->update(visualRect(Model()->index(row)));
        if (Sound(row)->Status == ssRipping)
            FollowRipping(row);
    }
}

void TCDripperList::FollowRipping(int row) {
    const QRect rect = visualRect(Model()->index(row));
    const int visible = viewport()->height();
    if (rect.top() + 50 <= visible || rect.top() > visible + PaintMargin)
        return;
    QScrollBar* bar = verticalScrollBar();
    bar->setValue(bar->value() + std::max(0, rect.bottom() + 1 - visible) + 4);
}

void TCDripperList::ItemMouseDown(int row, QMouseEvent* event) {
    TsdxList::ItemMouseDown(row, event);
    if (NearColumnLine(event->position().toPoint().x()))
        columnDragging_ = true;
}

void TCDripperList::ItemMouseMove(int row, QMouseEvent* event) {
    TsdxList::ItemMouseMove(row, event);
    const int x = event->position().toPoint().x();
    if (NearColumnLine(x) || columnDragging_)
        viewport()->setCursor(Qt::SizeHorCursor);
    else
        viewport()->unsetCursor();
    if (columnDragging_)
        SetColumnWidth(x); // never below 30
}

void TCDripperList::ItemMouseUp(int row, QMouseEvent* event) {
    columnDragging_ = false;
    TsdxList::ItemMouseUp(row, event);
}

bool TCDripperList::NearColumnLine(int x) const { return std::abs(x - ShownColumnWidth()) < ColumnGrip; }
