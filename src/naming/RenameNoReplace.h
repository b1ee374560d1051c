#pragma once

#include "app/TResult.h"

#include <QByteArray>
#include <QString>

// Gives the file `from` the name `to` (full paths on one file system). An existing file named
// `to` is never replaced, also not one that another program creates meanwhile: the file
// system itself refuses the name (renameat2 with RENAME_NOREPLACE; where a file system does
// not know that flag, a hard link under the new name and then the removal of the old one).
// A change of letter case only, on a file system that ignores case, goes through a temporary
// name in the same folder. On failure the result holds the system's reason ("File exists").
TResult RenameNoReplace(const QString& from, const QString& to);
// The same on the bytes the system knows the paths by (a name that is no valid UTF-8 too).
TResult RenameNoReplace(const QByteArray& from, const QByteArray& to);

// The way taken where a file system does not know RENAME_NOREPLACE: a hard link under the new
// name (refused when the name exists), then the removal of the old name.
TResult RenameByLink(const QString& from, const QString& to);
