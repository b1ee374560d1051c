#pragma once

#include <QStringList>

#include <limits>

// Numbers equal lines in place: the first of a group gets " 1", each later equal line " 2",
// " 3", ... (three lines "Dog" become "Dog 1", "Dog 2", "Dog 3"). Lines are equal also when
// they differ only in letter case ("Dog" and "dog" are one file on the case-insensitive file
// systems sound libraries often live on); each keeps its own spelling. Lines are taken in order
// and a line renamed by an earlier group takes part in later comparisons with its new text.
// Where that numbering would still leave two equal lines ("A 2", "A", "A"), the later one is
// numbered on until it differs from every other line, so no two lines are ever equal.
// With `maxUtf8Bytes`, a numbered line is cut before its number, at a character boundary, so
// that it stays within that many UTF-8 bytes (lines are expected to fit before numbering).
// Only lines of equal text are compared and no number is tried twice, so 100,000 lines take a
// fraction of a second.
void FixDuplicates(QStringList& lines,
                   qsizetype maxUtf8Bytes = std::numeric_limits<qsizetype>::max());
