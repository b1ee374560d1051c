#pragma once

#include <QByteArray>
#include <QString>

// Parts of a full path as the system knows it (bytes, "/" between folders), for the rename
// batch, its plan and its undo, which work on names that need not be valid UTF-8.

// The folder of `path`, with its trailing "/".
QByteArray FolderOfPath(const QByteArray& path);
// The file name of `path` as shown to the user.
QString ShownNameOf(const QByteArray& path);
// True when an entry of this name exists (a dangling link included).
bool ExistsOnDisk(const QByteArray& path);
