#include "ui/TsdxListModel.h"

#include "app/TSoundList.h"
#include "app/tsound.h"

#include <gtest/gtest.h>

namespace {
void AddSounds(TSoundList& sounds, int count) {
    for (int i = 0; i < count; ++i) {
        auto sound = std::make_unique<tsound>();
        sound->Description = QString::number(i);
        sounds.Add(std::move(sound));
    }
}
} // namespace

TEST(TsdxListModel, ShowsAtMost100000Rows) {
    TSoundList sounds;
    AddSounds(sounds, 150000);
    TsdxListModel model;
    model.Rebuild(&sounds);
    EXPECT_EQ(model.rowCount(), 100000);
    EXPECT_EQ(model.Sound(99999), sounds.Items(99999));
    model.Rebuild(nullptr);
    EXPECT_EQ(model.rowCount(), 0);
}

TEST(TsdxListModel, MarksAreRowStateAndStartCleared) {
    TSoundList sounds;
    AddSounds(sounds, 5);
    TsdxListModel model;
    model.Rebuild(&sounds);
    model.SetChecked(3, true);
    model.setData(model.index(1), Qt::Checked, Qt::CheckStateRole);
    EXPECT_EQ(model.CheckedSounds(), (QList<TSoundRef>{sounds.Ref(1), sounds.Ref(3)}));
    EXPECT_EQ(model.data(model.index(3), Qt::CheckStateRole).toInt(), int(Qt::Checked));
    model.SetAllChecked(true);
    EXPECT_EQ(model.CheckedSounds().size(), 5);
    model.Rebuild(&sounds);
    EXPECT_TRUE(model.CheckedSounds().isEmpty());
}

TEST(TsdxListModel, ExpandedRowsStaySorted) {
    TSoundList sounds;
    AddSounds(sounds, 10);
    TsdxListModel model;
    model.Rebuild(&sounds);
    model.SetExpanded(7, true);
    model.SetExpanded(2, true);
    model.SetExpanded(2, true);
    EXPECT_EQ(model.ExpandedRows(), (std::vector<int>{2, 7}));
    model.SetExpanded(7, false);
    EXPECT_TRUE(model.IsExpanded(2));
    EXPECT_FALSE(model.IsExpanded(7));
    model.CollapseAll();
    EXPECT_TRUE(model.ExpandedRows().empty());
}

TEST(TsdxListModel, RepaintsOnlyRowsWhoseJobDisplayMoves) {
    TSoundList sounds;
    AddSounds(sounds, 6);
    sounds.Items(1)->Status = ssRipping;
    sounds.Items(1)->CopyCount = 10;
    sounds.Items(2)->Status = ssConverting; // no percentage: animates
    sounds.Items(3)->Status = ssWaiting;
    TsdxListModel model;
    model.Rebuild(&sounds);
    EXPECT_EQ(model.TakeRowsToRepaint(), (std::vector<int>{2}));

    sounds.Items(1)->CopyCount = 11; // percentage moves
    sounds.Items(3)->Status = ssRipping; // state changes
    sounds.Items(5)->Status = ssDone;
    EXPECT_EQ(model.TakeRowsToRepaint(), (std::vector<int>{1, 2, 3, 5}));
    EXPECT_EQ(model.TakeRowsToRepaint(), (std::vector<int>{2}));
}
