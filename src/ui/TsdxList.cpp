#include "ui/TsdxList.h"

#include "app/TSoundList.h"
#include "app/tsound.h"
#include "ui/TsdxListModel.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>

namespace {
constexpr int DragOutDistance = 40;
} // namespace

TsdxList::TsdxList(QWidget* parent) : QAbstractItemView(parent), model_(new TsdxListModel(this)) {
    setModel(model_);
    // Selection is this list's own business (see the click rules); the base class must not
    // change it from keys or clicks.
    setSelectionMode(NoSelection);
    setEditTriggers(NoEditTriggers);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    verticalScrollBar()->setTracking(true);
    viewport()->setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
}

void TsdxList::RefreshList() {
    if (sounds_)
        sounds_->SortByDescription();
    selectionOrder_.clear();
    anchorIndex_ = -1;
    currentRow_ = -1;
    pressRow_ = -1;
    dragArmed_ = false;
    model_->Rebuild(sounds_); // the reset also empties the selection model, silently
    verticalScrollBar()->setValue(0);
    Relayout();
    emit AfterRefreshList();
}

void TsdxList::ClearItems() {
    selectionOrder_.clear();
    anchorIndex_ = -1;
    currentRow_ = -1;
    pressRow_ = -1;
    model_->Rebuild(nullptr);
    Relayout();
}

int TsdxList::Count() const { return model_->Count(); }

tsound* TsdxList::Sound(int row) const { return model_->Sound(row); }

TSoundRef TsdxList::SoundRef(int row) const { return model_->SoundRef(row); }

void TsdxList::SetLayout(const tListLayout& layout) {
    layout_ = layout;
    SetColumnWidth(layout.ColumnWidth);
    viewport()->update();
}

void TsdxList::SetColumnWidth(int width) {
    layout_.ColumnWidth = std::max(30, width);
    viewport()->update();
}

int TsdxList::ShownColumnWidth() const {
    return std::max(30, std::min(layout_.ColumnWidth, viewport()->width() - DetailsWidth));
}

bool TsdxList::IsChecked(int row) const { return model_->IsChecked(row); }

void TsdxList::SetChecked(int row, bool checked) { model_->SetChecked(row, checked); }

QList<TSoundRef> TsdxList::MarkedSounds() const { return model_->CheckedSounds(); }

bool TsdxList::IsSelected(int row) const {
    return selectionModel()->isSelected(model_->index(row));
}

QList<TSoundRef> TsdxList::SelectedSounds() const {
    QList<TSoundRef> sounds;
    sounds.reserve(qsizetype(selectionOrder_.size()));
    for (int row : selectionOrder_)
        sounds.append(SoundRef(row));
    return sounds;
}

TSoundRef TsdxList::FirstSelectedSound() const {
    return selectionOrder_.empty() ? nullptr : SoundRef(selectionOrder_.front());
}

void TsdxList::AddToSelection(int row) {
    if (IsSelected(row))
        return;
    selectionOrder_.push_back(row);
    selectionModel()->select(model_->index(row), QItemSelectionModel::Select);
    emit OnSelectionChange();
}

void TsdxList::RemoveFromSelection(int row) {
    auto place = std::find(selectionOrder_.begin(), selectionOrder_.end(), row);
    if (place != selectionOrder_.end())
        selectionOrder_.erase(place);
    selectionModel()->select(model_->index(row), QItemSelectionModel::Deselect);
    SetExpanded(row, false);
    emit OnSelectionChange();
}

void TsdxList::ClearSelection() {
    selectionModel()->clearSelection();
    selectionOrder_.clear();
    anchorIndex_ = -1;
    if (!model_->ExpandedRows().empty()) {
        model_->CollapseAll();
        Relayout();
    }
    emit OnSelectionChange();
}

