#include "naming/DescriptionTools.h"

#include "app/TSoundList.h"
#include "app/tsound.h"
#include "naming/MakeGoodString.h"

#include <algorithm>

namespace {
void RemoveIndexNumber(QString& line) {
    for (char digit = '0'; digit <= '9'; ++digit)
        if (line.size() > 1 && line[0] == QLatin1Char('0') && line[1] == QLatin1Char(digit))
            line.remove(0, 1);
    for (int sweep = 0; sweep < 3; ++sweep)
        for (char digit = '0'; digit <= '9'; ++digit)
            if (!line.isEmpty() && line[0] == QLatin1Char(digit))
                line.remove(0, 1);
}

bool IsAsciiLower(QChar c) { return c >= QLatin1Char('a') && c <= QLatin1Char('z'); }
bool IsAsciiUpper(QChar c) { return c >= QLatin1Char('A') && c <= QLatin1Char('Z'); }

void CapitalAt(QString& line, qsizetype position) {
    if (position < line.size() && IsAsciiLower(line[position]))
        line[position] = QChar(line[position].unicode() - 'a' + 'A');
}

void RemoveCapitalsOf(QString& line) {
    for (QChar& c : line)
        if (IsAsciiUpper(c))
            c = QChar(c.unicode() - 'A' + 'a');
    CapitalAt(line, 0);
    for (qsizetype stop = line.indexOf(QLatin1String(". "), 1); stop >= 0;
         stop = line.indexOf(QLatin1String(". "), stop + 1))
        CapitalAt(line, stop + 2);
}
} // namespace

void RemoveIndexNumbers(QStringList& lines) {
    for (QString& line : lines)
        RemoveIndexNumber(line);
}

void RemoveCapitals(QStringList& lines) {
    for (QString& line : lines)
        RemoveCapitalsOf(line);
}

void TrimFirstChars(QStringList& lines, int count) {
    for (QString& line : lines)
        line.remove(0, std::max(0, count));
}

void TrimLastChar(QStringList& lines) {
    for (QString& line : lines)
        line.chop(1);
}

void PrependText(QStringList& lines, const QString& text) {
    for (QString& line : lines)
        line.prepend(text + QLatin1Char(' '));
}

void AppendText(QStringList& lines, const QString& text) {
    for (QString& line : lines)
        line.append(QLatin1Char(' ') + text);
}

void ReplaceAll(QStringList& lines, const QString& from, const QString& to) {
    if (from.isEmpty())
        return;
    for (QString& line : lines)
        line.replace(from, to, Qt::CaseSensitive);
}

void MakeGoodStrings(QStringList& lines) {
    for (QString& line : lines)
        line = MakeGoodString(line);
}

QStringList DescriptionLines(const TSoundList& sounds) {
    QStringList lines;
    lines.reserve(sounds.Count());
    for (const tsound* sound : sounds)
        lines.append(sound->Description);
    return lines;
}

void SetDescriptions(TSoundList& sounds, const QStringList& lines) {
    const int count = std::min(sounds.Count(), int(lines.size()));
    for (int i = 0; i < count; ++i)
        sounds.Items(i)->Description = lines[i];
}

void SyncTitlesFromDescriptions(TSoundList& sounds, bool alsoComment) {
    for (tsound* sound : sounds) {
        sound->ID3.Title = sound->Description;
        if (alsoComment)
            sound->ID3.Comment = sound->Description;
    }
}
