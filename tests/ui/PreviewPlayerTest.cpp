#include "app/TSoundList.h"
#include "app/tsound.h"
#include "cdimport/TFakeAudioOutput.h"
#include "cdimport/TMemoryPcmSource.h"
#include "common/TTestDir.h"
#include "ui/FormatPlayTime.h"
#include "ui/ICdPreview.h"
#include "ui/TPreviewPlayer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {
// A drive whose preview shows what it was asked to do.
struct TFakeCdPreview : ICdPreview {
    bool PlayTrack(int track) override {
        Tracks.append(track);
        Playing = CanPlay;
        return CanPlay;
    }
    void StopPreview() override { Playing = false; }
    void TogglePreview() override {
        ++Toggles;
        Playing = !Playing;
    }
    void SetPreviewVolume(float volume) override { Volume = volume; }
    void SeekPreview(int percent) override { Seeks.append(percent); }
    int PreviewPercent() const override { return Percent; }
    double PreviewSeconds() const override { return Seconds; }

    QList<int> Tracks;
    QList<int> Seeks;
    bool CanPlay = true;
    bool Playing = false;
    int Toggles = 0;
    float Volume = 1.0f;
    int Percent = 0;
    double Seconds = 0;
};

// No sound device: every player asked for is refused.
struct TNoAudioOutput : IAudioOutput {
    bool Init() override { return false; }
    std::unique_ptr<IAudioPlayer> CreatePlayer(std::unique_ptr<IPcmSource>) override { return nullptr; }
};

const qint64 oneSecond = 176400;

struct PreviewPlayer : ::testing::Test {
    TSoundList sounds;
    TFakeCdPreview cd;
    TFakeAudioOutput output;
    int repaints = 0;
    std::unique_ptr<TPreviewPlayer> player = MakePlayer(output);

    std::unique_ptr<TPreviewPlayer> MakePlayer(IAudioOutput& out) {
        auto made = std::make_unique<TPreviewPlayer>(sounds, cd, out, [](const QString& path) {
            return path.isEmpty() ? nullptr
                                  : std::make_unique<TMemoryPcmSource>(QByteArray(10 * oneSecond, '\0'));
        });
        made->RepaintList = [this] { ++repaints; };
        return made;
    }
    tsound* AddSound(TSoundStatus status, const QString& path = QString(), const QString& comment = QString()) {
        auto sound = std::make_unique<tsound>();
        sound->Status = status;
        sound->path = path;
        sound->Comment = comment;
        tsound* raw = sound.get();
        sounds.Add(std::move(sound));
        return raw;
    }
};
} // namespace

TEST(FormatPlayTime, TextsOfTheElapsedTime) {
    struct TCase {
        float seconds;
        const char* text;
    };
    const TCase cases[] = {
        {0.0f, "0 ms"},       {0.25f, "250 ms"},     {0.999f, "999 ms"},
        {59.7f, "00:59"},     {61.0f, "01:01"},      {1.0f, "00:01"},
        {600.0f, "10:00"},    {3599.9f, "59:59"},    {3600.0f, "01:00:00"},
        {3725.0f, "01:02:05"}, {-1.0f, "0 ms"},      {std::numeric_limits<float>::quiet_NaN(), "0 ms"},
        {std::numeric_limits<float>::infinity(), "0 ms"},
    };
    for (const TCase& c : cases)
        EXPECT_EQ(FormatPlayTime(c.seconds), c.text) << c.seconds;
}

TEST(PreviewVolume, IsTheCubeOfTheSliderFraction) {
    EXPECT_NEAR(PreviewVolume(70), 0.343f, 1e-6);
    EXPECT_EQ(PreviewVolume(0), 0.0f);
    EXPECT_EQ(PreviewVolume(-5), 0.0f);
    EXPECT_EQ(PreviewVolume(100), 1.0f);
    EXPECT_NEAR(PreviewVolume(50), 0.125f, 1e-6);
}

TEST_F(PreviewPlayer, PlayBeforeAnythingWasPreviewedDoesNothing) {
    tsound* track = AddSound(ssCdTrack);
    EXPECT_TRUE(player->PlayBtnClick(track, 0, true).IsOk());
    EXPECT_FALSE(player->View().PlayDown);
    EXPECT_FALSE(player->View().TimerOn);
    EXPECT_TRUE(cd.Tracks.isEmpty());
    EXPECT_EQ(output.PlayersCreated, 0);
    EXPECT_EQ(track->Status, ssCdTrack);
}