void TsdxList::AddRangeToSelection(int from, int to) {
    const int first = std::max(0, std::min(from, to));
    const int last = std::min(Count() - 1, std::max(from, to));
    if (first > last)
        return;
    // The order list gets the new rows in list order; the selection model gets one range,
    // which keeps even 100,000 rows to a fraction of a millisecond.
    std::vector<char> selected(size_t(Count()), 0);
    for (int row : selectionOrder_)
        selected[size_t(row)] = 1;
    for (int row = first; row <= last; ++row) {
        if (!selected[size_t(row)])
            selectionOrder_.push_back(row);
    }
    const QItemSelection range(model_->index(first), model_->index(last));
    selectionModel()->select(range, QItemSelectionModel::Select);
    emit OnSelectionChange();
}

bool TsdxList::IsExpanded(int row) const { return model_->IsExpanded(row); }

void TsdxList::SelectAll() { AddRangeToSelection(0, Count() - 1); }

void TsdxList::MarkAll() { model_->SetAllChecked(true); }

void TsdxList::UnmarkAll() { model_->SetAllChecked(false); }

void TsdxList::MarkSelected() { model_->SetChecked(selectionOrder_, true); }

void TsdxList::DeselectAll() { ClearSelection(); }

void TsdxList::ConnectCommands(const std::function<QAction*(const char*)>& actionNamed) {
    const std::pair<const char*, void (TsdxList::*)()> commands[] = {
        {"acSelAll", &TsdxList::SelectAll},     {"acMarkAll", &TsdxList::MarkAll},
        {"acUnmarkAll", &TsdxList::UnmarkAll},  {"acMarkSel", &TsdxList::MarkSelected},
        {"acDeselAll", &TsdxList::DeselectAll},
    };
    for (const auto& [name, command] : commands) {
        if (QAction* action = actionNamed(name))
            connect(action, &QAction::triggered, this, command);
    }
}

void TsdxList::PaintAll() { viewport()->repaint(); }

void TsdxList::InvalidateAll() { viewport()->update(); }

void TsdxList::SetItemsEnabled(bool enabled) {
    itemsEnabled_ = enabled;
    pressRow_ = -1;
    dragArmed_ = false;
    viewport()->update();
}

QRect TsdxList::ItemRect(int row) const {
    const int plain = ItemHeight(false);
    const int growth = ItemHeight(true) - plain;
    const auto& expanded = model_->ExpandedRows();
    const auto expandedAbove = std::lower_bound(expanded.begin(), expanded.end(), row);
    const int top = row * plain + int(expandedAbove - expanded.begin()) * growth;
    return QRect(0, top, viewport()->width(), IsExpanded(row) ? plain + growth : plain);
}

int TsdxList::ItemAt(int contentY) const {
    if (contentY < 0)
        return -1;
    const int plain = ItemHeight(false);
    const int tall = ItemHeight(true);
    int extra = 0; // height added by expanded rows above contentY
    for (int row : model_->ExpandedRows()) {
        const int top = row * plain + extra;
        if (contentY < top)
            break;
        if (contentY < top + tall)
            return row;
        extra += tall - plain;
    }
    const int row = (contentY - extra) / plain;
    return row < Count() ? row : -1;
}

int TsdxList::ContentHeight() const {
    const int expandedCount = int(model_->ExpandedRows().size());
    return Count() * ItemHeight(false) + expandedCount * (ItemHeight(true) - ItemHeight(false));
}

QRect TsdxList::visualRect(const QModelIndex& index) const {
    if (!index.isValid())
        return QRect();
    return ItemRect(index.row()).translated(0, -verticalOffset());
}

void TsdxList::scrollTo(const QModelIndex& index, ScrollHint) {
    if (!index.isValid())
        return;
    const QRect rect = ItemRect(index.row());
    QScrollBar* bar = verticalScrollBar();
    if (rect.top() < bar->value())
        bar->setValue(rect.top());
    else if (rect.bottom() >= bar->value() + viewport()->height())
        bar->setValue(rect.bottom() + 1 - viewport()->height());
}

