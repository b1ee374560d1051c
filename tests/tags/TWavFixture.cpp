#include "tags/TWavFixture.h"

#include <QtEndian>

TWavFixture& TWavFixture::Chunk(const QByteArray& id, const QByteArray& data) {
    body_ += id.left(4) + LittleEndian32(quint32(data.size())) + data;
    if (data.size() & 1)
        body_ += '\0';
    return *this;
}

TWavFixture& TWavFixture::Raw(const QByteArray& bytes) {
    body_ += bytes;
    return *this;
}

QByteArray TWavFixture::Bytes() const {
    return "RIFF" + LittleEndian32(quint32(body_.size() + 4)) + "WAVE" + body_;
}

QByteArray TWavFixture::PcmFormat(quint16 channels, quint32 rate, quint16 bits) {
    QByteArray format(16, '\0');
    const quint16 blockAlign = channels * bits / 8;
    qToLittleEndian<quint16>(1, format.data());
    qToLittleEndian<quint16>(channels, format.data() + 2);
    qToLittleEndian<quint32>(rate, format.data() + 4);
    qToLittleEndian<quint32>(rate * blockAlign, format.data() + 8);
    qToLittleEndian<quint16>(blockAlign, format.data() + 12);
    qToLittleEndian<quint16>(bits, format.data() + 14);
    return format;
}

QByteArray TWavFixture::AudioBytes(qsizetype count) {
    QByteArray audio(count, '\0');
    for (qsizetype i = 0; i < count; ++i)
        audio[i] = char((i * 37 + 11) & 0xFF);
    return audio;
}

QByteArray TWavFixture::Minimal44() {
    return TWavFixture().Chunk("fmt ", PcmFormat()).Chunk("data", {}).Bytes();
}

QByteArray TWavFixture::ShortPcm() {
    return TWavFixture().Chunk("fmt ", PcmFormat()).Chunk("data", AudioBytes(4 * 4410)).Bytes();
}

QList<TWavFixture::TChunk> TWavFixture::Chunks(const QByteArray& file) {
    QList<TChunk> chunks;
    qsizetype offset = 12;
    while (offset + 8 <= file.size()) {
        const quint32 size = UInt32At(file, offset + 4);
        chunks.append({file.mid(offset, 4), offset, size});
        offset += 8 + qsizetype(size) + (size & 1);
    }
    return chunks;
}

QStringList TWavFixture::ChunkIds(const QByteArray& file) {
    QStringList ids;
    for (const TChunk& chunk : Chunks(file))
        ids.append(QString::fromLatin1(chunk.id));
    return ids;
}

QByteArray TWavFixture::ChunkData(const QByteArray& file, const QByteArray& id) {
    for (const TChunk& chunk : Chunks(file))
        if (chunk.id == id)
            return file.mid(chunk.offset + 8, chunk.size);
    return {};
}

quint32 TWavFixture::UInt32At(const QByteArray& bytes, qsizetype offset) {
    return qFromLittleEndian<quint32>(bytes.constData() + offset);
}

QByteArray TWavFixture::LittleEndian32(quint32 value) {
    QByteArray bytes(4, '\0');
    qToLittleEndian(value, bytes.data());
    return bytes;
}