TEST_F(PreviewPlayer, ACdTrackPlaysFromTheDiscAtTheSliderVolumeUntilItsEnd) {
    TTestDir dir;
    AddSound(ssCdTrack);
    tsound* track = AddSound(ssCdTrack, dir.File("02 Rain.wav"));
    ASSERT_TRUE(player->PlaySelected(track, 1, true).IsOk());
    EXPECT_EQ(cd.Tracks, QList<int>{1}); // the row is the track number
    EXPECT_TRUE(player->CdPreview());
    EXPECT_EQ(track->Status, ssplaying);
    EXPECT_TRUE(player->View().PlayDown);
    EXPECT_TRUE(player->View().TimerOn);
    EXPECT_NEAR(cd.Volume, 0.343f, 1e-6);
    EXPECT_EQ(repaints, 1);

    cd.Percent = 40;
    cd.Seconds = 61.5;
    player->AudioGUItimerTimer(true);
    EXPECT_EQ(player->View().SliderPosition, 40);
    EXPECT_EQ(player->View().TimeText, "01:01");

    cd.Percent = 100;
    player->AudioGUItimerTimer(true);
    EXPECT_FALSE(player->View().PlayDown);
    EXPECT_EQ(player->View().SliderPosition, 0);
    EXPECT_EQ(player->View().TimeText, "00:00");
    EXPECT_EQ(track->Status, ssCdTrack);
    player->AudioGUItimerTimer(true); // the button is up: this tick is the timer's last
    EXPECT_FALSE(player->View().TimerOn);

    // Imported to its path while it played, the track ends as an ordinary sound, and from
    // then on it plays from its file.
    cd.Percent = 0;
    ASSERT_TRUE(player->PlaySelected(track, 1, true).IsOk());
    dir.Write("02 Rain.wav", "RIFF");
    cd.Percent = 100;
    player->AudioGUItimerTimer(true);
    EXPECT_EQ(track->Status, ssnormal);
    ASSERT_TRUE(player->PlaySelected(track, 1, true).IsOk());
    EXPECT_FALSE(player->CdPreview());
    EXPECT_EQ(output.PlayersCreated, 1);
    EXPECT_EQ(cd.Tracks, (QList<int>{1, 1}));
}

TEST_F(PreviewPlayer, ANewTrackPutsThePreviousOneDownAndTheButtonStopsIt) {
    tsound* first = AddSound(ssCdTrack);
    tsound* second = AddSound(ssCdTrack);
    ASSERT_TRUE(player->PlaySelected(first, 0, true).IsOk());
    ASSERT_TRUE(player->PlaySelected(second, 1, true).IsOk());
    EXPECT_EQ(first->Status, ssCdTrack);
    EXPECT_EQ(second->Status, ssplaying);
    EXPECT_EQ(cd.Toggles, 1);
    EXPECT_EQ(cd.Tracks, (QList<int>{0, 1}));

    player->VolSliderUserChange(0);
    EXPECT_EQ(cd.Volume, 0.0f);
    player->PlaySliderAfterUserChange(55);
    EXPECT_EQ(cd.Seeks, QList<int>{55});

    ASSERT_TRUE(player->PlayBtnClick(nullptr, -1, true).IsOk());
    EXPECT_FALSE(player->View().PlayDown);
    EXPECT_EQ(player->View().SliderPosition, 4);
    EXPECT_EQ(second->Status, ssCdTrack);
    EXPECT_EQ(cd.Toggles, 2);
}

