#include "ui/TPreviewPlayer.h"

#include "app/TSoundList.h"
#include "app/tsound.h"
#include "cdimport/IAudioOutput.h"
#include "ui/FormatPlayTime.h"
#include "ui/ICdPreview.h"

#include <QFileInfo>

#include <cmath>

TPreviewPlayer::TPreviewPlayer(TSoundList& sounds, ICdPreview& cd, IAudioOutput& output,
                               TFileOpener openFile)
    : sounds_(sounds), cd_(cd), output_(output), openFile_(std::move(openFile)) {}

TPreviewPlayer::~TPreviewPlayer() = default;

TSoundStatus TPreviewPlayer::RestingStatus(const tsound& sound, bool importMode) {
    if (importMode)
        return QFileInfo::exists(sound.path) ? ssnormal : ssCdTrack;
    return sound.Comment.isEmpty() ? ssnormal : ssRenameTag;
}

TResult TPreviewPlayer::PlaySelected(tsound* selected, int itemIndex, bool importMode) {
    ForgetSoundIfGone();
    PutDownPrevious(importMode);
    TResult result = StartSelected(selected, itemIndex);
    VolSliderUserChange(volumePosition_);
    view_.PlayDown = true;
    view_.TimerOn = true;
    RepaintList();
    return result;
}

void TPreviewPlayer::PutDownPrevious(bool importMode) {
    if (!previewed_)
        return;
    previewed_->Status = RestingStatus(*previewed_, importMode);
    if (!importMode)
        return; // a new file preview replaces the stream
    if (cdPreview_)
        cd_.TogglePreview();
    else
        StopFile();
}

TResult TPreviewPlayer::StartSelected(tsound* selected, int itemIndex) {
    if (!selected)
        return TResult::Ok();
    if (selected->Status == ssCdTrack) {
        cdPreview_ = true;
        Preview(selected);
        selected->Status = ssplaying;
        // Without a sound output the track cannot play: say so rather than show a silent play.
        return cd_.PlayTrack(itemIndex) ? TResult::Ok() : TResult::Error(CantPlayText);
    }
    if (cdPreview_)
        cd_.StopPreview();
    cdPreview_ = false;
    Preview(selected);
    selected->Status = ssplaying;
    return PlayFile(selected);
}

TResult TPreviewPlayer::PlayFile(tsound* sound) {
    if (!sound)
        return TResult::Ok();
    file_.reset();
    std::unique_ptr<IPcmSource> source = openFile_ ? openFile_(sound->path) : nullptr;
    file_ = output_.CreatePlayer(std::move(source));
    fileStreamMade_ = true;
    cdPreview_ = false;
    if (!file_ || !file_->Play())
        return TResult::Error(CantPlayText);
    return TResult::Ok();
}

void TPreviewPlayer::StopFile() {
    if (file_ && file_->IsPlaying()) {
        file_->Stop();
        file_.reset();
    }
}

TResult TPreviewPlayer::PlayBtnClick(tsound* selected, int itemIndex, bool importMode) {
    ForgetSoundIfGone();
    if (!view_.PlayDown) {
        if (previewed_)
            return PlaySelected(selected, itemIndex, importMode);
        return TResult::Ok();
    }
    Stop(importMode);
    return TResult::Ok();
}

void TPreviewPlayer::Stop(bool importMode) {
    ForgetSoundIfGone();
    if (!view_.PlayDown && !(file_ && file_->IsPlaying()))
        return;
    if (cdPreview_)
        cd_.TogglePreview();
    else
        StopFile();
    view_.PlayDown = false;
    if (previewed_) {
        previewed_->Status = RestingStatus(*previewed_, importMode);
        RepaintList();
    }
    view_.SliderPosition = 4;
}

void TPreviewPlayer::VolSliderUserChange(int position) {
    volumePosition_ = position;
    const float volume = PreviewVolume(position);
    if (file_)
        file_->SetVolume(volume);
    cd_.SetPreviewVolume(volume);
}

void TPreviewPlayer::PlaySliderAfterUserChange(int position) {
    if (cdPreview_) {
        cd_.SeekPreview(position);
        return;
    }
    if (file_ && file_->IsPlaying())
        file_->SetPosition(qint64(std::nearbyint(double(file_->Length()) * position / 100.0)));
}

int TPreviewPlayer::FilePercent() const {
    // A released or empty stream counts as played to its end.
    if (!file_ || file_->Length() <= 0)
        return 100;
    return int(std::nearbyint(double(file_->Position()) / double(file_->Length()) * 100.0));
}

void TPreviewPlayer::AudioGUItimerTimer(bool importMode) {
    ForgetSoundIfGone();
    if (!view_.PlayDown)
        view_.TimerOn = false; // this tick still completes
    int percent = 0;
    if (previewed_) {
        if (cdPreview_) {
            percent = cd_.PreviewPercent();
            view_.TimeText = FormatPlayTime(float(cd_.PreviewSeconds()));
        } else {
            percent = FilePercent();
            view_.TimeText = FormatPlayTime(
                file_ ? float(file_->Format().BytesToSeconds(file_->Position())) : 0.0f);
        }
    }
    view_.SliderPosition = percent;
    if (percent == 100 && importMode)
        ShowEndOfTrack(importMode);
}

void TPreviewPlayer::ShowEndOfTrack(bool importMode) {
    if (previewed_)
        previewed_->Status = RestingStatus(*previewed_, importMode);
    view_.PlayDown = false;
    RepaintList();
    view_.SliderPosition = 0;
    view_.TimeText = "00:00";
}

void TPreviewPlayer::Preview(tsound* sound) {
    previewed_ = sound;
    previewedRef_ = sounds_.RefOf(sound);
}

void TPreviewPlayer::ForgetSoundIfGone() {
    if (!previewed_ || (!previewedRef_.expired() && sounds_.IndexOf(previewed_) >= 0))
        return;
    previewed_ = nullptr;
    previewedRef_.reset();
    if (cdPreview_)
        cd_.StopPreview();
    file_.reset();
    cdPreview_ = false;
    view_ = TPlayerView{};
}
