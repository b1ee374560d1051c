#include "ui/LongSuggestions.h"

namespace {
const int shortestCompletedText = 3;
} // namespace

TSuggestions LongSuggestions(const QStringList& history, const QString& fieldText) {
    TSuggestions result;
    if (fieldText.size() < shortestCompletedText)
        return result;
    if (history.isEmpty()) {
        result.Change = TSuggestionBoxChange::KeepAsIs;
        return result;
    }
    for (const QString& entry : history)
        if (!entry.isEmpty() && entry.startsWith(fieldText, Qt::CaseInsensitive))
            result.Items.append(entry);
    result.Change =
        result.Items.isEmpty() ? TSuggestionBoxChange::Hide : TSuggestionBoxChange::Show;
    return result;
}
