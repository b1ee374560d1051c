#include "naming/UndoRenameBatch.h"

#include "naming/RenameNoReplace.h"
#include "naming/TRenameJournal.h"

#include <QFileInfo>


namespace {
QString NameOf(const QString& path) { return QFileInfo(path).fileName(); }
} // namespace

TUndoReport UndoRenameBatch(const QString& journalPath) {
    TRenameJournal::TContents journal = TRenameJournal::Read(journalPath);
    TUndoReport report;
    report.Total = int(journal.Entries.size());
    for (const QString& line : journal.UnreadableLines)
        report.Failures.append(QStringLiteral("Unreadable journal line: %1").arg(line));

    QList<TRenameJournal::TEntry> notUndone;
    for (auto entry = journal.Entries.crbegin(); entry != journal.Entries.crend(); ++entry) {
        const TResult result = RenameNoReplace(entry->To, entry->From);
        if (result) {
            ++report.Undone;
            continue;
        }
        notUndone.prepend(*entry);
        report.Failures.append(QStringLiteral("%1: Cannot rename back to \"%2\". %3")
                                   .arg(NameOf(entry->To), NameOf(entry->From), result.ErrorText()));
    }
    journal.Entries = notUndone;
    const TResult rewritten = TRenameJournal::Rewrite(journalPath, journal);
    if (!rewritten)
        report.Failures.append(rewritten.ErrorText());
    return report;
}
