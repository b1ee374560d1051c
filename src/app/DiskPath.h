#pragma once

#include <QByteArray>
#include <QString>

class tsound;

// Names on a Linux disk are bytes; Qt's strings and file classes assume UTF-8 and lose a name
// such as "Caf\xe9 old.wav" (Latin-1, common in old sound libraries). A record of such a file
// keeps its path's bytes in `tsound::pathOnDisk` and shows a display form in `tsound::path`;
// everything that opens, renames or writes the file asks for the bytes here.

// True when `bytes` is valid UTF-8 (what QFile::decodeName can take back unchanged).
bool IsValidUtf8(const QByteArray& bytes);
// The form shown to the user: the text itself when valid UTF-8; otherwise every byte that is
// no part of a valid UTF-8 sequence read as a Latin-1 character ("Caf\xe9" shows "Café").
QString DisplayFormOf(const QByteArray& bytes);
// The bytes to hand the system for a sound's file: its kept bytes, or its path in UTF-8.
QByteArray DiskPath(const tsound& sound);
// The bytes of a path the program made itself (always valid UTF-8).
QByteArray DiskPath(const QString& path);
// Sets both fields from a path read off the disk: `pathOnDisk` only when it is no valid UTF-8.
void SetPathFromDisk(tsound& sound, const QByteArray& bytes);
// Sets a new path the program chose (a rename's target): the kept bytes are dropped.
void SetPath(tsound& sound, const QString& path);
