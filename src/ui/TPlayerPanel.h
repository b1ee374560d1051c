#pragma once

#include <QWidget>

#include <functional>
#include <memory>

class IAudioOutput;
class QLabel;
class QTimer;
class TBitSlider;
class TCustomBitButton;
class TCDcontrol;
class TCdControlPreview;
class TPreviewPlayer;
class TSoundList;
class tsound;

// The player's controls in the top bar: play button, position slider, volume slider and
// elapsed time. The player decides; the panel passes the user's moves on and shows the
// player's state afterwards.
class TPlayerPanel : public QWidget {
    Q_OBJECT
public:
    // Plays CD tracks through `cd` and files through its sound output; without `cd` (no
    // drive access) files play through an output of the panel's own.
    TPlayerPanel(TSoundList& sounds, TCDcontrol* cd, QWidget* parent = nullptr);
    ~TPlayerPanel() override;
    TPreviewPlayer& Player() { return *player_; }

    TCustomBitButton* PlayBtn = nullptr;
    TBitSlider* PlaySlider = nullptr;
    TBitSlider* VolSlider = nullptr;
    QLabel* lblTime = nullptr;
    QTimer* AudioGUItimer = nullptr;

    // The window's mode and its first selected sound with its row (null and -1 for none).
    std::function<bool()> ImportMode = [] { return false; };
    std::function<std::pair<tsound*, int>()> FirstSelected = [] { return std::pair<tsound*, int>(nullptr, -1); };
    // The rows show their states anew.
    std::function<void()> RepaintList = [] {};

    void PlaySelected();
    void PlayBtnClick();
    // Stops the preview (the rename batch lets go of the files first).
    void StopPreview();
    // A new disc or folder: the previewed sound may have left the list.
    void ForgetSoundIfGone();
    // Copies the player's state into the controls.
    void ShowView();

private:
    void AudioGUItimerTimer();

    std::unique_ptr<TCdControlPreview> cdPreview_;
    std::unique_ptr<IAudioOutput> ownOutput_;
    std::unique_ptr<TPreviewPlayer> player_;
};
