#pragma once

#include <QString>

#include <cstdint>

class tsound;

enum TJobKind : std::uint8_t { jkRip = 0, jkResample = 1, jkEncodeMp3 = 2 };
enum TJobState : std::uint8_t { jsWaiting = 0, jsDone = 1, jsRunning = 2 };

// One step of an import for one sound. The sound belongs to the sound list.
struct TsdxJob {
    TJobKind JobKind = jkRip;
    TJobState JobState = jsWaiting;
    tsound* sound = nullptr;
    int track = 0; // for the ripper, from 0
    // The file the rip writes: the sound's path, or for an MP3 import an intermediate WAV of
    // the import's own, read by the encoder.
    QString ripPath{};
};