QModelIndex TsdxList::indexAt(const QPoint& point) const {
    const int row = RowAtViewport(point);
    return row < 0 ? QModelIndex() : model_->index(row);
}

void TsdxList::StartItemDrag() {
    dragArmed_ = false;
    std::vector<int> rows = selectionOrder_;
    std::sort(rows.begin(), rows.end());
    QStringList files;
    for (int row : rows)
        files.append(Sound(row)->path);
    emit OnStartItemDrag(files);
}

void TsdxList::Relayout() {
    updateGeometries();
    viewport()->update();
}

QModelIndex TsdxList::moveCursor(CursorAction, Qt::KeyboardModifiers) { return QModelIndex(); }

int TsdxList::verticalOffset() const { return verticalScrollBar()->value(); }

QRegion TsdxList::visualRegionForSelection(const QItemSelection& selection) const {
    QRegion region;
    for (const QItemSelectionRange& range : selection) {
        const QRect first = ItemRect(range.top());
        const QRect last = ItemRect(range.bottom());
        const QRect covered(first.topLeft(), last.bottomRight());
        region += covered.translated(0, -verticalOffset()).intersected(viewport()->rect());
    }
    return region;
}

void TsdxList::updateGeometries() {
    QScrollBar* bar = verticalScrollBar();
    const int visible = viewport()->height();
    bar->setRange(0, std::max(0, ContentHeight() - visible));
    bar->setPageStep(visible);
    bar->setSingleStep(ItemHeight(false));
    QAbstractItemView::updateGeometries();
}

void TsdxList::paintEvent(QPaintEvent* event) {
    QPainter painter(viewport());
    const QRect area = event->rect();
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    const QStyle::State baseState = itemsEnabled_ ? option.state : option.state & ~QStyle::State_Enabled;
    for (int row = std::max(0, ItemAt(area.top() + verticalOffset())); row < Count(); ++row) {
        const QRect rect = visualRect(model_->index(row));
        if (rect.top() > area.bottom())
            break;
        option.rect = rect;
        option.state = baseState;
        if (IsSelected(row))
            option.state |= QStyle::State_Selected;
        itemDelegate()->paint(&painter, option, model_->index(row));
    }
}

void TsdxList::mousePressEvent(QMouseEvent* event) {
    const int row = RowAtViewport(event->position().toPoint());
    if (!itemsEnabled_ || row < 0)
        return;
    pressRow_ = row;
    pressOnMark_ = event->position().x() <= MarkButtonRight;
    if (pressOnMark_)
        ToggleMark(row); // any button; the selection stays as it is
    else
        ItemMouseDown(row, event);
}

void TsdxList::mouseMoveEvent(QMouseEvent* event) {
    if (!itemsEnabled_)
        return;
    ItemMouseMove(pressRow_ >= 0 ? pressRow_ : RowAtViewport(event->position().toPoint()), event);
}

void TsdxList::mouseReleaseEvent(QMouseEvent* event) {
    const int row = pressRow_;
    const bool onMark = pressOnMark_;
    pressRow_ = -1;
    pressOnMark_ = false;
    if (!itemsEnabled_ || row < 0 || row >= Count() || onMark)
        return;
    ItemMouseUp(row, event);
}

void TsdxList::mouseDoubleClickEvent(QMouseEvent* event) {
    mousePressEvent(event); // the second press of a double click is a press as well
    if (pressRow_ >= 0 && !pressOnMark_)
        emit ItemDblClick(Sound(pressRow_));
}

void TsdxList::wheelEvent(QWheelEvent* event) {
    // One notch (120) moves 12 pixels.
    QScrollBar* bar = verticalScrollBar();
    bar->setValue(bar->value() - event->angleDelta().y() / 10);
    event->accept();
}

