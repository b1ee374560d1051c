#include "naming/TRenameJournal.h"

#include "app/DiskPath.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace {
constexpr char hexDigits[] = "0123456789abcdef";

// The length of the UTF-8 sequence a lead byte announces; 0 for a byte that leads none.
qsizetype AnnouncedLength(unsigned char lead) {
    if (lead >= 0xC2 && lead <= 0xDF)
        return 2;
    if (lead >= 0xE0 && lead <= 0xEF)
        return 3;
    if (lead >= 0xF0 && lead <= 0xF4)
        return 4;
    return 0;
}

QByteArray Escaped(const QByteArray& path) {
    QByteArray text;
    text.reserve(path.size());
    for (qsizetype at = 0; at < path.size();) {
        const auto byte = static_cast<unsigned char>(path[at]);
        if (byte < 0x80) {
            switch (byte) {
            case '\\': text.append("\\\\"); break;
            case '\t': text.append("\\t"); break;
            case '\n': text.append("\\n"); break;
            case '\r': text.append("\\r"); break;
            default: text.append(char(byte));
            }
            ++at;
            continue;
        }
        const qsizetype length = AnnouncedLength(byte);
        if (length > 0 && at + length <= path.size() && IsValidUtf8(path.mid(at, length))) {
            text.append(path.mid(at, length));
            at += length;
        } else {
            text.append("\\x").append(hexDigits[byte >> 4]).append(hexDigits[byte & 0xF]);
            ++at;
        }
    }
    return text;
}

int HexValue(char digit) {
    if (digit >= '0' && digit <= '9')
        return digit - '0';
    if (digit >= 'a' && digit <= 'f')
        return digit - 'a' + 10;
    if (digit >= 'A' && digit <= 'F')
        return digit - 'A' + 10;
    return -1;
}

// False for a lone backslash, an unknown escape or a NUL byte: such a field was not written here.
bool Unescape(const QByteArray& text, QByteArray& path) {
    path.clear();
    path.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == '\0')
            return false;
        if (text[i] != '\\') {
            path.append(text[i]);
            continue;
        }
        if (++i == text.size())
            return false;
        switch (text[i]) {
        case '\\': path.append('\\'); break;
        case 't': path.append('\t'); break;
        case 'n': path.append('\n'); break;
        case 'r': path.append('\r'); break;
        case 'x': {
            const int high = i + 1 < text.size() ? HexValue(text[i + 1]) : -1;
            const int low = i + 2 < text.size() ? HexValue(text[i + 2]) : -1;
            if (high < 0 || low < 0 || (high == 0 && low == 0))
                return false;
            path.append(char(high * 16 + low));
            i += 2;
            break;
        }
        default: return false;
        }
    }
    return true;
}

bool ParsePath(const QByteArray& field, QByteArray& path) {
    return Unescape(field, path) && path.startsWith('/');
}

QByteArray LineOf(const char* kind, const QByteArray& from, const QByteArray& to) {
    return QByteArray(kind) + '\t' + Escaped(from) + '\t' + Escaped(to) + '\n';
}

// The last entry begun with these paths whose end is not on record yet.
qsizetype PendingEntry(const QList<TRenameJournal::TEntry>& entries, const QByteArray& from,
                       const QByteArray& to) {
    for (qsizetype i = entries.size() - 1; i >= 0; --i)
        if (!entries[i].Done && entries[i].From == from && entries[i].To == to)
            return i;
    return -1;
}

// Takes one line into `contents`; false when it is no line of a journal.
bool TakeLine(const QByteArray& line, TRenameJournal::TContents& contents) {
    const QByteArrayList fields = line.split('\t');
    TRenameJournal::TEntry entry;
    if (fields.size() == 2) // a rename done, as earlier versions wrote it
        return ParsePath(fields[0], entry.From) && ParsePath(fields[1], entry.To) &&
               (contents.Entries.append(entry), true);
    if (fields.size() != 3 || !ParsePath(fields[1], entry.From) || !ParsePath(fields[2], entry.To))
        return false;
    if (fields[0] == "move") {
        entry.Done = false;
        contents.Entries.append(entry);
        return true;
    }
    const qsizetype pending = PendingEntry(contents.Entries, entry.From, entry.To);
    if (pending < 0)
        return false;
    if (fields[0] == "done")
        contents.Entries[pending].Done = true;
    else if (fields[0] == "failed")
        contents.Entries.removeAt(pending);
    else
        return false;
    return true;
}

QString WriteError(const QFileDevice& file, const QString& path) {
    return QStringLiteral("Cannot write the rename journal \"%1\". %2")
        .arg(QDir::toNativeSeparators(path), file.errorString());
}
} // namespace

TRenameJournal::TRenameJournal(QString path) : path_(std::move(path)) {}

TResult TRenameJournal::Begin() {
    file_.close();
    file_.setFileName(path_);
    QDir().mkpath(QFileInfo(path_).path());
    if (!file_.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered))
        return TResult::Error(WriteError(file_, path_));
    return TResult::Ok();
}

TResult TRenameJournal::Write(const QByteArray& line) {
    // Unbuffered: the line is handed to the system by this one write.
    if (!file_.isOpen() || file_.write(line) != line.size())
        return TResult::Error(WriteError(file_, path_));
    return TResult::Ok();
}

TResult TRenameJournal::Intend(const QByteArray& from, const QByteArray& to) {
    return Write(LineOf("move", from, to));
}

TResult TRenameJournal::Complete(const QByteArray& from, const QByteArray& to) {
    return Write(LineOf("done", from, to));
}

TResult TRenameJournal::Abandon(const QByteArray& from, const QByteArray& to) {
    return Write(LineOf("failed", from, to));
}

TRenameJournal::TContents TRenameJournal::Read(const QString& path) {
    TContents contents;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return contents;
    const QByteArrayList lines = file.readAll().split('\n');
    for (QByteArray line : lines) {
        if (line.endsWith('\r'))
            line.chop(1); // a real carriage return is written escaped; this one came from an editor
        if (!line.isEmpty() && !TakeLine(line, contents))
            contents.UnreadableLines.append(line);
    }
    return contents;
}

TResult TRenameJournal::Rewrite(const QString& path, const TContents& contents) {
    if (contents.Entries.isEmpty() && contents.UnreadableLines.isEmpty()) {
        if (QFile::exists(path) && !QFile::remove(path))
            return TResult::Error(
                QStringLiteral("Cannot remove \"%1\"").arg(QDir::toNativeSeparators(path)));
        return TResult::Ok();
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return TResult::Error(WriteError(file, path));
    for (const QByteArray& line : contents.UnreadableLines)
        file.write(line + '\n');
    for (const TEntry& entry : contents.Entries) {
        file.write(LineOf("move", entry.From, entry.To));
        if (entry.Done)
            file.write(LineOf("done", entry.From, entry.To));
    }
    if (!file.commit())
        return TResult::Error(WriteError(file, path));
    return TResult::Ok();
}
