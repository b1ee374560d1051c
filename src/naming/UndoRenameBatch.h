#pragma once

#include "naming/TBatchReport.h"

#include <QString>

// Renames the files of the journal at `journalPath` back to their old names, the last rename
// first, never replacing a file. What could not be renamed back stays in the journal (with
// any unreadable lines), so a second try can pick it up; a journal fully undone is removed.
TUndoReport UndoRenameBatch(const QString& journalPath);
