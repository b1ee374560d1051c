// The arithmetic behind the program's own controls: suggestions, slider, drag arming and the
// sizing zones of borderless windows.
#include "ui/LongSuggestions.h"
#include "ui/TBorderSizing.h"
#include "ui/TDragArming.h"
#include "ui/TSliderTrack.h"

#include <gtest/gtest.h>

TEST(LongSuggestions, CompleteTheWholeTextFromThreeCharactersOnIgnoringCase) {
    const QStringList history{"", "Big Bangs", "Big Bangs 2", "Birds", "bigger guns"};
    const struct {
        const char* typed;
        TSuggestionBoxChange change;
        QStringList items;
    } cases[] = {
        {"", TSuggestionBoxChange::Hide, {}},
        {"bi", TSuggestionBoxChange::Hide, {}},
        {"big", TSuggestionBoxChange::Show, {"Big Bangs", "Big Bangs 2", "bigger guns"}},
        {"BIG BANGS", TSuggestionBoxChange::Show, {"Big Bangs", "Big Bangs 2"}},
        {"Big Bangs 2", TSuggestionBoxChange::Show, {"Big Bangs 2"}},
        {"Big Bangs 23", TSuggestionBoxChange::Hide, {}},
        {"ang", TSuggestionBoxChange::Hide, {}}, // a prefix, never a part in the middle
        {"bir", TSuggestionBoxChange::Show, {"Birds"}},
    };
    for (const auto& c : cases) {
        const TSuggestions suggestions = LongSuggestions(history, c.typed);
        EXPECT_EQ(suggestions.Change, c.change) << c.typed;
        EXPECT_EQ(suggestions.Items, c.items) << c.typed;
    }
}

TEST(LongSuggestions, AnEmptyHistoryLeavesTheBoxAsItIsOnceEnoughIsTyped) {
    EXPECT_EQ(LongSuggestions({}, "bi").Change, TSuggestionBoxChange::Hide);
    const TSuggestions suggestions = LongSuggestions({}, "big");
    EXPECT_EQ(suggestions.Change, TSuggestionBoxChange::KeepAsIs);
    EXPECT_TRUE(suggestions.Items.isEmpty());
}

TEST(TSliderTrack, DraggingFollowsThePointerUpToHalfAKnobBeforeTheEnd) {
    const TSliderTrack track(150, 10); // the far end is reached at x 145
    const struct {
        int x, position, knobLeft;
    } cases[] = {
        {-20, 0, 0},   {0, 0, 0},      {5, 3, 0},       {29, 20, 24},    {72, 50, 67},
        {100, 69, 95}, {144, 99, 139}, {145, 100, 140}, {400, 100, 140},
    };
    for (const auto& c : cases) {
        const TSliderTrack::TDragPoint point = track.DragAt(c.x);
        EXPECT_EQ(point.Position, c.position) << c.x;
        EXPECT_EQ(point.KnobLeft, c.knobLeft) << c.x;
    }
}

TEST(TSliderTrack, ProgramPositionsAreLimitedAndRoundHalvesToEven) {
    const TSliderTrack track(150, 10); // the knob travels 140 pixels
    EXPECT_EQ(track.KnobLeftFor(0), 0);
    EXPECT_EQ(track.KnobLeftFor(70), 98);
    EXPECT_EQ(track.KnobLeftFor(100), 140);
    EXPECT_EQ(track.KnobLeftFor(250), 140);
    EXPECT_EQ(track.KnobLeftFor(-5), 0);
    // 25 % of 10 pixels is 2.5, 35 % is 3.5: halves go to the even neighbour.
    EXPECT_EQ(TSliderTrack(20, 10).KnobLeftFor(25), 2);
    EXPECT_EQ(TSliderTrack(20, 10).KnobLeftFor(35), 4);
}

TEST(TDragArming, BeginsOnceBeyondTwentyPixelsInEitherDirection) {
    const struct {
        QPoint to;
        bool begins;
    } cases[] = {
        {{120, 100}, false}, {{121, 100}, true}, {{79, 100}, true}, {{100, 120}, false},
        {{100, 121}, true},  {{80, 80}, false},  {{115, 79}, true},
    };
    for (const auto& c : cases) {
        TDragArming arming;
        arming.Arm(QPoint(100, 100));
        EXPECT_EQ(arming.BeginsDragAt(c.to), c.begins) << c.to.x() << "," << c.to.y();
        EXPECT_EQ(arming.Armed(), !c.begins) << "a drag begins only once";
    }
    TDragArming unarmed;
    EXPECT_FALSE(unarmed.BeginsDragAt(QPoint(500, 500)));
}

TEST(TBorderSizing, ZonesAreFivePixelsAlongEachEdgeWithTheirCursors) {
    const QSize size(300, 200);
    const struct {
        QPoint at;
        Qt::Edges edges;
        Qt::CursorShape cursor;
    } cases[] = {
        {{150, 100}, {}, Qt::ArrowCursor},
        {{5, 5}, {}, Qt::ArrowCursor},
        {{4, 100}, Qt::LeftEdge, Qt::SizeHorCursor},
        {{295, 100}, Qt::RightEdge, Qt::SizeHorCursor},
        {{294, 100}, {}, Qt::ArrowCursor},
        {{150, 0}, Qt::TopEdge, Qt::SizeVerCursor},
        {{150, 199}, Qt::BottomEdge, Qt::SizeVerCursor},
        {{0, 0}, Qt::LeftEdge | Qt::TopEdge, Qt::SizeFDiagCursor},
        {{299, 199}, Qt::RightEdge | Qt::BottomEdge, Qt::SizeFDiagCursor},
        {{299, 0}, Qt::RightEdge | Qt::TopEdge, Qt::SizeBDiagCursor},
        {{0, 199}, Qt::LeftEdge | Qt::BottomEdge, Qt::SizeBDiagCursor},
    };
    for (const auto& c : cases) {
        const Qt::Edges edges = TBorderSizing::EdgesAt(c.at, size);
        EXPECT_EQ(edges, c.edges) << c.at.x() << "," << c.at.y();
        EXPECT_EQ(TBorderSizing::CursorFor(edges), c.cursor) << c.at.x() << "," << c.at.y();
    }
}

TEST(TBorderSizing, EdgesFollowThePointerAndTheOppositeEdgeStandsStill) {
    const QRect start(100, 50, 300, 200);
    const QSize minimum(120, 80);
    const struct {
        Qt::Edges edges;
        QPoint travel;
        QRect result;
    } cases[] = {
        {Qt::BottomEdge, {7, 30}, QRect(100, 50, 300, 230)},
        {Qt::RightEdge, {-40, 9}, QRect(100, 50, 260, 200)},
        {Qt::RightEdge | Qt::BottomEdge, {20, 10}, QRect(100, 50, 320, 210)},
        {Qt::BottomEdge, {0, -500}, QRect(100, 50, 300, 80)}, // never below the minimum
        {Qt::TopEdge, {0, -30}, QRect(100, 20, 300, 230)},
        {Qt::TopEdge, {0, 110}, QRect(100, 160, 300, 90)},
        {Qt::TopEdge, {0, 130}, start}, // would go below the minimum: the top stays
        {Qt::LeftEdge, {50, 0}, QRect(150, 50, 250, 200)},
        {Qt::LeftEdge, {190, 0}, start},
        {Qt::LeftEdge | Qt::TopEdge, {-10, -20}, QRect(90, 30, 310, 220)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TBorderSizing::Resized(start, c.edges, c.travel, minimum), c.result)
            << int(c.edges) << " " << c.travel.x() << "," << c.travel.y();
}
