#pragma once

#include "app/TResult.h"

#include <QByteArray>
#include <QByteArrayList>
#include <QFile>
#include <QList>
#include <QString>

// The record of the last rename batch, "RenameJournal.txt" in the program folder, one line per
// event, fields separated by a tab:
//
//   "move", old path, new path     written before the file is renamed
//   "done", old path, new path     written once the rename stands
//   "failed", old path, new path   written when the system refused it (nothing changed)
//
// Each line reaches the system before the next step, so a batch cut off by a crash leaves on
// record every rename it began; a "move" without its "done" may or may not have happened, and
// undo looks at the disk to tell. Journals of earlier versions hold lines of old and new path
// alone, one per rename done; they are read as done renames.
//
// Paths are the bytes the system knows the files by. The file is UTF-8: a byte that is no part
// of valid UTF-8 (a Latin-1 name, say) is written "\xHH"; a tab, line break or backslash inside
// a path is written "\t", "\n", "\r" or "\\".
class TRenameJournal {
public:
    static constexpr const char* FileName = "RenameJournal.txt";

    struct TEntry {
        QByteArray From;
        QByteArray To;
        bool Done = true; // false: begun, and whether it happened is not on record
    };
    // What a journal file holds: its renames in the order begun, and the lines that are none
    // (a damaged or foreign file), kept as they are so nothing is dropped unseen.
    struct TContents {
        QList<TEntry> Entries;
        QByteArrayList UnreadableLines;
    };

    explicit TRenameJournal(QString path);

    QString Path() const { return path_; }
    // Starts the journal of a new batch, replacing the last one.
    TResult Begin();
    bool Begun() const { return file_.isOpen(); }
    // Records a rename about to be asked of the system, and then how it ended.
    TResult Intend(const QByteArray& from, const QByteArray& to);
    TResult Complete(const QByteArray& from, const QByteArray& to);
    TResult Abandon(const QByteArray& from, const QByteArray& to);

    static TContents Read(const QString& path);
    // Replaces the file with `contents`; removes it when there is nothing left to keep.
    static TResult Rewrite(const QString& path, const TContents& contents);

private:
    TResult Write(const QByteArray& line);

    QString path_;
    QFile file_;
};
