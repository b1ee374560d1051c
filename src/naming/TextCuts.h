#pragma once

#include <QString>

// Cuts that never leave half a character behind. A character is what the reader sees as one:
// a letter with its combining accents, an emoji with its modifiers, never half of a UTF-16
// surrogate pair.

// The first `count` characters of `text` (all of it when it has no more).
QString LeadingCharacters(const QString& text, qsizetype count);

// The longest start of `text` whose UTF-8 form (the bytes a file name takes on disk) holds at
// most `maxBytes` bytes. A single character longer than that is cut between its code points.
QString LeadingUtf8Bytes(const QString& text, qsizetype maxBytes);

// The number of bytes of `text` in UTF-8; a lone surrogate counts three, the most it can take.
qsizetype Utf8Length(QStringView text);