void TsdxList::keyPressEvent(QKeyEvent* event) {
    // Navigation keys move the selection as in any list; every other key (Space plays) is the
    // window's, through its actions.
    const int row = itemsEnabled_ ? RowForKey(event->key()) : -1;
    if (row < 0) {
        QWidget::keyPressEvent(event);
        return;
    }
    MoveSelectionTo(row, event->modifiers() & Qt::ShiftModifier);
    event->accept();
}

int TsdxList::RowForKey(int key) const {
    if (Count() == 0)
        return -1;
    const int last = Count() - 1;
    const int page = std::max(1, viewport()->height() / ItemHeight(false));
    const int from = currentRow_;
    switch (key) {
    case Qt::Key_Up:
        return from < 0 ? 0 : std::max(0, from - 1);
    case Qt::Key_Down:
        return from < 0 ? 0 : std::min(last, from + 1);
    case Qt::Key_PageUp:
        return std::max(0, from - page);
    case Qt::Key_PageDown:
        return std::min(last, std::max(0, from) + page);
    case Qt::Key_Home:
        return 0;
    case Qt::Key_End:
        return last;
    default:
        return -1;
    }
}

void TsdxList::MoveSelectionTo(int row, bool extend) {
    const int anchor = anchorIndex_;
    ClearSelection();
    if (extend && anchor >= 0 && anchor < Count()) {
        AddRangeToSelection(anchor, row);
        anchorIndex_ = anchor;
    } else {
        AddToSelection(row);
        anchorIndex_ = row;
    }
    currentRow_ = row;
    scrollTo(model_->index(row));
    viewport()->update();
}

void TsdxList::contextMenuEvent(QContextMenuEvent* event) {
    if (contextMenu_ && itemsEnabled_)
        contextMenu_->exec(event->globalPos());
}

void TsdxList::ItemMouseDown(int row, QMouseEvent* event) {
    dragArmed_ = true;
    pressPos_ = event->position().toPoint();
    setFocus(Qt::MouseFocusReason);
    if (event->button() == Qt::RightButton)
        return;
    const bool ctrl = event->modifiers() & Qt::ControlModifier;
    const bool shift = event->modifiers() & Qt::ShiftModifier;
    if (IsSelected(row)) {
        if (ctrl)
            RemoveFromSelection(row);
        // a plain click on a selected row waits for the release
    } else {
        if (!ctrl && !shift)
            ClearSelection();
        if (shift && anchorIndex_ >= 0 && anchorIndex_ < Count()) {
            AddRangeToSelection(anchorIndex_, row);
        } else {
            AddToSelection(row);
            if (!ctrl && !shift)
                SetExpanded(row, true);
        }
        anchorIndex_ = row;
    }
    currentRow_ = row;
    Relayout();
}

void TsdxList::ItemMouseMove(int, QMouseEvent* event) {
    if (!dragArmed_)
        return;
    const QPoint moved = event->position().toPoint() - pressPos_;
    if (std::abs(moved.x()) > DragOutDistance || std::abs(moved.y()) > DragOutDistance)
        StartItemDrag();
}

void TsdxList::ItemMouseUp(int row, QMouseEvent* event) {
    dragArmed_ = false;
    if (event->button() == Qt::RightButton)
        return;
    emit OnItemClick(row);
    const bool withModifier = event->modifiers() & (Qt::ControlModifier | Qt::ShiftModifier);
    if (IsSelected(row) && !withModifier && selectionOrder_.size() > 1) {
        ClearSelection();
        AddToSelection(row);
        anchorIndex_ = row; // the row last clicked stays the anchor of a following Shift+click
    }
}

int TsdxList::RowAtViewport(const QPoint& point) const {
    return ItemAt(point.y() + verticalOffset());
}

void TsdxList::ToggleMark(int row) { model_->SetChecked(row, !model_->IsChecked(row)); }

void TsdxList::SetExpanded(int row, bool expanded) {
    if (model_->IsExpanded(row) == expanded)
        return;
    model_->SetExpanded(row, expanded);
    Relayout();
}
