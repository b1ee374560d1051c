#pragma once

#include <QString>
#include <QtGlobal>

#include <cstdint>

// The checksums that tell a rip is exact: AccurateRip v1 and v2 of a track's audio, as the
// AccurateRip database keeps them, and the CRC32 of its bytes. Fed block by block as the rip
// copies; blocks may split a sample anywhere.
//
// AccurateRip counts the track's stereo samples from 1 and leaves out the first 5 sectors but
// one sample of the disc's first track and the last 5 sectors of its last track, which drives
// cannot all read alike.
class TAccurateRipSum {
public:
    // `trackBytes`: the whole track's length in bytes of 16-bit stereo PCM.
    TAccurateRipSum(qint64 trackBytes, bool firstTrack, bool lastTrack);

    void Add(const char* data, qint64 bytes);

    quint32 V1() const { return v1_; }
    quint32 V2() const { return v2_; }
    quint32 Crc32() const { return ~crc_; }
    // "AccurateRip v1 1A2B3C4D, v2 ..., CRC32 ..." for the track's details.
    QString Text() const;

    static quint32 Crc32Of(const char* data, qint64 bytes);

private:
    void AddSample(quint32 sample);

    quint32 checkFrom_;
    quint32 checkTo_;
    quint32 position_ = 1; // the multiplier of the next sample
    quint32 v1_ = 0;
    quint32 v2_ = 0;
    quint32 crc_ = 0xFFFFFFFFu;
    unsigned char partial_[4] = {};
    int partialBytes_ = 0;
};
