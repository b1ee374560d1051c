#pragma once

#include "app/tsound.h" // complete for the ItemDblClick signal's meta type
#include "ui/tListLayout.h"

#include <QAbstractItemView>
#include <QList>

#include <functional>
#include <vector>

class QAction;
class QMenu;
class TSoundList;
class TsdxListModel;

// A list of sound records painted row by row: marks, selection with the click/anchor rules,
// expansion of the clicked row. It shows the bound sound list and never owns its records.
// Rows are model rows, so a list of any length is complete the moment it is shown.
class TsdxList : public QAbstractItemView {
    Q_OBJECT
public:
    static constexpr int MarkButtonRight = 16; // a press at x <= 16 toggles the mark

    explicit TsdxList(QWidget* parent = nullptr);

    // Binds the list to show (not owned); shown after the next RefreshList.
    void SetSoundList(TSoundList* sounds) { sounds_ = sounds; }
    TSoundList* SoundList() const { return sounds_; }
    // Sorts the bound list by description and rebuilds every row from it (at most 100,000),
    // emptying the selection; then emits AfterRefreshList.
    void RefreshList();
    void ClearItems();
    int Count() const;
    tsound* Sound(int row) const;
    // A share of a row's record, for work that goes on after this call.
    TSoundRef SoundRef(int row) const;
    TsdxListModel* Model() const { return model_; }

    const tListLayout& Layout() const { return layout_; }
    void SetLayout(const tListLayout& layout);
    // The width the user gave the description column (the "ColumnWidth" setting).
    int ColumnWidth() const { return layout_.ColumnWidth; }
    // Never below 30, so the description column cannot vanish.
    void SetColumnWidth(int width);
    // Where the column line is drawn: a list narrower than ColumnWidth plus DetailsWidth moves
    // it left (to 30 at the least), so that the details and the names stay in view.
    int ShownColumnWidth() const;
    static constexpr int DetailsWidth = 240;

    bool IsChecked(int row) const;
    void SetChecked(int row, bool checked);
    QList<TSoundRef> MarkedSounds() const;

    bool IsSelected(int row) const;
    // Selected rows in the order they joined the selection.
    const std::vector<int>& SelectedItems() const { return selectionOrder_; }
    QList<TSoundRef> SelectedSounds() const;
    TSoundRef FirstSelectedSound() const;
    int AnchorIndex() const { return anchorIndex_; }
    void AddToSelection(int row);
    void RemoveFromSelection(int row);
    void ClearSelection();
    // Adds the rows from `from` to `to` (either order) as one range.
    void AddRangeToSelection(int from, int to);
    bool IsExpanded(int row) const;

    // The "Mark/Select" commands.
    void SelectAll();
    void MarkAll();
    void UnmarkAll();
    void MarkSelected();
    void DeselectAll();
    // Connects "acSelAll", "acMarkAll", "acUnmarkAll", "acMarkSel" and "acDeselAll" of the
    // window's action table to the commands above.
    void ConnectCommands(const std::function<QAction*(const char*)>& actionNamed);
    // The menu a right click opens (not owned); none by default.
    void SetContextMenu(QMenu* menu) { contextMenu_ = menu; }

    // Paints every row now (after descriptions changed) / asks every row to repaint.
    void PaintAll();
    void InvalidateAll();
    // Without items enabled, rows ignore the mouse (while an import runs).
    void SetItemsEnabled(bool enabled);
    bool ItemsEnabled() const { return itemsEnabled_; }

    // A row's place in content coordinates (before scrolling); the row at a content y or -1.
    QRect ItemRect(int row) const;
    int ItemAt(int contentY) const;
    int ContentHeight() const;

    QRect visualRect(const QModelIndex& index) const override;
    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;
    QModelIndex indexAt(const QPoint& point) const override;

signals:
    void OnSelectionChange();
    void AfterRefreshList();
    void ItemDblClick(tsound* sound);
    void OnItemClick(int row);
    void OnStartItemDrag(const QStringList& files);

protected:
    virtual void ItemMouseDown(int row, QMouseEvent* event);
    virtual void ItemMouseMove(int row, QMouseEvent* event);
    virtual void ItemMouseUp(int row, QMouseEvent* event);
    virtual int ItemHeight(bool expanded) const { return expanded ? 63 : 16; }
    void StartItemDrag();
    void Relayout();

    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;
    int horizontalOffset() const override { return 0; }
    int verticalOffset() const override;
    bool isIndexHidden(const QModelIndex&) const override { return false; }
    void setSelection(const QRect&, QItemSelectionModel::SelectionFlags) override {}
    QRegion visualRegionForSelection(const QItemSelection& selection) const override;
    void updateGeometries() override;

    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    int RowAtViewport(const QPoint& point) const;
    // The row a navigation key leads to from the current row, or -1 for other keys.
    int RowForKey(int key) const;
    // Selects `row` alone, or with `extend` the rows from the anchor to it, and shows it.
    void MoveSelectionTo(int row, bool extend);
    void ToggleMark(int row);
    void SetExpanded(int row, bool expanded);

    TSoundList* sounds_ = nullptr;
    TsdxListModel* model_;
    tListLayout layout_;
    std::vector<int> selectionOrder_;
    int anchorIndex_ = -1;
    int currentRow_ = -1; // the row last clicked or moved to with the keyboard
    bool itemsEnabled_ = true;
    QMenu* contextMenu_ = nullptr;
    // The press being handled: its row (-1 for none), whether it hit the mark button, and
    // the drag-out state armed by it.
    int pressRow_ = -1;
    bool pressOnMark_ = false;
    bool dragArmed_ = false;
    QPoint pressPos_;
};
