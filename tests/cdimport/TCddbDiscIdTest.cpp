#include "cdimport/TCddbDiscId.h"

#include <gtest/gtest.h>

TEST(TCddbDiscId, ThreeTracksGiveTheStandardText) {
    EXPECT_EQ(TCddbDiscId::Compute({150, 525, 1051}, 1276), "0e000f03 3 150 525 1051 17");
}

TEST(TCddbDiscId, OneMinuteSingleTrackIsZeroPadded) {
    EXPECT_EQ(TCddbDiscId::Compute({150}, 4650), "02003c01 1 150 62");
}

TEST(TCddbDiscId, NoTracksGiveNoId) { EXPECT_EQ(TCddbDiscId::Compute({}, 150), ""); }
