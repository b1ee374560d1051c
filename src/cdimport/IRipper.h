#pragma once

#include "app/TResult.h"
#include "cdimport/TNotification.h"

#include <QString>

// What the job handler needs of a ripper: rip one track into a WAV file, stop it, and say
// when and how the rip ended.
class IRipper {
public:
    virtual ~IRipper() = default;
    // Starts (or runs) the rip of `track` (from 0) into `fileName`. The rip-done notification
    // follows when the file is closed, possibly before this returns. An error, and no
    // notification, when the rip cannot start.
    virtual TResult RipTrack(const QString& fileName, int track) = 0;
    // The running rip stops at its next block and keeps a shorter, valid file.
    virtual void CancelRip() = 0;
    virtual void SetOnRipDone(TNotification notification) = 0;
    // Why the last rip's file does not hold the track's exact audio (read or write error,
    // sectors that could not be read); empty when it completed or was cancelled.
    virtual QString RipError() const = 0;
    // What the last rip's verifying read corrected, for the track's details; empty for none.
    virtual QString RipReport() const { return {}; }
    // A track of data, not audio (an enhanced CD's last track): the import skips it.
    virtual bool IsDataTrack(int /*track*/) const { return false; }
};
