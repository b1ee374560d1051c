#pragma once

#include <QString>

#include <functional>

// Converts a sound file into a WAV file of another sample rate and bit depth, with libsoxr at
// its very high quality setting, streaming in blocks so memory stays bounded. Depths: 8 (unsigned
// PCM), 16 and 24 (integer PCM), 32 and 64 (IEEE float); 8 and 16 bit get TPDF dither.
class TSoxrConverter {
public:
    // Source frames read so far and in all.
    using TProgress = std::function<void(qint64 done, qint64 total)>;

    // Writes `destination`, or nothing at all: a failed conversion removes what it wrote.
    // Returns the reason of a failure, empty on success. Never touches `source`.
    static QString Convert(const QString& source, const QString& destination, int sampleRate,
                           int bitDepth, const TProgress& progress = {});

    static bool IsSupportedDepth(int bitDepth);
};
