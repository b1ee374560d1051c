#pragma once

#include <QByteArray>
#include <QList>

// The lines of a text as a string list reads them: CR LF, LF and a lone CR each end a line,
// and a break at the very end adds no empty line ("" has no lines, "a\n" one).
QList<QByteArray> SplitTextLines(const QByteArray& text);

// How many lines SplitTextLines would give, counted up to `atMost`.
qsizetype CountTextLines(const QByteArray& text, qsizetype atMost);
