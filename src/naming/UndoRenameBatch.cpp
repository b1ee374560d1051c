#include "naming/UndoRenameBatch.h"

#include "app/DiskPath.h"
#include "naming/PathBytes.h"
#include "naming/RenameNoReplace.h"
#include "naming/TRenameJournal.h"

#include <QHash>

#include <algorithm>
#include <vector>

namespace {
using TEntry = TRenameJournal::TEntry;

// Numbers the files of the journal's entries: an entry that moves on from where an earlier one
// left a file (from its temporary name to its own) belongs to that earlier entry's file.
std::vector<int> FileOfEach(const QList<TEntry>& entries, int& files) {
    std::vector<int> fileOf;
    QHash<QByteArray, int> fileAt;
    files = 0;
    for (const TEntry& entry : entries) {
        const int file = fileAt.contains(entry.From) ? fileAt.take(entry.From) : files++;
        fileAt.insert(entry.To, file);
        fileOf.push_back(file);
    }
    return fileOf;
}

enum class THappened { Yes, No, Unknown };

// A rename begun but not on record as done: the disk tells whether it happened.
THappened Happened(const TEntry& entry) {
    if (entry.Done)
        return THappened::Yes;
    const bool atOld = ExistsOnDisk(entry.From);
    const bool atNew = ExistsOnDisk(entry.To);
    if (atNew && !atOld)
        return THappened::Yes;
    if (atOld && !atNew)
        return THappened::No;
    return THappened::Unknown;
}
} // namespace

TUndoReport UndoRenameBatch(const QString& journalPath) {
    TRenameJournal::TContents journal = TRenameJournal::Read(journalPath);
    TUndoReport report;
    for (const QByteArray& line : journal.UnreadableLines)
        report.Failures.append(QStringLiteral("Unreadable journal line: %1").arg(DisplayFormOf(line)));

    // Positions in the journal of the renames that happened, and what stays on record: the
    // renames not undone and the ones that could not be told.
    std::vector<qsizetype> happened;
    std::vector<bool> kept(size_t(journal.Entries.size()), false);
    QList<TEntry> happenedEntries;
    for (qsizetype i = 0; i < journal.Entries.size(); ++i) {
        TEntry& entry = journal.Entries[i];
        switch (Happened(entry)) {
        case THappened::Yes:
            entry.Done = true;
            happened.push_back(i);
            happenedEntries.append(entry);
            break;
        case THappened::No: break;
        case THappened::Unknown:
            kept[size_t(i)] = true;
            report.Failures.append(
                QStringLiteral("%1: Cannot tell whether it was renamed to \"%2\": %3")
                    .arg(ShownNameOf(entry.From), ShownNameOf(entry.To),
                         ExistsOnDisk(entry.From) ? QStringLiteral("both names are taken")
                                            : QStringLiteral("neither name is there")));
        }
    }
    int files = 0;
    const std::vector<int> fileOf = FileOfEach(happenedEntries, files);
    std::vector<bool> fileFailed(size_t(files), false);
    for (size_t k = happened.size(); k-- > 0;) {
        const TEntry& entry = journal.Entries[happened[k]];
        const TResult result = RenameNoReplace(entry.To, entry.From);
        if (result)
            continue;
        kept[size_t(happened[k])] = true;
        fileFailed[size_t(fileOf[k])] = true;
        report.Failures.append(QStringLiteral("%1: Cannot rename back to \"%2\". %3")
                                   .arg(ShownNameOf(entry.To), ShownNameOf(entry.From), result.ErrorText()));
    }
    report.Total = files;
    report.Undone = int(std::count(fileFailed.begin(), fileFailed.end(), false));
    QList<TEntry> left;
    for (qsizetype i = 0; i < journal.Entries.size(); ++i)
        if (kept[size_t(i)])
            left.append(journal.Entries[i]);
    journal.Entries = left;
    const TResult rewritten = TRenameJournal::Rewrite(journalPath, journal);
    if (!rewritten)
        report.Failures.append(rewritten.ErrorText());
    return report;
}

int FilesOnRecord(const QString& journalPath) {
    int files = 0;
    FileOfEach(TRenameJournal::Read(journalPath).Entries, files);
    return files;
}
