#pragma once

#include <QString>
#include <QStringList>

// What an auto-complete box does with the field text after a key release.
enum class TSuggestionBoxChange {
    Hide,     // too little typed, or nothing matches
    KeepAsIs, // no history to look in: the box neither shows nor hides
    Show,     // place the box under the field and show the suggestions
};

struct TSuggestions {
    QStringList Items;
    TSuggestionBoxChange Change = TSuggestionBoxChange::Hide;
};

// Completion of the whole field text: from three characters on, every non-empty history
// entry that begins with `fieldText` without regard to letter case, in history order.
TSuggestions LongSuggestions(const QStringList& history, const QString& fieldText);
