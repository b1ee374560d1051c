#pragma once

#include "app/TResult.h"

#include <QFile>
#include <QList>
#include <QString>
#include <QStringList>

// The record of the last rename batch, "RenameJournal.txt" in the program folder: one line per
// rename done, the old and the new full path separated by a tab, in UTF-8. Each line reaches
// the system as soon as its rename is done, so a batch cut off by a crash still leaves every
// rename it made on record. A tab, line break or backslash inside a path is written as "\t",
// "\n", "\r" or "\\".
class TRenameJournal {
public:
    static constexpr const char* FileName = "RenameJournal.txt";

    struct TEntry {
        QString From;
        QString To;
    };
    // What a journal file holds: its entries in the order written, and the lines that are no
    // entry (a damaged or foreign file), kept as they are so nothing is dropped unseen.
    struct TContents {
        QList<TEntry> Entries;
        QStringList UnreadableLines;
    };

    explicit TRenameJournal(QString path);

    QString Path() const { return path_; }
    // Starts the journal of a new batch, replacing the last one.
    TResult Begin();
    bool Begun() const { return file_.isOpen(); }
    // Records one rename done.
    TResult Record(const QString& from, const QString& to);

    static TContents Read(const QString& path);
    // Replaces the file with `contents`; removes it when there is nothing left to keep.
    static TResult Rewrite(const QString& path, const TContents& contents);

    static QByteArray LineOf(const TEntry& entry);

private:
    QString path_;
    QFile file_;
};
