#include "cdimport/TWavHeader.h"

#include <QFileDevice>
#include <QtEndian>

namespace {
constexpr quint32 cdSampleRate = 44100;

void AppendUInt32(QByteArray& bytes, quint32 value) {
    char raw[4];
    qToLittleEndian(value, raw);
    bytes.append(raw, 4);
}

void AppendUInt16(QByteArray& bytes, quint16 value) {
    char raw[2];
    qToLittleEndian(value, raw);
    bytes.append(raw, 2);
}

bool WriteUInt32At(QFileDevice& file, qint64 offset, quint32 value) {
    char raw[4];
    qToLittleEndian(value, raw);
    return file.seek(offset) && file.write(raw, 4) == 4;
}
} // namespace

QByteArray TWavHeader::Build(int channels, int bitsPerSample) {
    const quint16 blockAlign = quint16(channels * bitsPerSample / 8);
    QByteArray header;
    header.reserve(Size);
    header.append("RIFF");
    AppendUInt32(header, 0);
    header.append("WAVEfmt ");
    AppendUInt32(header, 16);
    AppendUInt16(header, 1); // PCM
    AppendUInt16(header, quint16(channels));
    AppendUInt32(header, cdSampleRate);
    AppendUInt32(header, blockAlign * cdSampleRate);
    AppendUInt16(header, blockAlign);
    AppendUInt16(header, quint16(bitsPerSample));
    header.append("data");
    AppendUInt32(header, 0);
    return header;
}

bool TWavHeader::PatchSizes(QFileDevice& file) {
    const qint64 size = file.size();
    return WriteUInt32At(file, RiffSizeOffset, quint32(size - 8)) &&
           WriteUInt32At(file, DataSizeOffset, quint32(size - Size));
}
