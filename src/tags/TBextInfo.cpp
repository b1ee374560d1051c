#include "tags/TBextInfo.h"

#include <QtEndian>

namespace {
constexpr qsizetype descriptionField = 256;
constexpr qsizetype originatorField = 32;
constexpr qsizetype referenceField = 32;
constexpr qsizetype versionOffset = 346;
constexpr quint16 bextVersion = 1;

QByteArray ZeroFilled(const QByteArray& text, qsizetype fieldSize) {
    QByteArray field = text;
    field.append(fieldSize - text.size(), '\0');
    return field;
}

bool IsContinuationByte(char byte) { return (static_cast<unsigned char>(byte) & 0xC0) == 0x80; }
} // namespace

QByteArray TBextInfo::Utf8Prefix(const QString& text, qsizetype maxBytes) {
    QByteArray bytes = text.toUtf8();
    if (bytes.size() <= maxBytes)
        return bytes;
    qsizetype cut = maxBytes;
    while (cut > 0 && IsContinuationByte(bytes[cut]))
        --cut;
    bytes.truncate(cut);
    return bytes;
}

QByteArray TBextInfo::Build(const QString& description, const QString& originator,
                            const QString& reference) {
    QByteArray info;
    info.reserve(Size);
    info += ZeroFilled(Utf8Prefix(description, descriptionField - 1), descriptionField);
    info += ZeroFilled(Utf8Prefix(originator, originatorField), originatorField);
    info += ZeroFilled(Utf8Prefix(reference, referenceField), referenceField);
    info.append(Size - info.size(), '\0'); // OriginationDate and OriginationTime
    return info;
}

QByteArray TBextInfo::NewChunkPayload(const QByteArray& info) {
    QByteArray payload = ZeroFilled(info.left(Size), PayloadSize);
    qToLittleEndian(bextVersion, payload.data() + versionOffset);
    return payload;
}
