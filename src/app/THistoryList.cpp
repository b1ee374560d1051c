#include "app/THistoryList.h"

#include "app/EAppError.h"

#include <QCollator>
#include <QFile>
#include <QSaveFile>

#include <algorithm>

namespace {
const QCollator& CaseBlindCollator() {
    static const QCollator collator = [] {
        QCollator c;
        c.setCaseSensitivity(Qt::CaseInsensitive);
        return c;
    }();
    return collator;
}
} // namespace

int THistoryList::InsertPosition(const QString& text, bool& exists) const {
    const QCollator& collator = CaseBlindCollator();
    auto position = std::lower_bound(entries_.begin(), entries_.end(), text,
                                     [&](const QString& entry, const QString& value) {
                                         return collator.compare(entry, value) < 0;
                                     });
    exists = std::any_of(entries_.begin(), entries_.end(), [&](const QString& entry) {
        return entry.compare(text, Qt::CaseInsensitive) == 0;
    });
    return int(position - entries_.begin());
}

void THistoryList::Add(const QString& text) {
    bool exists = false;
    const int position = InsertPosition(text, exists);
    if (!exists)
        entries_.insert(position, text);
}

bool THistoryList::LoadFromFile(const QString& fileName) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QString content = QString::fromUtf8(file.readAll());
    QStringList lines = content.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast(); // the terminator of the last line
    entries_.clear();
    for (QString line : lines) {
        if (line.endsWith('\r'))
            line.chop(1);
        Add(line);
    }
    return true;
}

void THistoryList::SaveToFile(const QString& fileName) const {
    QByteArray content;
    for (const QString& entry : entries_)
        content += entry.toUtf8() + "\r\n";
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size() ||
        !file.commit())
        throw EAppError(QString("Cannot write %1: %2").arg(fileName, file.errorString()));
}
