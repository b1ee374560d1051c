#pragma once

#include "cdimport/TPcmFormat.h"

// Plays one decoded source on the audio output. Positions are bytes of the source's PCM.
class IAudioPlayer {
public:
    virtual ~IAudioPlayer() = default;
    // Starts or resumes playing at the current position; false when the output refused.
    virtual bool Play() = 0;
    // Stops; a later Play resumes where it stopped.
    virtual void Stop() = 0;
    virtual bool IsPlaying() const = 0;
    virtual qint64 Position() const = 0;
    virtual qint64 Length() const = 0;
    virtual void SetPosition(qint64 bytePosition) = 0;
    // Linear volume from 0.0 to 1.0.
    virtual void SetVolume(float volume) = 0;
    virtual TPcmFormat Format() const = 0;
};
