#pragma once

#include <QString>

// Cleans a text for use as a file or folder name: separators, colons, wildcards and quotes
// become spaces, dashes or dots, runs of spaces collapse and both ends are trimmed.
// The characters "<", ">" and "|" are left in; a name holding them is refused by the file system.
QString MakeGoodString(const QString& text);
