#include "ui/TCdControlPreview.h"

#include "cdimport/TCDcontrol.h"

bool TCdControlPreview::PlayTrack(int track) { return cd_ && cd_->PlayTrack(track); }

void TCdControlPreview::StopPreview() {
    if (cd_)
        cd_->StopPreview();
}

void TCdControlPreview::TogglePreview() {
    if (cd_)
        cd_->TogglePreview();
}

void TCdControlPreview::SetPreviewVolume(float volume) {
    if (cd_)
        cd_->SetPreviewVolume(volume);
}

void TCdControlPreview::SeekPreview(int percent) {
    if (cd_)
        cd_->SeekPreview(percent);
}

int TCdControlPreview::PreviewPercent() const { return cd_ ? cd_->PreviewPercent() : 100; }

double TCdControlPreview::PreviewSeconds() const { return cd_ ? cd_->PreviewSeconds() : 0.0; }
