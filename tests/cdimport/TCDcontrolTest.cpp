#include "cdimport/TCDcontrol.h"
#include "cdimport/TFakeAudioOutput.h"
#include "cdimport/TFakeCdDrives.h"
#include "cdimport/TRecordingExit.h"
#include "common/TRecordingMessages.h"
#include "cdimport/WaitForRipEnd.h"
#include "common/TTestDir.h"

#include <gtest/gtest.h>

namespace {
class TCDcontrolTest : public ::testing::Test {
protected:
    TCDcontrolTest() {
        auto drivesOwned = std::make_unique<TFakeCdDrives>();
        auto outputOwned = std::make_unique<TFakeAudioOutput>();
        drives = drivesOwned.get();
        output = outputOwned.get();
        drives->Drives = {{"/dev/sr0", "ACME", "CDR-1"}};
        cd = std::make_unique<TCDcontrol>(std::move(drivesOwned), std::move(outputOwned));
    }

    TRecordingMessages messages;
    TRecordingExit exits;
    TFakeCdDrives* drives;
    TFakeAudioOutput* output;
    std::unique_ptr<TCDcontrol> cd;
};
} // namespace

TEST(TCDcontrolStart, OutputThatCannotOpenEndsTheProgram) {
    TRecordingMessages messages;
    TRecordingExit exits;
    TCDcontrol cd(std::make_unique<TFakeCdDrives>(), std::make_unique<TFakeAudioOutput>(false));
    EXPECT_EQ(messages.Messages, QStringList{"Can't initialize device"});
    EXPECT_EQ(exits.ExitCodes.size(), 1);
}

TEST_F(TCDcontrolTest, NoDriveEndsTheProgram) {
    drives->Drives.clear();
    QStringList lines;
    EXPECT_EQ(cd->ListDrives(lines), 0);
    EXPECT_EQ(messages.Messages, QStringList{"No CD drives found"});
    EXPECT_EQ(exits.ExitCodes.size(), 1);
}

TEST_F(TCDcontrolTest, ListsDrivesUpToTheFirstGapAndSelectsDriveZero) {
    drives->Drives.append({"Birds.cue", "Disc image", "Birds"});
    cd->SelectDrive(1);
    QStringList lines{"kept"};
    EXPECT_EQ(cd->ListDrives(lines), 2);
    EXPECT_EQ(lines, (QStringList{"kept", "/dev/sr0: ACME - CDR-1", "Birds.cue: Disc image - Birds"}));
    EXPECT_EQ(drives->InfoAsked, (QList<int>{0, 1, 2}));
    EXPECT_EQ(cd->SelectedDrive(), 0);
    EXPECT_TRUE(exits.ExitCodes.isEmpty());
}

TEST_F(TCDcontrolTest, AsksTenDrivesAtMost) {
    for (int i = 1; i < 12; ++i)
        drives->Drives.append({QString("d%1").arg(i), "V", "P"});
    EXPECT_EQ(cd->ListDrives().size(), 10);
    EXPECT_EQ(drives->InfoAsked.last(), 9);
}

TEST_F(TCDcontrolTest, TrackNamesAndLengthsWithADataTrack) {
    drives->TrackBytes = QList<qint64>(12, 10584000);
    drives->TrackBytes[1] = 10583999;
    drives->TrackBytes.append(-1);
    QStringList names;
    TTrackLengthArray lengths;
    cd->ReadTrackList(names, lengths);

    ASSERT_EQ(names.size(), 13);
    EXPECT_EQ(names.first(), "Track 01");
    EXPECT_EQ(names[11], "Track 12");
    EXPECT_EQ(names[12], "Track 13 (data)");
    EXPECT_EQ(lengths[0], 60);
    EXPECT_EQ(lengths[1], 59);
    EXPECT_EQ(lengths[12], -1);
}

TEST_F(TCDcontrolTest, EmptyDriveGivesNothing) {
    QStringList names;
    TTrackLengthArray lengths;
    cd->ReadTrackList(names, lengths);
    EXPECT_EQ(cd->GetTrackCount(), -1);
    EXPECT_TRUE(names.isEmpty());
    EXPECT_TRUE(lengths.isEmpty());
    EXPECT_EQ(cd->GetDiscId(), "");
}

TEST_F(TCDcontrolTest, DoorAndDiscIdComeFromTheSelectedDrive) {
    drives->DoorOpen = true;
    drives->DiscId = "0e000f03 3 150 525 1051 17";
    EXPECT_TRUE(cd->IsDoorOpen());
    EXPECT_EQ(cd->GetDiscId(), "0e000f03 3 150 525 1051 17");
}

TEST_F(TCDcontrolTest, PreviewPlaysStopsAndToggles) {
    drives->TrackBytes = {176400, 352800};
    cd->PlayTrack(1);
    ASSERT_TRUE(output->LastPlayer);
    EXPECT_TRUE(cd->IsPreviewPlaying());
    EXPECT_EQ(output->LastPlayer->Length(), 352800);

    cd->StopPreview();
    EXPECT_FALSE(cd->IsPreviewPlaying());
    cd->TogglePreview(); // plays the last track again, from a new stream
    EXPECT_EQ(output->PlayersCreated, 2);
    EXPECT_EQ(output->LastPlayer->Length(), 352800);
    EXPECT_TRUE(cd->IsPreviewPlaying());
    cd->TogglePreview();
    EXPECT_FALSE(cd->IsPreviewPlaying());
}

TEST_F(TCDcontrolTest, SeekVolumeAndPercent) {
    drives->TrackBytes = {1000};
    EXPECT_EQ(cd->PreviewPercent(), 100); // no stream yet
    cd->PlayTrack(0);
    cd->SeekPreview(25);
    EXPECT_EQ(cd->PreviewPercent(), 25);
    cd->SetPreviewVolume(0.343f);
    EXPECT_FLOAT_EQ(output->LastPlayer->Volume, 0.343f);

    cd->StopPreview();
    cd->SeekPreview(50); // only a playing preview moves
    EXPECT_EQ(cd->PreviewPercent(), 25);

    cd->TogglePreview(); // a new stream keeps the volume
    EXPECT_EQ(output->PlayersCreated, 2);
    EXPECT_FLOAT_EQ(output->LastPlayer->Volume, 0.343f);
}

TEST_F(TCDcontrolTest, PreviewCallsDuringARipChangeNothing) {
    TTestDir dir;
    drives->TrackBytes = {176400 * 60, 176400};
    cd->PlayTrack(1);
    ASSERT_TRUE(cd->RipTrack(dir.File("rip.wav"), 0));
    ASSERT_TRUE(cd->Ripping()); // the end of the rip waits for the event loop

    cd->StopPreview();
    cd->TogglePreview();
    cd->PlayTrack(0);
    cd->SeekPreview(50);
    cd->SetPreviewVolume(0.5f);
    EXPECT_EQ(output->PlayersCreated, 1);
    EXPECT_TRUE(output->LastPlayer->Playing);
    EXPECT_EQ(output->LastPlayer->Length(), 176400);
    EXPECT_EQ(output->LastPlayer->Position(), 0);
    EXPECT_FLOAT_EQ(output->LastPlayer->Volume, 1.0f);

    ASSERT_TRUE(WaitForRipEnd(*cd));
    cd->StopPreview();
    EXPECT_FALSE(cd->IsPreviewPlaying());
}
