#include "naming/MakeGoodString.h"

namespace {
// Removes spaces and control characters (everything up to the space) at both ends.
// QString::trimmed would also strip non-breaking and other Unicode spaces, which users keep.
QString TrimControls(const QString& text) {
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text.at(first).unicode() <= u' ')
        ++first;
    while (last > first && text.at(last - 1).unicode() <= u' ')
        --last;
    return text.mid(first, last - first);
}

// Replaces every `before`; the search first spares most names the cost of a rebuild.
void ReplaceAll(QString& text, QLatin1StringView before, QLatin1StringView after) {
    if (text.contains(before))
        text.replace(before, after);
}
} // namespace

QString MakeGoodString(const QString& text) {
    // The order matters: later steps tidy what earlier ones leave, e.g. ", " becomes two
    // spaces, then " - ", and "A    B" ends as "A - - B".
    QString s = text;
    ReplaceAll(s, QLatin1StringView("          "), QLatin1StringView(" - "));
    s = TrimControls(s);
    s.replace(u',', u' ');
    s.replace(u'/', u' ');
    s.replace(u'\\', u' ');
    ReplaceAll(s, QLatin1StringView(";"), QLatin1StringView(" - "));
    s.replace(u':', u' ');
    s.replace(u'*', u' ');
    s.replace(u'?', u'.');
    s.replace(u'"', u'\'');
    ReplaceAll(s, QLatin1StringView("  "), QLatin1StringView(" - "));
    ReplaceAll(s, QLatin1StringView("- -"), QLatin1StringView(" "));
    ReplaceAll(s, QLatin1StringView("  "), QLatin1StringView(" "));
    s.replace(u'\t', u' ');
    ReplaceAll(s, QLatin1StringView("  "), QLatin1StringView(" "));
    ReplaceAll(s, QLatin1StringView("  "), QLatin1StringView(" "));
    return TrimControls(s);
}
