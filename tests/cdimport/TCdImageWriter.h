#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// Writes a disc image ("NAME.cue" with "NAME.bin") of sine-tone audio tracks and, optionally,
// data tracks, so that tests run the real libcdio and paranoia reads.
class TCdImageWriter {
public:
    static constexpr int SectorBytes = 2352;

    struct TTrack {
        int Sectors = 75;
        double Frequency = 440.0; // audio only
        bool IsData = false;
        // Not 0: white noise from this seed instead of the tone. Noise has no byte order a
        // reader could guess from the audio.
        quint32 NoiseSeed = 0;
    };

    // Writes the image into `folder` and returns the .bin's bytes.
    static QByteArray Write(const QString& folder, const QString& name, const QList<TTrack>& tracks);
    // 16-bit stereo little-endian sine samples for `sectors` sectors.
    static QByteArray SineSectors(int sectors, double frequency);
    // Uniform 16-bit noise over the full range, the same for the same seed.
    static QByteArray NoiseSectors(int sectors, quint32 seed);

private:
    static QString CueTime(int sector);
};
