#pragma once

#include "app/TSoundRef.h"

#include <QString>

#include <cstdint>

enum TJobKind : std::uint8_t { jkRip = 0, jkResample = 1, jkEncodeMp3 = 2 };
enum TJobState : std::uint8_t { jsWaiting = 0, jsDone = 1, jsRunning = 2, jsSkipped = 3 };

// One step of an import for one sound. The job keeps its sound alive until it is done with it,
// whatever happens to the window's list meanwhile.
struct TsdxJob {
    TJobKind JobKind = jkRip;
    TJobState JobState = jsWaiting;
    TSoundRef sound;
    int track = 0; // for the ripper, from 0
    // The file the rip writes: the sound's path, or for an MP3 import an intermediate WAV of
    // the import's own, read by the encoder.
    // A side name next to the final one, so that the final name only ever shows a whole file.
    QString ripPath{};
    // A file under the sound's name when the job was queued, which the user agreed to replace.
    bool mayReplace = false;
};
