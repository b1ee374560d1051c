#pragma once

#include <QByteArray>
#include <QList>
#include <QStringList>

// Builds small RIFF/WAVE files for the tag tests and reads their chunk list back.
class TWavFixture {
public:
    struct TChunk {
        QByteArray id;
        qsizetype offset; // of the chunk header
        quint32 size;     // data size as declared
    };

    // Appends a chunk; an odd data size gets its pad byte.
    TWavFixture& Chunk(const QByteArray& id, const QByteArray& data);
    // Appends bytes as they are (stray bytes, a cut-off chunk).
    TWavFixture& Raw(const QByteArray& bytes);
    // "RIFF", the right RIFF size, "WAVE", then the chunks.
    QByteArray Bytes() const;

    // 16-bit PCM "fmt " data.
    static QByteArray PcmFormat(quint16 channels = 2, quint32 rate = 44100, quint16 bits = 16);
    // `count` bytes of a pattern that no tag write would produce by chance.
    static QByteArray AudioBytes(qsizetype count);
    // The classic 44-byte file: "fmt " of 16 bytes and an empty "data" chunk.
    static QByteArray Minimal44();
    // A short stereo 44.1 kHz file with some audio.
    static QByteArray ShortPcm();

    // The chunks of `file` as the tag writer walks them (from offset 12, to the end).
    static QList<TChunk> Chunks(const QByteArray& file);
    static QStringList ChunkIds(const QByteArray& file);
    // The data of the first chunk `id`, or empty.
    static QByteArray ChunkData(const QByteArray& file, const QByteArray& id);
    static quint32 UInt32At(const QByteArray& bytes, qsizetype offset);
    static QByteArray LittleEndian32(quint32 value);

private:
    QByteArray body_;
};
