#pragma once

#include <QByteArray>
#include <QString>

// The Broadcast-WAV fields the tagger fills, and the "bext" chunk payload built around them.
// Texts are written as UTF-8 and cut at a character boundary so a field never ends inside a
// multi-byte character.
class TBextInfo {
public:
    static constexpr qsizetype Size = 338;        // Description .. OriginationTime
    static constexpr qsizetype PayloadSize = 612; // the whole chunk data of a new "bext"

    // Description (255 bytes at most, always zero-terminated), Originator and
    // OriginatorReference (32 bytes each, no terminator when full), then zero date and time.
    static QByteArray Build(const QString& description, const QString& originator,
                            const QString& reference);
    // `info` followed by time reference 0, version 1, and zero UMID, reserved area and
    // coding history.
    static QByteArray NewChunkPayload(const QByteArray& info);
    // The UTF-8 bytes of `text`, cut to at most `maxBytes` without splitting a character.
    static QByteArray Utf8Prefix(const QString& text, qsizetype maxBytes);
};
