#pragma once

#include "app/SoundTypes.h"
#include "ui/tListLayout.h"

#include <QColor>

// The colours a row of the sound list is painted in, by the row's state. Every text colour
// here reaches 4.5:1 against its background (normal text, WCAG AA), so that a row can be read
// on any screen and by a user who sees colours weakly; a state is never told by colour alone
// (an error row says "Error", a job row says what it does).
struct TRowColours {
    QColor Background;
    QColor Text;        // names, times, tags
    QColor Description; // the sound's description
    QColor Details;     // the time block's background
};

TRowColours NormalRowColours(TSoundStatus status, bool selected, const tListLayout& layout);
TRowColours JobRowColours(TSoundStatus status);
TRowColours RenameRowColours(bool selected, const tListLayout& layout);
// The contrast ratio of two colours as WCAG defines it: 1 (the same) to 21 (black on white).
double ContrastRatio(const QColor& first, const QColor& second);
