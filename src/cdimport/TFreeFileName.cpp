#include "cdimport/TFreeFileName.h"

#include <QFile>
#include <QFileInfo>

namespace {
// Enough for any folder a person fills; a bound so that a hostile folder cannot stall us.
constexpr int maxNumber = 100000;
} // namespace

bool TFreeFileName::IsTaken(const QString& path) {
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

QString TFreeFileName::Numbered(const QString& wanted, int number) {
    const int dot = int(wanted.lastIndexOf('.'));
    const int folderEnd = int(std::max(wanted.lastIndexOf('/'), wanted.lastIndexOf('\\')));
    const int stemEnd = dot > folderEnd + 1 ? dot : int(wanted.size());
    return wanted.left(stemEnd) + ' ' + QString::number(number) + wanted.mid(stemEnd);
}

QString TFreeFileName::For(const QString& wanted) {
    if (!IsTaken(wanted))
        return wanted;
    for (int number = 2; number <= maxNumber; ++number) {
        const QString candidate = Numbered(wanted, number);
        if (!IsTaken(candidate))
            return candidate;
    }
    return {};
}

QString TFreeFileName::MoveTo(const QString& from, const QString& wanted) {
    for (int number = 1; number <= maxNumber; ++number) {
        const QString candidate = number == 1 ? wanted : Numbered(wanted, number);
        if (IsTaken(candidate))
            continue;
        // QFile::rename never replaces an existing file.
        if (QFile::rename(from, candidate))
            return candidate;
        if (!IsTaken(candidate))
            return {}; // the move itself failed, not the name
    }
    return {};
}
