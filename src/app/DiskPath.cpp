#include "app/DiskPath.h"

#include "app/tsound.h"

#include <QFile>

namespace {
// The length of the valid UTF-8 sequence starting at `at`, 0 when there is none.
qsizetype Utf8SequenceAt(const QByteArray& bytes, qsizetype at) {
    const auto byte = [&](qsizetype i) { return static_cast<unsigned char>(bytes[i]); };
    const unsigned char lead = byte(at);
    if (lead < 0x80)
        return 1;
    qsizetype length = 0;
    char32_t code = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        code = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        code = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        code = lead & 0x07;
    } else {
        return 0;
    }
    if (at + length > bytes.size())
        return 0;
    for (qsizetype i = 1; i < length; ++i) {
        if ((byte(at + i) & 0xC0) != 0x80)
            return 0;
        code = (code << 6) | (byte(at + i) & 0x3F);
    }
    // Overlong forms, surrogates and code points past U+10FFFF are no valid UTF-8.
    const char32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (code < smallest[length] || (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF)
        return 0;
    return length;
}
} // namespace

bool IsValidUtf8(const QByteArray& bytes) {
    for (qsizetype at = 0; at < bytes.size();) {
        const qsizetype length = Utf8SequenceAt(bytes, at);
        if (length == 0)
            return false;
        at += length;
    }
    return true;
}

QString DisplayFormOf(const QByteArray& bytes) {
    // Folder listings pass every name of 100,000 files through here: valid runs are decoded
    // whole, not a character at a time.
    QString text;
    text.reserve(bytes.size());
    qsizetype runStart = 0;
    auto endRun = [&](qsizetype at) {
        if (at > runStart)
            text += QString::fromUtf8(bytes.constData() + runStart, at - runStart);
    };
    for (qsizetype at = 0; at < bytes.size();) {
        const qsizetype length = Utf8SequenceAt(bytes, at);
        if (length == 0) {
            endRun(at);
            text += QChar(static_cast<unsigned char>(bytes[at]));
            runStart = ++at;
        } else {
            at += length;
        }
    }
    endRun(bytes.size());
    return text;
}

QByteArray DiskPath(const tsound& sound) {
    return sound.pathOnDisk.isEmpty() ? DiskPath(sound.path) : sound.pathOnDisk;
}

QByteArray DiskPath(const QString& path) { return QFile::encodeName(path); }

void SetPathFromDisk(tsound& sound, const QByteArray& bytes) {
    sound.path = DisplayFormOf(bytes);
    sound.pathOnDisk = IsValidUtf8(bytes) ? QByteArray() : bytes;
}

void SetPath(tsound& sound, const QString& path) {
    sound.path = path;
    sound.pathOnDisk.clear();
}
