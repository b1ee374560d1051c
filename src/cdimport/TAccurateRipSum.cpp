#include "cdimport/TAccurateRipSum.h"

#include <array>

namespace {
constexpr quint32 skippedSamples = 5 * 2352 / 4;

std::array<quint32, 256> MakeCrcTable() {
    std::array<quint32, 256> table{};
    for (quint32 i = 0; i < 256; ++i) {
        quint32 value = i;
        for (int bit = 0; bit < 8; ++bit)
            value = (value & 1) ? (value >> 1) ^ 0xEDB88320u : value >> 1;
        table[i] = value;
    }
    return table;
}

const std::array<quint32, 256>& CrcTable() {
    static const std::array<quint32, 256> table = MakeCrcTable();
    return table;
}

quint32 UpdateCrc(quint32 crc, const char* data, qint64 bytes) {
    const std::array<quint32, 256>& table = CrcTable();
    for (qint64 i = 0; i < bytes; ++i)
        crc = table[(crc ^ quint8(data[i])) & 0xFF] ^ (crc >> 8);
    return crc;
}

quint32 LittleEndian(const unsigned char* bytes) {
    return quint32(bytes[0]) | quint32(bytes[1]) << 8 | quint32(bytes[2]) << 16 |
           quint32(bytes[3]) << 24;
}
} // namespace

TAccurateRipSum::TAccurateRipSum(qint64 trackBytes, bool firstTrack, bool lastTrack) {
    const quint32 samples = quint32(trackBytes / 4);
    checkFrom_ = firstTrack ? skippedSamples : 0;
    checkTo_ = lastTrack ? (samples > skippedSamples ? samples - skippedSamples : 0) : samples;
}

void TAccurateRipSum::Add(const char* data, qint64 bytes) {
    crc_ = UpdateCrc(crc_, data, bytes);
    const auto* in = reinterpret_cast<const unsigned char*>(data);
    qint64 i = 0;
    while (partialBytes_ > 0 && i < bytes) {
        partial_[partialBytes_++] = in[i++];
        if (partialBytes_ == 4) {
            AddSample(LittleEndian(partial_));
            partialBytes_ = 0;
        }
    }
    for (; i + 4 <= bytes; i += 4)
        AddSample(LittleEndian(in + i));
    for (; i < bytes; ++i)
        partial_[partialBytes_++] = in[i];
}

void TAccurateRipSum::AddSample(quint32 sample) {
    if (position_ >= checkFrom_ && position_ <= checkTo_) {
        v1_ += position_ * sample;
        const quint64 product = quint64(position_) * sample;
        v2_ += quint32(product >> 32) + quint32(product);
    }
    ++position_;
}

QString TAccurateRipSum::Text() const {
    auto hex = [](quint32 value) { return QString("%1").arg(value, 8, 16, QChar('0')).toUpper(); };
    return QString("AccurateRip v1 %1, v2 %2, CRC32 %3").arg(hex(V1()), hex(V2()), hex(Crc32()));
}

quint32 TAccurateRipSum::Crc32Of(const char* data, qint64 bytes) {
    return ~UpdateCrc(0xFFFFFFFFu, data, bytes);
}
