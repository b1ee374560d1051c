#include "cdimport/TCDcontrol.h"
#include "cdimport/TFakeAudioOutput.h"
#include "cdimport/TFakeCdDrives.h"
#include "cdimport/TRecordingExit.h"
#include "common/TRecordingMessages.h"
#include "cdimport/WaitForRipEnd.h"
#include "common/TTestDir.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSemaphore>
#include <QThread>

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

TEST(TCDcontrolStart, WithoutSoundOutputTheProgramGoesOnAndPreviewsDoNotPlay) {
    TRecordingMessages messages;
    TRecordingExit exits;
    auto drives = std::make_unique<TFakeCdDrives>();
    drives->Drives = {{"/dev/sr0", "ACME", "CDR-1"}};
    drives->TrackBytes = {176400};
    auto outputOwned = std::make_unique<TFakeAudioOutput>(false);
    TFakeAudioOutput* output = outputOwned.get();
    TCDcontrol cd(std::move(drives), std::move(outputOwned));

    EXPECT_EQ(cd.OutputResult().ErrorText(), "Can't initialize device");
    EXPECT_TRUE(messages.Messages.isEmpty()); // the caller shows it, once
    EXPECT_TRUE(exits.ExitCodes.isEmpty());
    EXPECT_FALSE(cd.PlayTrack(0));
    EXPECT_FALSE(cd.IsPreviewPlaying());
    EXPECT_EQ(output->PlayersCreated, 0);

    output->CanOpen = true; // a sound server started later
    EXPECT_TRUE(cd.PlayTrack(0));
    EXPECT_TRUE(cd.OutputResult());
    EXPECT_TRUE(cd.IsPreviewPlaying());
}

TEST_F(TCDcontrolTest, NoDriveListsNoneAndGoesOn) {
    drives->Drives.clear();
    QStringList lines;
    EXPECT_EQ(cd->ListDrives(lines), 0);
    EXPECT_TRUE(lines.isEmpty());
    EXPECT_TRUE(messages.Messages.isEmpty());
    EXPECT_TRUE(exits.ExitCodes.isEmpty());
}

TEST_F(TCDcontrolTest, DrivePluggedInLaterIsFoundOnAWorkerThread) {
    drives->Drives.clear();
    drives->Attached = {{"/dev/sr1", "USB", "Slim"}};
    QSemaphore gate;
    drives->Gate = &gate;
    QObject window;
    auto gone = std::make_unique<QObject>();
    QList<QStringList> answers;
    bool goneAnswered = false;

    cd->ListDrivesInBackground(&window, [&](const QStringList& lines) { answers.append(lines); });
    cd->ListDrivesInBackground(gone.get(), [&](const QStringList&) { goneAnswered = true; });
    cd->ListDrivesInBackground(&window, [&](const QStringList& lines) { answers.append(lines); });
    gone.reset();
    QCoreApplication::processEvents();
    EXPECT_TRUE(answers.isEmpty()); // the caller did not wait for the drive
    gate.release();
    QElapsedTimer clock;
    clock.start();
    while (answers.size() < 2 && clock.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);

    const QStringList expected{"/dev/sr1: USB - Slim"};
    EXPECT_EQ(answers, QList<QStringList>({expected, expected})); // one listing answers both
    EXPECT_FALSE(goneAnswered);
    EXPECT_NE(drives->FoundOn, QThread::currentThread());
    EXPECT_EQ(cd->ListDrives(), expected);
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
