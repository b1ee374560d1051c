#include "link/CompanionMessage.h"

#include <QtEndian>

namespace {
void AppendLittleEndian32(QByteArray& bytes, quint32 value) {
    char field[4];
    qToLittleEndian(value, field);
    bytes.append(field, sizeof field);
}
} // namespace

QByteArray CompanionMessage::Text(const QStringList& paths) {
    QByteArray text;
    for (const QString& path : paths)
        text += path.toUtf8() + "\r\n";
    text.append('\0');
    return text;
}

QByteArray CompanionMessage::Build(const QStringList& paths) {
    const QByteArray text = Text(paths);
    QByteArray message;
    message.reserve(HeaderSize + text.size());
    AppendLittleEndian32(message, DataTag);
    AppendLittleEndian32(message, quint32(text.size())); // the zero byte is counted
    message += text;
    return message;
}
