#pragma once

#include <QStringList>

// Numbers equal lines in place: the first of a group gets " 1", each later equal line " 2",
// " 3", ... (three lines "Dog" become "Dog 1", "Dog 2", "Dog 3"). Lines are taken in order and
// a line renamed by an earlier group takes part in later comparisons with its new text.
// Where that numbering would still leave two equal lines ("A 2", "A", "A"), the later one is
// numbered on until it differs from every other line, so no two lines are ever equal.
// Only lines of equal text are compared, so 100,000 lines take a fraction of a second.
void FixDuplicates(QStringList& lines);
