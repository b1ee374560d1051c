#pragma once

#include <QByteArray>
#include <QStringList>

// The hand-over to Sonaphor, byte for byte: the data tag (32-bit little-endian, 0), the byte
// count of the text including its closing zero (32-bit little-endian), then the text itself.
namespace CompanionMessage {
constexpr quint32 DataTag = 0;
constexpr int HeaderSize = 8;

// The UTF-8 path of each sound, in order, each followed by CR LF, then one zero byte.
QByteArray Text(const QStringList& paths);
// Header and text, ready to be written to the companion's socket.
QByteArray Build(const QStringList& paths);
} // namespace CompanionMessage
