#include "cdimport/TMemoryPcmSource.h"
#include "cdimport/TQtAudioPlayer.h"

#include <gtest/gtest.h>

// Without playing (no sound device is needed), the player reports the source's position and
// length, and moves the source when told to.
TEST(TQtAudioPlayer, StoppedPlayerFollowsItsSource) {
    TQtAudioPlayer player(QAudioDevice(), std::make_unique<TMemoryPcmSource>(QByteArray(176400, '\0')));
    EXPECT_FALSE(player.IsPlaying());
    EXPECT_EQ(player.Length(), 176400);
    EXPECT_EQ(player.Position(), 0);

    player.SetPosition(88200);
    EXPECT_FALSE(player.IsPlaying());
    EXPECT_EQ(player.Position(), 88200);
    EXPECT_DOUBLE_EQ(player.Format().BytesToSeconds(88200), 0.5);
}
