#pragma once

#include "cdimport/TNotification.h"

#include <QString>

// What the job handler needs of a ripper: rip one track into a WAV file, stop it, and say
// when and how the rip ended.
class IRipper {
public:
    virtual ~IRipper() = default;
    // Starts (or runs) the rip of `track` (from 0) into `fileName`. The rip-done notification
    // follows when the file is closed, possibly before this returns. Throws EAppError when the
    // rip cannot start.
    virtual void RipTrack(const QString& fileName, int track) = 0;
    // The running rip stops at its next block and keeps a shorter, valid file.
    virtual void CancelRip() = 0;
    virtual void SetOnRipDone(TNotification notification) = 0;
    // Why the last rip ended early (read or write error); empty when it completed or was
    // cancelled.
    virtual QString RipError() const = 0;
};