TEST_F(PreviewPlayer, AFileInTheRenameModeStaysDownAtItsEndUntilTheUserStopsIt) {
    tsound* file = AddSound(ssRenameTag, "/Sounds/Door.wav", "Door.wav");
    ASSERT_TRUE(player->PlaySelected(file, 0, false).IsOk());
    ASSERT_NE(output.LastPlayer, nullptr);
    EXPECT_TRUE(output.LastPlayer->Playing);
    EXPECT_NEAR(output.LastPlayer->Volume, 0.343f, 1e-6);
    EXPECT_FALSE(player->CdPreview());
    EXPECT_EQ(file->Status, ssplaying);

    player->PlaySliderAfterUserChange(25); // a quarter of ten seconds
    EXPECT_EQ(output.LastPlayer->Position(), 10 * oneSecond / 4);
    player->AudioGUItimerTimer(false);
    EXPECT_EQ(player->View().SliderPosition, 25);
    EXPECT_EQ(player->View().TimeText, "00:02");

    output.LastPlayer->SetPosition(10 * oneSecond); // played to its end
    player->AudioGUItimerTimer(false);
    EXPECT_TRUE(player->View().PlayDown);
    EXPECT_EQ(player->View().SliderPosition, 100);
    EXPECT_EQ(file->Status, ssplaying);

    ASSERT_TRUE(player->PlayBtnClick(file, 0, false).IsOk());
    EXPECT_FALSE(player->View().PlayDown);
    EXPECT_EQ(file->Status, ssRenameTag); // its rename state, as before it played
    // Play again: the selection plays once more, from the start.
    ASSERT_TRUE(player->PlayBtnClick(file, 0, false).IsOk());
    EXPECT_TRUE(player->View().PlayDown);
    EXPECT_EQ(output.PlayersCreated, 2);
    EXPECT_EQ(output.LastPlayer->Position(), 0);
}

TEST_F(PreviewPlayer, AFileThatCannotPlaySaysSoAndTheImportModeResetsAtTheNextTick) {
    TNoAudioOutput none;
    player = MakePlayer(none);
    tsound* file = AddSound(ssnormal, "/Sounds/Imported.wav");
    const TResult result = player->PlaySelected(file, 0, true);
    EXPECT_EQ(result.ErrorText(), "Cant play the sound!");
    EXPECT_TRUE(player->View().PlayDown);
    player->AudioGUItimerTimer(true);
    EXPECT_FALSE(player->View().PlayDown);
    EXPECT_EQ(player->View().SliderPosition, 0);

    // Nor does a track without a sound output play silently.
    cd.CanPlay = false;
    tsound* track = AddSound(ssCdTrack);
    EXPECT_EQ(player->PlaySelected(track, 1, true).ErrorText(), "Cant play the sound!");

    // An unreadable file in the rename mode: the message, and the button stays down.
    player = MakePlayer(output);
    tsound* broken = AddSound(ssnormal, QString());
    EXPECT_EQ(player->PlaySelected(broken, 2, false).ErrorText(), "Cant play the sound!");
    player->AudioGUItimerTimer(false);
    EXPECT_TRUE(player->View().PlayDown);
}

TEST_F(PreviewPlayer, StopLetsGoOfTheFileAndASoundThatLeftTheListIsForgotten) {
    tsound* file = AddSound(ssnormal, "/Sounds/Door.wav");
    ASSERT_TRUE(player->PlaySelected(file, 0, false).IsOk());
    player->Stop(false);
    EXPECT_FALSE(player->View().PlayDown);
    EXPECT_EQ(file->Status, ssnormal);
    player->Stop(false); // nothing plays: nothing changes
    EXPECT_EQ(player->View().SliderPosition, 4);

    ASSERT_TRUE(player->PlaySelected(file, 0, false).IsOk());
    sounds.Clear();
    player->ForgetSoundIfGone();
    EXPECT_EQ(player->PreviewedSound(), nullptr);
    EXPECT_FALSE(player->View().PlayDown);
    EXPECT_TRUE(player->PlayBtnClick(nullptr, -1, false).IsOk()); // nothing to play again
    EXPECT_FALSE(player->View().PlayDown);
}

// A new list may hand a new record the address of the released one: the player must not take
// it for the sound it was playing (it would set the stranger's state).
TEST_F(PreviewPlayer, ARecordAtTheAddressOfTheReleasedOneIsNotTakenForIt) {
    tsound* file = AddSound(ssnormal, "/Sounds/Door.wav");
    ASSERT_TRUE(player->PlaySelected(file, 0, false).IsOk());
    const tsound* released = file;
    sounds.Clear();
    for (int i = 0; i < 50; ++i) {
        tsound* stranger = AddSound(ssRenameTag, "/Other/Wind.wav", "Wind.wav");
        if (stranger == released || i == 49) {
            player->Stop(false);
            EXPECT_EQ(player->PreviewedSound(), nullptr);
            EXPECT_EQ(stranger->Status, ssRenameTag);
            break;
        }
    }
}
