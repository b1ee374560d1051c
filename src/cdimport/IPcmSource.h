#pragma once

#include "cdimport/TPcmFormat.h"

#include <QString>

// Decoded audio: a CD track or a sound file, read as interleaved little-endian PCM bytes.
class IPcmSource {
public:
    virtual ~IPcmSource() = default;
    virtual TPcmFormat Format() const = 0;
    // Total length and read position, in bytes of PCM.
    virtual qint64 Length() const = 0;
    virtual qint64 Position() const = 0;
    // True while there is more to read and no read has failed.
    virtual bool IsActive() const = 0;
    // Copies up to `maxBytes` into `buffer`; returns the count, 0 at the end, -1 on a read
    // error (the source is then no longer active).
    virtual qint64 Read(char* buffer, qint64 maxBytes) = 0;
    // Moves the read position; it is clamped to the length and rounded down to a whole frame.
    virtual void Seek(qint64 bytePosition) = 0;
    // Why the audio read is not the source's exact audio (a read failed, or sectors could not
    // be read and were filled in); empty when it is.
    virtual QString ErrorText() const { return {}; }
    // What a verifying read had to correct, for the track's details; empty for plain reads.
    virtual QString ReadReport() const { return {}; }
};
