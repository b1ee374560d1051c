#pragma once

// What the preview player needs of the CD drive access: one track at a time, by track number
// counted from 0. Every call does nothing while a rip runs.
class ICdPreview {
public:
    virtual ~ICdPreview() = default;
    // False when the track does not play (no sound output, no such track).
    virtual bool PlayTrack(int track) = 0;
    virtual void StopPreview() = 0;
    virtual void TogglePreview() = 0;
    virtual void SetPreviewVolume(float volume) = 0;
    virtual void SeekPreview(int percent) = 0;
    // 100 once the track has played to its end or no track plays.
    virtual int PreviewPercent() const = 0;
    virtual double PreviewSeconds() const = 0;
};
