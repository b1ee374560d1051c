#pragma once

#include "ui/ICdPreview.h"

class TCDcontrol;

// The CD preview of the program's drive access; without one (no drives at all) nothing plays.
class TCdControlPreview : public ICdPreview {
public:
    explicit TCdControlPreview(TCDcontrol* cd) : cd_(cd) {}
    bool PlayTrack(int track) override;
    void StopPreview() override;
    void TogglePreview() override;
    void SetPreviewVolume(float volume) override;
    void SeekPreview(int percent) override;
    int PreviewPercent() const override;
    double PreviewSeconds() const override;

private:
    TCDcontrol* cd_;
};
