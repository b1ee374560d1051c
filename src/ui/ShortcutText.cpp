#include "ui/ShortcutText.h"

QString ShortcutToText(const QKeySequence& shortcut) {
    if (shortcut.isEmpty())
        return QString();
    const QKeyCombination combination = shortcut[0];
    const Qt::KeyboardModifiers modifiers = combination.keyboardModifiers();
    QString text;
    if (modifiers & Qt::ShiftModifier)
        text += QStringLiteral("Shift+");
    if (modifiers & Qt::ControlModifier)
        text += QStringLiteral("Ctrl+");
    if (modifiers & Qt::AltModifier)
        text += QStringLiteral("Alt+");
    if (modifiers & Qt::MetaModifier)
        text += QStringLiteral("Meta+");
    return text + QKeySequence(combination.key()).toString(QKeySequence::PortableText);
}

QKeySequence TextToShortcut(const QString& text) {
    const QKeySequence sequence = QKeySequence::fromString(text, QKeySequence::PortableText);
    if (sequence.isEmpty() || sequence[0].key() == Qt::Key_unknown)
        return QKeySequence();
    return QKeySequence(sequence[0]);
}
