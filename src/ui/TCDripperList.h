#pragma once

#include "ui/TsdxList.h"

// The program's sound list: CD-sized rows painted by TsdxCDListItemDelegate, a column line the
// user drags, and the progress repaint of an import.
class TCDripperList : public TsdxList {
    Q_OBJECT
public:
    static constexpr int ColumnGrip = 5; // a press this close to the column line drags it

    explicit TCDripperList(QWidget* parent = nullptr);

    // The import's progress tick: repaints the rows whose job state changed or whose
    // percentage moved. May be called from any thread; the repaint runs on the GUI thread.
    void WakePainter();
    void RepaintChanged();
    bool IsDraggingColumn() const { return columnDragging_; }

protected:
    void ItemMouseDown(int row, QMouseEvent* event) override;
    void ItemMouseMove(int row, QMouseEvent* event) override;
    void ItemMouseUp(int row, QMouseEvent* event) override;
    int ItemHeight(bool expanded) const override { return expanded ? 63 : 32; }

private:
    bool NearColumnLine(int x) const;
    // Keeps the track being ripped in view while the user watches the bottom of the list.
    void FollowRipping(int row);

    bool columnDragging_ = false;
};
