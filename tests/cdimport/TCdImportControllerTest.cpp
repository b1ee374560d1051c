// The import controller with fake drives, a fake ripper and fake stages, without widgets.
#include "app/tsound.h"
#include "cdimport/TCDcontrol.h"
#include "cdimport/TCdImportController.h"
#include "cdimport/TFakeAudioOutput.h"
#include "cdimport/TFakeCdDrives.h"
#include "cdimport/TFakeConversionStage.h"
#include "cdimport/TFakeDiscLookups.h"
#include "cdimport/TFakeImportPanel.h"
#include "cdimport/TFakeRipper.h"
#include "cdimport/TJobHandler.h"
#include "common/QtPrinters.h"
#include "common/TRecordingMessages.h"
#include "common/TTestDir.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QThread>

#include <gtest/gtest.h>

namespace {
const TOutputFormat cdWav{sfwav, 256, 16, 44100};
const TOutputFormat mp3At192{sfmp3, 192, 16, 44100};

TEST(ImportProgress, FollowsTheJobCounters) {
    struct TCase {
        int Jobs, RipsDone, ConvIndex, Percent;
        bool Converts;
        int Maximum, Position;
        QString Label;
    };
    const TCase cases[] = {
        {15, 0, 0, 0, false, 1500, 0, "Ripping: 1/15"},
        {15, 0, 0, 0, true, 3000, 0, "Ripping: 1/15"},         // -100 clamps to 0
        {15, 1, 0, 40, false, 1500, 140, "Ripping: 2/15"},     // second track at 40 %
        {15, 15, 13, 0, true, 3000, 2700, "Ripping: 16/15"},   // the conversion tail
        {15, 15, 0, 100, false, 1500, 1500, "Ripping: 16/15"}, // beyond the maximum clamps
        {1, 1, 1, 0, true, 200, 100, "Ripping: 2/1"},
        {0, 0, 0, 0, false, 0, 0, "Ripping: 1/0"},
    };
    for (const TCase& c : cases) {
        const TImportProgress progress =
            TImportProgress::Compute(c.Jobs, c.RipsDone, c.ConvIndex, c.Percent, c.Converts);
        EXPECT_EQ(progress.Maximum, c.Maximum) << c.Label.toStdString();
        EXPECT_EQ(progress.Position, c.Position) << c.Label.toStdString();
        EXPECT_EQ(progress.Label, c.Label);
    }
}

class ImportController : public ::testing::Test {
protected:
    ImportController() {
        auto ownedDrives = std::make_unique<TFakeCdDrives>();
        drives = ownedDrives.get();
        drives->Drives = {{"/dev/sr0", "Fake", "Drive"}};
        drives->DiscId = "a20b1e0f";
        SetDisc(15);
        cd = std::make_unique<TCDcontrol>(std::move(ownedDrives), std::make_unique<TFakeAudioOutput>());
        auto resamplerStage = std::make_unique<TFakeConversionStage>();
        auto encoderStage = std::make_unique<TFakeConversionStage>();
        resampler = resamplerStage.get();
        encoder = encoderStage.get();
        jobs = std::make_unique<TJobHandler>(ripper, std::move(resamplerStage), std::move(encoderStage));
        controller = std::make_unique<TCdImportController>(sounds, *cd, *jobs, panel, lookups);
        panel.Request.OutputRoot = dir.Path();
        panel.Request.Format = cdWav;
        panel.Request.WriteID3 = true;
        panel.Request.Naming.Mask = "%Trc; - %FDes;";
    }
    ~ImportController() override {
        controller.reset();
        jobs.reset();
    }
    void SetDisc(int tracks) {
        drives->TrackBytes.clear();
        for (int i = 0; i < tracks; ++i)
            drives->TrackBytes.append(176400 * (i + 1));
    }
    // One tick of the drive timer, with its answer from the worker thread.
    void Tick() {
        controller->CdDriveTimerTimer();
        QElapsedTimer clock;
        clock.start();
        while (cd->ReadingDisc() && clock.elapsed() < 5000) {
            QCoreApplication::processEvents();
            QThread::msleep(1);
        }
        QCoreApplication::processEvents();
    }
    QStringList Descriptions() const {
        QStringList list;
        for (const tsound* sound : sounds)
            list.append(sound->Description);
        return list;
    }

