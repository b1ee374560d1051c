#pragma once

#include <QString>

// Names that nothing on disk has yet, for the files an import makes next to the user's own:
// the wanted name, or it numbered before its extension ("Track 02 2.wav", "Track 02 3.wav").
class TFreeFileName {
public:
    // The first of the wanted name and its numbered forms under which nothing exists, not even
    // a folder or a dangling link.
    static QString For(const QString& wanted);
    // `wanted` with " <number>" before its extension.
    static QString Numbered(const QString& wanted, int number);
    // Moves `from` to the first free form of `wanted`, never replacing a file, also when one
    // appears meanwhile. The new name; empty when it could not be moved.
    static QString MoveTo(const QString& from, const QString& wanted);

private:
    static bool IsTaken(const QString& path);
};
