#pragma once

#include "app/SoundTypes.h"

// The output format of an import.
struct TOutputFormat {
    TAudioFormat AudioFormat = sfwav;
    int BitRate = 256;      // kbit/s, MP3 only
    int BitDepth = 16;      // bits
    int SampleRate = 44100; // Hz
};
