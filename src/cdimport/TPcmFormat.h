#pragma once

#include <QtGlobal>

// The layout of interleaved PCM samples as a source delivers them.
struct TPcmFormat {
    int Channels = 2;
    int BitsPerSample = 16;
    int SampleRate = 44100;

    int BlockAlign() const { return Channels * BitsPerSample / 8; }
    int BytesPerSecond() const { return BlockAlign() * SampleRate; }
    double BytesToSeconds(qint64 bytes) const { return double(bytes) / BytesPerSecond(); }
};