    TTestDir dir;
    TRecordingMessages messages;
    TSoundList sounds;
    TFakeCdDrives* drives = nullptr;
    std::unique_ptr<TCDcontrol> cd;
    TFakeRipper ripper;
    TFakeConversionStage* resampler = nullptr;
    TFakeConversionStage* encoder = nullptr;
    std::unique_ptr<TJobHandler> jobs;
    TFakeImportPanel panel{sounds};
    TFakeDiscLookups lookups;
    std::unique_ptr<TCdImportController> controller;
};

TEST_F(ImportController, ANewDiscBecomesOneSoundPerTrackAndAnOpenDoorEmptiesTheListOnce) {
    drives->TrackBytes = {176400 * 3, -1};
    Tick();
    ASSERT_EQ(sounds.Count(), 2);
    EXPECT_EQ(Descriptions(), QStringList({"Track 01", "Track 02 (data)"}));
    EXPECT_EQ(sounds.Items(0)->LengthSek, 3);
    EXPECT_EQ(sounds.Items(1)->LengthSek, -1);
    EXPECT_EQ(sounds.Items(0)->ID3.Track, "01");
    EXPECT_EQ(sounds.Items(1)->Status, ssCdTrack);
    EXPECT_EQ(controller->DiscId(), "a20b1e0f");
    EXPECT_TRUE(panel.RipButtonsShown);
    EXPECT_EQ(lookups.Calls.value(0), "ResetSelection");

    Tick(); // the same disc is not read again
    EXPECT_EQ(panel.Listed, 1);

    drives->DoorOpen = true;
    Tick();
    Tick();
    EXPECT_EQ(sounds.Count(), 0);
    EXPECT_EQ(panel.Cleared, 1);
    EXPECT_FALSE(panel.RipButtonsShown);

    drives->DoorOpen = false;
    SetDisc(4);
    Tick();
    EXPECT_EQ(sounds.Count(), 4);
    EXPECT_EQ(panel.Listed, 2);
}

TEST_F(ImportController, AnEmptyDriveIsReadAgainAtEveryTickAndNoTickRunsWhenNotAllowed) {
    drives->TrackBytes.clear();
    Tick();
    Tick();
    EXPECT_EQ(panel.Listed, 2);
    EXPECT_FALSE(panel.RipButtonsShown);
    panel.Allowed = false;
    SetDisc(3);
    Tick();
    EXPECT_EQ(sounds.Count(), 0);
}

TEST_F(ImportController, CdTextGivesTheDescriptionsWithoutReorderingTheTracks) {
    SetDisc(3);
    drives->Text.Album = "Storms";
    drives->Text.Performer = "Field Recordists";
    drives->Text.TrackTitles = {"Zephyr", "", "Anvil"};
    Tick();
    EXPECT_EQ(Descriptions(), QStringList({"Zephyr", "Track 02", "Anvil"}));
    EXPECT_EQ(panel.TakenText.Album, "Storms");
    panel.Marked = {0, 2};
    ASSERT_TRUE(controller->acRipSelectedExecute());
    ASSERT_EQ(ripper.RippedFiles.size(), 2);
    EXPECT_TRUE(ripper.RippedFiles[0].endsWith("01 - Zephyr.wav.part")) << "ripped beside its final name";
    EXPECT_TRUE(ripper.RippedFiles[1].endsWith("03 - Anvil.wav.part"));
}

TEST_F(ImportController, NewDiscLookupsFollowTheTabAndTheOptions) {
    struct TCase {
        TLookupOptions Options;
        int KnownDbId;
        QStringList Calls;
    };
    const TCase cases[] = {
        {{true, true, true, true}, -1, {"FreeDb music"}},
        {{true, false, true, true}, -1, {}},
        {{false, false, true, true}, 7, {"FindDbIdForDisc a20b1e0f", "Fill 7"}},
        {{false, false, true, true}, -1, {"FindDbIdForDisc a20b1e0f", "FreeDb sfx"}},
        {{false, false, true, false}, 7, {"FreeDb sfx"}},
        {{false, false, false, false}, 7, {}},
    };
    for (const TCase& c : cases) {
        panel.Lookups = c.Options;
        lookups.KnownDbId = c.KnownDbId;
        lookups.Calls.clear();
        controller->ReadDiscNow();
        Tick();
        lookups.Calls.removeAll("ResetSelection");
        EXPECT_EQ(lookups.Calls, c.Calls);
    }
}

TEST_F(ImportController, RipDiscQueuesEveryTrackInListOrder) {
    Tick();
    ASSERT_TRUE(controller->acRipDiscExecute());
    ASSERT_EQ(ripper.RippedFiles.size(), 15);
    for (int i = 0; i < 15; ++i)
        EXPECT_EQ(QFileInfo(ripper.RippedFiles[i]).fileName(),
                  QString::asprintf("%.2d - Track %.2d.wav.part", i + 1, i + 1));
    ASSERT_FALSE(panel.Shown.isEmpty());
    EXPECT_EQ(panel.Shown.first().Maximum, 1500);
    EXPECT_EQ(panel.Started, 1);
    EXPECT_GE(panel.Ended, 1);
    EXPECT_FALSE(controller->Running());
    EXPECT_EQ(panel.Remembered, QStringList({"sfx"}));
    EXPECT_TRUE(jobs->Tagger().WriteID3);
    EXPECT_TRUE(messages.Messages.isEmpty()) << messages.Messages.join("|").toStdString();
}

TEST_F(ImportController, AnMp3ImportHasTwoHundredStepsPerTrack) {
    Tick();
    panel.Request.Format = mp3At192;
    ripper.EndsLater = true;
    ASSERT_TRUE(controller->acRipDiscExecute());
    EXPECT_EQ(controller->Progress().Maximum, 3000);
    controller->btnCancelClick();
    ripper.EndRip();
}

TEST_F(ImportController, RefusedStartsSayWhyAndStartNothing) {
    Tick();
    struct TCase {
        QString Root;
        QString Message;
    };
    const QString blocker = dir.Write("Blocked", "a file where the series folder would go");
    const QString missing = dir.File("gone");
    const TCase cases[] = {
        {"", "No output folder"},
        {missing, "Invalid output folder\n" + missing},
        {dir.Path(), "Invalid output folder\n" + dir.Path()}, // its series folder is a file
    };
    panel.Marked = {};
    EXPECT_FALSE(controller->acRipSelectedExecute());
    EXPECT_EQ(messages.Messages.value(0),
              "No sounds marked for ripping\nClick the circle next to the sounds or click Rip Disc");
    panel.Marked = {0};
    panel.Request.Naming.AutoFolder = true;
    for (tsound* sound : sounds)
        sound->ID3.Artist = "Blocked";
    for (const TCase& c : cases) {
        messages.Messages.clear();
        panel.Request.OutputRoot = c.Root;
        EXPECT_FALSE(controller->acRipSelectedExecute());
        EXPECT_EQ(messages.Messages, QStringList({c.Message}));
    }
    EXPECT_TRUE(ripper.RippedFiles.isEmpty());
    EXPECT_EQ(panel.Started, 0);
}

TEST_F(ImportController, ExistingFilesAreOverwrittenOnlyWhenTheUserSaysSo) {
    Tick();
    dir.Write("01 - Track 01.wav", "older take");
    dir.Write("02 - Track 02.wav", "older take");
    panel.Marked = {0, 1, 2};
    messages.Answer = false;
    EXPECT_FALSE(controller->acRipSelectedExecute());
    EXPECT_EQ(messages.Questions,
              QStringList({"2 files already exist in the output folder. Overwrite them?"}));
    EXPECT_TRUE(ripper.RippedFiles.isEmpty());
    EXPECT_EQ(dir.Read("01 - Track 01.wav"), "older take");

    messages.Answer = true;
    EXPECT_TRUE(controller->acRipSelectedExecute());
    EXPECT_EQ(ripper.RippedFiles.size(), 3);
    EXPECT_NE(dir.Read("01 - Track 01.wav"), "older take");
}

TEST_F(ImportController, ASecondStartWhileWorkRunsIsRefused) {
    Tick();
    ripper.EndsLater = true;
    panel.Marked = {0, 1};
    ASSERT_TRUE(controller->acRipSelectedExecute());
    EXPECT_TRUE(controller->Running());
    EXPECT_FALSE(controller->acRipSelectedExecute());
    EXPECT_FALSE(controller->acRipDiscExecute());
    EXPECT_EQ(ripper.RippedFiles.size(), 1);
    ripper.EndRip();
    ripper.EndRip();
    EXPECT_FALSE(controller->Running());
    EXPECT_EQ(ripper.RippedFiles.size(), 2);
}

TEST_F(ImportController, ACancelLeavesNoCutTrackUnderItsFinalName) {
    Tick();
    ripper.EndsLater = true;
    panel.Marked = {0, 1};
    ASSERT_TRUE(controller->acRipSelectedExecute());
    const QString cut = ripper.RippedFiles.value(0);
    ASSERT_TRUE(QFileInfo::exists(cut));
    controller->btnCancelClick();
    EXPECT_EQ(ripper.Cancels, 1);
    EXPECT_TRUE(controller->Running()); // until the stopped rip has closed its file
    ripper.EndRip();
    EXPECT_FALSE(controller->Running());
    EXPECT_FALSE(QFileInfo::exists(cut));
    EXPECT_EQ(ripper.RippedFiles.size(), 1);
    EXPECT_GE(panel.Ended, 1);
}

TEST_F(ImportController, TheProgressLineFollowsEachRipAtOnce) {
    Tick();
    ripper.EndsLater = true;
    panel.Marked = {0, 1, 2};
    ASSERT_TRUE(controller->acRipSelectedExecute());
    ripper.EndRip();
    ASSERT_FALSE(panel.Shown.isEmpty());
    EXPECT_EQ(panel.Shown.last().Label, "Ripping: 2/3") << "no wait for the paint timer";
    ripper.EndRip();
    EXPECT_EQ(panel.Shown.last().Label, "Ripping: 3/3");
    ripper.EndRip();
}

TEST_F(ImportController, ClosingWaitsForTheRunningConversionAndKeepsTheStoppedRipAsIncomplete) {
    Tick();
    panel.Request.Format = TOutputFormat{sfwav, 256, 24, 48000};
    ripper.EndsLater = true;
    panel.Marked = {0, 1};
    ASSERT_TRUE(controller->acRipSelectedExecute());
    ripper.EndRip(); // track 1 ripped; its conversion runs while track 2 is ripped
    ASSERT_TRUE(resampler->Busy());
    const QString cut = ripper.RippedFiles.value(1);
    // The conversion and the stopped rip end while the close waits.
    QMetaObject::invokeMethod(qApp, [this] { resampler->Complete(); ripper.EndRip(); },
                              Qt::QueuedConnection);
    controller->StopForClose();
    EXPECT_FALSE(resampler->Busy());
    EXPECT_FALSE(controller->Running());
    EXPECT_FALSE(QFileInfo::exists(cut));
    EXPECT_FALSE(QFileInfo::exists(sounds.Items(1)->path)) << "a cut rip never under its final name";
    EXPECT_TRUE(QFileInfo::exists(QFileInfo(cut).path() + "/02 - Track 02 (incomplete).wav"));
    EXPECT_TRUE(QFileInfo::exists(sounds.Items(0)->path)) << "the finished conversion is in place";
    EXPECT_TRUE(messages.Messages.isEmpty()) << "no report box while the window closes";
}

TEST_F(ImportController, FailedTracksAreListedInOneMessageAtTheEnd) {
    Tick();
    ripper.BrokenTrack = 1;
    panel.Marked = {0, 1, 2};
    ASSERT_TRUE(controller->acRipSelectedExecute());
    ASSERT_EQ(messages.Messages.size(), 1);
    EXPECT_TRUE(messages.Messages[0].startsWith("These tracks were not imported:\n02 - Track 02.wav: "))
        << messages.Messages[0].toStdString();
    EXPECT_EQ(messages.Messages[0].count('\n'), 1);
    EXPECT_TRUE(messages.Messages[0].endsWith("(the ripped audio is kept as \"02 - Track 02 (incomplete).wav\")"))
        << messages.Messages[0].toStdString();
    EXPECT_FALSE(QFileInfo::exists(sounds.Items(1)->path));
}

TEST_F(ImportController, TheDiscIsReportedToTheDatabaseOnlyFromTheSfxTabWhenAsked) {
    Tick();
    sounds.Items(3)->Description = "Thunder";
    panel.Request.Publisher = "Pub";
    panel.Request.Series = "Ser";
    panel.Request.CD = "Vol 1";
    struct TCase {
        bool Music, Post;
        int Chosen;
        QStringList Calls;
    };
    const TCase cases[] = {
        {false, true, 12, {"LinkDisc 12 a20b1e0f"}},
        {false, true, -1, {"AddDisc Pub/Ser/Vol 1 a20b1e0f"}},
        {true, true, 12, {}},
        {false, false, 12, {}},
    };
    messages.Answer = true;
    for (const TCase& c : cases) {
        panel.Request.Music = c.Music;
        panel.Request.ReportToDatabase = c.Post;
        lookups.Chosen = c.Chosen;
        lookups.Calls.clear();
        panel.Marked = {0};
        ASSERT_TRUE(controller->acRipSelectedExecute());
        EXPECT_EQ(lookups.Calls, c.Calls);
    }
    // Every sound of the disc, marked or not.
    EXPECT_EQ(lookups.AddedDescriptions.size(), 15);
    EXPECT_EQ(lookups.AddedDescriptions.value(3), "Thunder");
}
} // namespace
