#pragma once

#include <QString>

#include <sndfile.h>

// Generated sine-tone WAV files and what tests measure of sound files.
class TSineWav {
public:
    // A 16-bit stereo tone of half full scale.
    static bool Write(const QString& path, int sampleRate, double seconds, double frequency);

    struct TInfo {
        bool Opened = false;
        int SampleRate = 0;
        int Channels = 0;
        int Format = 0; // SF_FORMAT_*
        qint64 Frames = 0;
    };
    static TInfo Info(const QString& path);
    // The tone's frequency in Hz, from the rising zero crossings of the first channel.
    static double MeasureFrequency(const QString& path);
};
