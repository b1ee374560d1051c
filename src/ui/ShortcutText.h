#pragma once

#include <QKeySequence>
#include <QString>

// The text of a shortcut as the settings file and the shortcut editor show it: the modifiers
// "Shift+", "Ctrl+", "Alt+" in that order, then the key name ("Shift+Ctrl+E", "Alt+S", "F1",
// "Space"); empty for no shortcut. Qt's own text puts Ctrl first ("Ctrl+Shift+E").
QString ShortcutToText(const QKeySequence& shortcut);

// The shortcut a text names, its modifiers in any order; no shortcut for an empty text or one
// that names no key. Only the first key of a sequence counts.
QKeySequence TextToShortcut(const QString& text);
