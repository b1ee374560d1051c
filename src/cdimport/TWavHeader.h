#pragma once

#include <QByteArray>

class QFileDevice;

// The 44-byte header of a PCM WAV file: RIFF, "fmt " and "data". Both sizes are 0 until
// the samples are written and `PatchSizes` fills them in.
class TWavHeader {
public:
    static constexpr int Size = 44;
    static constexpr int RiffSizeOffset = 4;
    static constexpr int DataSizeOffset = 40;

    // The sample rate is always written as 44,100 Hz, the rate of CD audio.
    static QByteArray Build(int channels, int bitsPerSample);
    // Writes file size - 8 and the sample byte count from the file's current size.
    static bool PatchSizes(QFileDevice& file);
};
