#pragma once

#include "app/SoundTypes.h"
#include "app/TSoundRef.h"
#include "app/TResult.h"

#include <QString>

#include <functional>
#include <memory>

class IAudioOutput;
class IAudioPlayer;
class ICdPreview;
class IPcmSource;
class TSoundList;
class tsound;

// What the player's controls show; the widget copies it after every change.
struct TPlayerView {
    bool PlayDown = false;
    int SliderPosition = 0;
    QString TimeText = "00:00";
    bool TimerOn = false; // the one-second timer that calls AudioGUItimerTimer
};

// The preview player: CD tracks through the drive access, files through the sound output.
// It refers to sounds of the main list only; one that has left the list is forgotten.
class TPreviewPlayer {
public:
    using TFileOpener = std::function<std::unique_ptr<IPcmSource>(const QString& path)>;
    static constexpr const char* CantPlayText = "Cant play the sound!";
    static constexpr int InitialVolume = 70;

    TPreviewPlayer(TSoundList& sounds, ICdPreview& cd, IAudioOutput& output, TFileOpener openFile);
    ~TPreviewPlayer();

    // Plays `selected` (the first selected sound, null for none) whose row `itemIndex` is its
    // track number on the disc. An error when it cannot be played; the controls show it
    // playing all the same, as they do for a track that ends at once.
    TResult PlaySelected(tsound* selected, int itemIndex, bool importMode);
    TResult PlayFile(tsound* sound);
    void StopFile();
    // Down: stops. Up: plays the selection again once something was previewed.
    TResult PlayBtnClick(tsound* selected, int itemIndex, bool importMode);
    // Stops whatever plays and shows the controls stopped (before a batch touches the files).
    void Stop(bool importMode);
    void VolSliderUserChange(int position);
    void PlaySliderAfterUserChange(int position);
    void AudioGUItimerTimer(bool importMode);
    // Lets go of the previewed sound when it is no longer in the list (a new disc or folder).
    void ForgetSoundIfGone();

    const TPlayerView& View() const { return view_; }
    tsound* PreviewedSound() const { return previewed_; }
    bool CdPreview() const { return cdPreview_; }
    int VolumePosition() const { return volumePosition_; }

    // The rows show their states anew.
    std::function<void()> RepaintList = [] {};

private:
    static TSoundStatus RestingStatus(const tsound& sound, bool importMode);
    void PutDownPrevious(bool importMode);
    TResult StartSelected(tsound* selected, int itemIndex);
    void Preview(tsound* sound);
    int FilePercent() const;
    void ShowEndOfTrack(bool importMode);

    TSoundList& sounds_;
    ICdPreview& cd_;
    IAudioOutput& output_;
    TFileOpener openFile_;
    std::unique_ptr<IAudioPlayer> file_;
    bool fileStreamMade_ = false;
    // The record and a weak share of it: a record the list let go of, whose address a new
    // record may take, is recognised as gone by the share, never by comparing addresses.
    tsound* previewed_ = nullptr;
    TSoundWeakRef previewedRef_;
    bool cdPreview_ = false;
    int volumePosition_ = InitialVolume;
    TPlayerView view_;
};
