#pragma once

#include "app/SoundTypes.h"

#include <QString>

// The output format of an import.
struct TOutputFormat {
    TAudioFormat AudioFormat = sfwav;
    int BitRate = 256;      // kbit/s, MP3 only
    int BitDepth = 16;      // bits
    int SampleRate = 44100; // Hz
};

// The format as the import panel shows it: "Wav 16Bit, 44.100Khz" or "Mp3 256kbit/s".
QString OutputFormatText(const TOutputFormat& format);
