#include "ui/TCDripperList.h"

#include "app/TSoundList.h"
#include "app/tsound.h"
#include "ui/TsdxListModel.h"

#include <QAction>
#include <QApplication>
#include <QMouseEvent>
#include <QScrollBar>
#include <QSignalSpy>
#include <QtTest/QTest>

#include <gtest/gtest.h>

namespace {
constexpr int RowCount = 10;

class TCDripperListTest : public ::testing::Test {
protected:
    void SetUp() override {
        // Added in reverse so that the rebuild has to sort them.
        for (int i = RowCount - 1; i >= 0; --i) {
            auto sound = std::make_unique<tsound>();
            sound->Description = QString("Sound %1").arg(i, 2, 10, QChar('0'));
            sound->path = QString("/sounds/%1.wav").arg(i);
            sounds.Add(std::move(sound));
        }
        list.resize(800, 400);
        list.SetSoundList(&sounds);
        list.RefreshList();
        list.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&list));
    }

    // A point inside `row` at x (viewport coordinates), wherever earlier clicks moved the row.
    QPoint At(int row, int x = 200) const {
        return QPoint(x, list.visualRect(list.Model()->index(row)).center().y());
    }
    void Click(int row, Qt::KeyboardModifiers modifiers = {}, int x = 200,
               Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseClick(list.viewport(), button, modifiers, At(row, x));
    }
    void MoveTo(QPoint point) {
        QMouseEvent move(QEvent::MouseMove, point, list.viewport()->mapToGlobal(point),
                         Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(list.viewport(), &move);
    }
    std::vector<int> Selected() const {
        std::vector<int> rows;
        for (int row = 0; row < list.Count(); ++row) {
            if (list.IsSelected(row))
                rows.push_back(row);
        }
        return rows;
    }

    TSoundList sounds;
    TCDripperList list;
};
} // namespace

TEST_F(TCDripperListTest, RefreshListSortsByDescription) {
    ASSERT_EQ(list.Count(), RowCount);
    for (int row = 0; row < RowCount; ++row)
        EXPECT_EQ(list.Sound(row)->Description, QString("Sound %1").arg(row, 2, 10, QChar('0')));
    EXPECT_EQ(list.Sound(0), sounds.Items(0)); // the bound list itself is sorted
}

TEST_F(TCDripperListTest, RefreshListOfAnEmptyListStillNotifies) {
    QSignalSpy refreshed(&list, &TsdxList::AfterRefreshList);
    Click(2);
    sounds.Clear();
    list.RefreshList();
    EXPECT_EQ(refreshed.count(), 1);
    EXPECT_EQ(list.Count(), 0);
    EXPECT_TRUE(list.SelectedItems().empty());
    EXPECT_EQ(list.AnchorIndex(), -1);
    EXPECT_TRUE(list.isVisible());
}

TEST_F(TCDripperListTest, HundredFiftyThousandRecordsGiveHundredThousandRows) {
    for (int i = 0; i < 150000 - RowCount; ++i)
        sounds.Add(std::make_unique<tsound>());
    list.RefreshList();
    EXPECT_EQ(list.Count(), TsdxListModel::MaxRows);
    list.SelectAll();
    EXPECT_EQ(list.SelectedItems().size(), size_t(TsdxListModel::MaxRows));
    EXPECT_TRUE(list.IsSelected(TsdxListModel::MaxRows - 1));
}

TEST_F(TCDripperListTest, MarkButtonTogglesWithoutTouchingTheSelection) {
    Click(1);
    Click(3, Qt::ControlModifier);
    for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton}) {
        Click(5, {}, 10, button);
        EXPECT_TRUE(list.IsChecked(5));
        Click(3, {}, 10, button); // a selected row among several: the selection stays whole
        EXPECT_TRUE(list.IsChecked(3));
        EXPECT_EQ(Selected(), (std::vector<int>{1, 3}));
        Click(5, {}, 16, button);
        Click(3, {}, 16, button);
        EXPECT_FALSE(list.IsChecked(5));
        EXPECT_FALSE(list.IsChecked(3));
    }
    EXPECT_EQ(list.AnchorIndex(), 3);
    EXPECT_EQ(list.MarkedSounds().size(), 0);
}

