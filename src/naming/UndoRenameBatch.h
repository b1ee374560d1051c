#pragma once

#include "naming/TBatchReport.h"

#include <QString>

// Renames the files of the journal at `journalPath` back to their old names, the last rename
// first, never replacing a file. A rename begun but not recorded as done is looked up on disk:
// undone when the file stands under its new name, dropped when it still has its old one. What
// could not be renamed back or told stays in the journal (with any unreadable lines), so a
// second try can pick it up; a journal fully undone is removed. The report counts files: a
// file moved aside and on to its name is one file.
TUndoReport UndoRenameBatch(const QString& journalPath);

// The number of files the journal at `journalPath` renamed (or began to rename).
int FilesOnRecord(const QString& journalPath);
