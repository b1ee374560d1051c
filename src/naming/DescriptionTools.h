#pragma once

#include <QString>
#include <QStringList>

class TSoundList;

// The batch text tools of the description editor. Each works on every line, in place.

// Removes leading digits: first a "0" before a digit (digits 0 to 9 in turn), then three
// sweeps of the digits 0 to 9, one leading character per check ("12 - x" gives " - x").
void RemoveIndexNumbers(QStringList& lines);
// Lower case from A to Z, then a capital at the start and after every ". ".
void RemoveCapitals(QStringList& lines);
// Each line without its first `count` characters; a shorter line becomes empty.
void TrimFirstChars(QStringList& lines, int count);
// Each line without its last character.
void TrimLastChar(QStringList& lines);
// `text` + " " + line, and line + " " + `text`.
void PrependText(QStringList& lines, const QString& text);
void AppendText(QStringList& lines, const QString& text);
// Every `from` becomes `to`, case-sensitively; an empty `from` changes nothing.
void ReplaceAll(QStringList& lines, const QString& from, const QString& to);
// MakeGoodString on every line.
void MakeGoodStrings(QStringList& lines);

// The descriptions as the editor's lines, one per sound in list order.
QStringList DescriptionLines(const TSoundList& sounds);
// Line i becomes the description of sound i, as far as both go.
void SetDescriptions(TSoundList& sounds, const QStringList& lines);
// Every title from its description; the comment too when `alsoComment` (the import panel's
// sound-effects tab is the active one).
void SyncTitlesFromDescriptions(TSoundList& sounds, bool alsoComment);