TEST_F(TCDripperListTest, PlainClickSelectsExpandsAndMovesTheAnchor) {
    Click(3);
    EXPECT_EQ(Selected(), (std::vector<int>{3}));
    EXPECT_TRUE(list.IsExpanded(3));
    EXPECT_EQ(list.visualRect(list.Model()->index(3)).height(), 63);
    EXPECT_EQ(list.visualRect(list.Model()->index(4)).top(), 3 * 32 + 63); // pushed down
    EXPECT_EQ(list.AnchorIndex(), 3);

    Click(5);
    EXPECT_EQ(Selected(), (std::vector<int>{5}));
    EXPECT_FALSE(list.IsExpanded(3));
    EXPECT_TRUE(list.IsExpanded(5));
    EXPECT_EQ(list.AnchorIndex(), 5);
}

TEST_F(TCDripperListTest, ShiftClickAddsRangesFromTheAnchor) {
    Click(3);
    Click(7, Qt::ShiftModifier);
    EXPECT_EQ(Selected(), (std::vector<int>{3, 4, 5, 6, 7}));
    EXPECT_EQ(list.AnchorIndex(), 7);
    EXPECT_FALSE(list.IsExpanded(7));
    Click(1, Qt::ShiftModifier); // upwards from the moved anchor, keeping the earlier rows
    EXPECT_EQ(Selected(), (std::vector<int>{1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(list.AnchorIndex(), 1);
    EXPECT_EQ(list.SelectedItems(), (std::vector<int>{3, 4, 5, 6, 7, 1, 2}));
    EXPECT_EQ(list.FirstSelectedSound().get(), list.Sound(3));
}

TEST_F(TCDripperListTest, CtrlClickAddsAndRemovesCollapsing) {
    Click(2);
    Click(4, Qt::ControlModifier);
    EXPECT_EQ(Selected(), (std::vector<int>{2, 4}));
    EXPECT_FALSE(list.IsExpanded(4)); // only a plain click expands
    Click(2, Qt::ControlModifier);
    EXPECT_EQ(Selected(), (std::vector<int>{4}));
    EXPECT_FALSE(list.IsExpanded(2));
    EXPECT_EQ(list.visualRect(list.Model()->index(2)).height(), 32);
}

TEST_F(TCDripperListTest, PlainClickOnOneOfSeveralSelectedReducesOnRelease) {
    Click(1);
    Click(4, Qt::ShiftModifier);
    QSignalSpy clicked(&list, &TsdxList::OnItemClick);
    QTest::mousePress(list.viewport(), Qt::LeftButton, {}, At(2));
    EXPECT_EQ(Selected(), (std::vector<int>{1, 2, 3, 4}));
    QTest::mouseRelease(list.viewport(), Qt::LeftButton, {}, At(2));
    EXPECT_EQ(Selected(), (std::vector<int>{2}));
    EXPECT_FALSE(list.IsExpanded(2));
    EXPECT_EQ(clicked.count(), 1);
    Click(5, Qt::ShiftModifier); // the clicked row stays the anchor
    EXPECT_EQ(Selected(), (std::vector<int>{2, 3, 4, 5}));
}

TEST_F(TCDripperListTest, ColumnLineDragStopsAt30) {
    list.SetLayout(tListLayout::MainWindowLayout());
    ASSERT_EQ(list.ColumnWidth(), 529);
    QTest::mousePress(list.viewport(), Qt::LeftButton, {}, At(6, 531));
    EXPECT_TRUE(list.IsDraggingColumn());
    MoveTo(At(6, 300));
    EXPECT_EQ(list.ColumnWidth(), 300);
    MoveTo(At(6, 10));
    EXPECT_EQ(list.ColumnWidth(), 30);
    QTest::mouseRelease(list.viewport(), Qt::LeftButton, {}, At(6, 10));
    EXPECT_FALSE(list.IsDraggingColumn());
    MoveTo(At(6, 200));
    EXPECT_EQ(list.ColumnWidth(), 30);

    QTest::mousePress(list.viewport(), Qt::LeftButton, {}, At(6, 40)); // 10 pixels off the line
    EXPECT_FALSE(list.IsDraggingColumn());
    QTest::mouseRelease(list.viewport(), Qt::LeftButton, {}, At(6, 40));
    list.SetColumnWidth(-5); // a broken setting cannot hide the description column
    EXPECT_EQ(list.ColumnWidth(), 30);
}

TEST_F(TCDripperListTest, CommandsFromTheWindowsActions) {
    std::map<std::string, QAction*> actions;
    for (const char* name : {"acSelAll", "acMarkAll", "acUnmarkAll", "acMarkSel", "acDeselAll"})
        actions[name] = new QAction(name, &list);
    list.ConnectCommands([&actions](const char* name) { return actions.at(name); });

    Click(2);
    Click(5, Qt::ControlModifier);
    actions["acMarkSel"]->trigger();
    EXPECT_EQ(list.MarkedSounds(), (QList<TSoundRef>{list.SoundRef(2), list.SoundRef(5)}));
    actions["acSelAll"]->trigger();
    EXPECT_EQ(Selected().size(), size_t(RowCount));
    actions["acMarkAll"]->trigger();
    EXPECT_EQ(list.MarkedSounds().size(), RowCount);
    actions["acDeselAll"]->trigger();
    EXPECT_TRUE(Selected().empty());
    EXPECT_FALSE(list.IsExpanded(2));
    EXPECT_EQ(list.AnchorIndex(), -1);
    actions["acUnmarkAll"]->trigger();
    EXPECT_TRUE(list.MarkedSounds().isEmpty());
}

TEST_F(TCDripperListTest, ShortcutsReachTheCommands) {
    QWidget window;
    list.setParent(&window);
    auto* selectAll = new QAction("Select all", &window);
    selectAll->setShortcut(QKeySequence("Ctrl+A"));
    auto* markAll = new QAction("Mark all", &window);
    markAll->setShortcut(QKeySequence("Alt+A"));
    window.addActions({selectAll, markAll});
    list.ConnectCommands([&](const char* name) -> QAction* {
        return QString(name) == "acSelAll" ? selectAll : QString(name) == "acMarkAll" ? markAll : nullptr;
    });
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    list.setFocus();
    QTest::keyClick(&list, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(Selected().size(), size_t(RowCount));
    QTest::keyClick(&list, Qt::Key_A, Qt::AltModifier);
    EXPECT_EQ(list.MarkedSounds().size(), RowCount);
    list.setParent(nullptr);
}

TEST_F(TCDripperListTest, DisabledItemsIgnoreTheMouse) {
    Click(2);
    list.ClearSelection();
    list.SetItemsEnabled(false);
    Click(4);
    Click(4, {}, 10);
    EXPECT_TRUE(Selected().empty());
    EXPECT_FALSE(list.IsChecked(4));
    list.SetItemsEnabled(true);
    Click(4);
    EXPECT_EQ(Selected(), (std::vector<int>{4}));
}

TEST_F(TCDripperListTest, DoubleClickReportsTheSound) {
    QSignalSpy doubleClicked(&list, &TsdxList::ItemDblClick);
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, At(6));
    ASSERT_EQ(doubleClicked.count(), 1);
    EXPECT_EQ(doubleClicked.at(0).at(0).value<tsound*>(), list.Sound(6));
}

TEST_F(TCDripperListTest, DragOutListsSelectedPathsInListOrder) {
    QSignalSpy dragged(&list, &TsdxList::OnStartItemDrag);
    Click(4);
    Click(1, Qt::ControlModifier);
    QTest::mousePress(list.viewport(), Qt::LeftButton, Qt::ControlModifier, At(4));
    MoveTo(At(4) + QPoint(30, 0));
    EXPECT_EQ(dragged.count(), 0);
    MoveTo(At(4) + QPoint(41, 0));
    QTest::mouseRelease(list.viewport(), Qt::LeftButton, Qt::ControlModifier, At(4) + QPoint(41, 0));
    ASSERT_EQ(dragged.count(), 1);
    // The Ctrl+press took row 4 out of the selection, leaving row 1.
    EXPECT_EQ(dragged.at(0).at(0).toStringList(), QStringList{list.Sound(1)->path});
}

TEST_F(TCDripperListTest, WheelNotchScrolls12Pixels) {
    for (int i = 0; i < 40; ++i)
        sounds.Add(std::make_unique<tsound>());
    list.RefreshList();
    const QPointF at(100, 100);
    QWheelEvent down(at, list.viewport()->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton,
                     Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(list.viewport(), &down);
    EXPECT_EQ(list.verticalScrollBar()->value(), 12);
}

TEST_F(TCDripperListTest, ConvertingRowCyclesOnSuccessivePaints) {
    tsound* sound = list.Sound(0);
    sound->Status = ssConverting;
    sound->CopyCount = 0;
    TsdxListItem& item = list.Model()->Item(0);
    const quint8 before = item.DotCount;
    list.PaintAll();
    EXPECT_EQ(item.DotCount, (before + 1) % 5);
    list.PaintAll();
    EXPECT_EQ(item.DotCount, (before + 2) % 5);
}

TEST_F(TCDripperListTest, RippingRowNearTheBottomIsFollowed) {
    for (int i = 0; i < 40; ++i)
        sounds.Add(std::make_unique<tsound>());
    list.RefreshList();
    const int visible = list.viewport()->height();
    int row = 0;
    while (list.visualRect(list.Model()->index(row)).top() + 50 <= visible)
        ++row;
    list.Sound(row)->Status = ssRipping;
    list.WakePainter();
    const QRect rect = list.visualRect(list.Model()->index(row));
    EXPECT_LE(rect.bottom(), visible - 4);
    EXPECT_GT(list.verticalScrollBar()->value(), 0);
}

TEST_F(TCDripperListTest, KeysMoveTheSelectionAndScrollToIt) {
    for (int i = 0; i < 40; ++i)
        sounds.Add(std::make_unique<tsound>());
    list.RefreshList();
    list.setFocus();
    const int page = list.viewport()->height() / 32;
    const int last = list.Count() - 1;
    struct TStep {
        int key;
        Qt::KeyboardModifiers modifiers;
        std::vector<int> selected;
    };
    std::vector<int> lastRows;
    for (int row = last - 2; row <= last; ++row)
        lastRows.push_back(row);
    const TStep steps[] = {
        {Qt::Key_Down, {}, {0}},
        {Qt::Key_Down, {}, {1}},
        {Qt::Key_Down, Qt::ShiftModifier, {1, 2}},
        {Qt::Key_Down, Qt::ShiftModifier, {1, 2, 3}},
        {Qt::Key_Up, Qt::ShiftModifier, {1, 2}},
        {Qt::Key_Up, {}, {1}},
        {Qt::Key_PageDown, {}, {1 + page}},
        {Qt::Key_End, {}, {last}},
        {Qt::Key_Up, {}, {last - 1}},
        {Qt::Key_Up, {}, {last - 2}},
        {Qt::Key_End, Qt::ShiftModifier, lastRows},
        {Qt::Key_PageUp, {}, {last - page}}, // from the row moved to, not the anchor
        {Qt::Key_Home, {}, {0}},
        {Qt::Key_Up, {}, {0}},
        {Qt::Key_Space, {}, {0}}, // Space is the player's
    };
    for (const TStep& step : steps) {
        QTest::keyClick(&list, Qt::Key(step.key), step.modifiers);
        SCOPED_TRACE(QKeySequence(step.key | step.modifiers).toString().toStdString());
        EXPECT_EQ(Selected(), step.selected);
        const QRect shown = list.visualRect(list.Model()->index(step.selected.back()));
        EXPECT_TRUE(list.viewport()->rect().contains(shown));
    }
    EXPECT_FALSE(list.IsExpanded(0)); // moving through the list opens no row

    list.SetItemsEnabled(false); // during an import the rows ignore the keyboard too
    QTest::keyClick(&list, Qt::Key_Down);
    EXPECT_EQ(Selected(), std::vector<int>{0});
}

TEST_F(TCDripperListTest, ANarrowListMovesTheColumnLineSoTheDetailsShow) {
    list.SetLayout(tListLayout::MainWindowLayout());
    const int frame = list.width() - list.viewport()->width();
    struct TCase {
        int listWidth;
        int shown;
    };
    const TCase cases[] = {
        {529 + TsdxList::DetailsWidth + 100, 529},
        {529 + TsdxList::DetailsWidth, 529},
        {400, 400 - TsdxList::DetailsWidth},
        {TsdxList::DetailsWidth + 10, 30},
    };
    for (const TCase& c : cases) {
        list.resize(c.listWidth + frame, 400);
        EXPECT_EQ(list.ShownColumnWidth(), c.shown) << c.listWidth;
        EXPECT_EQ(list.ColumnWidth(), 529); // the user's width is kept for a wider list
    }
    list.resize(400 + frame, 400); // the line is dragged where it is drawn
    QTest::mousePress(list.viewport(), Qt::LeftButton, {}, At(2, 400 - TsdxList::DetailsWidth + 1));
    MoveTo(At(2, 120));
    QTest::mouseRelease(list.viewport(), Qt::LeftButton, {}, At(2, 120));
    EXPECT_EQ(list.ColumnWidth(), 120);
    EXPECT_EQ(list.ShownColumnWidth(), 120);
}
