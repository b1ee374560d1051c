#include "naming/TRenameJournal.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace {
QString Escaped(const QString& path) {
    QString text = path;
    text.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    text.replace(QLatin1Char('\t'), QLatin1String("\\t"));
    text.replace(QLatin1Char('\n'), QLatin1String("\\n"));
    text.replace(QLatin1Char('\r'), QLatin1String("\\r"));
    return text;
}

// False for a lone backslash or an unknown escape: such a line was not written here.
bool Unescape(const QString& text, QString& path) {
    path.clear();
    path.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != QLatin1Char('\\')) {
            path.append(text[i]);
            continue;
        }
        if (++i == text.size())
            return false;
        switch (text[i].unicode()) {
        case '\\': path.append(QLatin1Char('\\')); break;
        case 't': path.append(QLatin1Char('\t')); break;
        case 'n': path.append(QLatin1Char('\n')); break;
        case 'r': path.append(QLatin1Char('\r')); break;
        default: return false;
        }
    }
    return true;
}

bool ParseLine(const QString& line, TRenameJournal::TEntry& entry) {
    const QStringList parts = line.split(QLatin1Char('\t'));
    return parts.size() == 2 && Unescape(parts[0], entry.From) && Unescape(parts[1], entry.To) &&
           QDir::isAbsolutePath(entry.From) && QDir::isAbsolutePath(entry.To);
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

QByteArray TRenameJournal::LineOf(const TEntry& entry) {
    return (Escaped(entry.From) + QLatin1Char('\t') + Escaped(entry.To) + QLatin1Char('\n')).toUtf8();
}

TResult TRenameJournal::Record(const QString& from, const QString& to) {
    const QByteArray line = LineOf({from, to});
    // Unbuffered: the line is handed to the system by this one write.
    if (!file_.isOpen() || file_.write(line) != line.size())
        return TResult::Error(WriteError(file_, path_));
    return TResult::Ok();
}

TRenameJournal::TContents TRenameJournal::Read(const QString& path) {
    TContents contents;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return contents;
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    for (QString line : lines) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1); // a real carriage return is written escaped; this one came from an editor
        if (line.isEmpty())
            continue;
        TEntry entry;
        if (ParseLine(line, entry))
            contents.Entries.append(entry);
        else
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
    for (const QString& line : contents.UnreadableLines)
        file.write(line.toUtf8() + '\n');
    for (const TEntry& entry : contents.Entries)
        file.write(LineOf(entry));
    if (!file.commit())
        return TResult::Error(WriteError(file, path));
    return TResult::Ok();
}
