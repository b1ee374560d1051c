#include "ui/ShortcutText.h"

#include <gtest/gtest.h>

TEST(ShortcutText, ModifiersInTheOrderShiftCtrlAltBothWays) {
    struct TCase {
        QKeyCombination shortcut;
        const char* text;
    };
    const TCase cases[] = {
        {Qt::CTRL | Qt::SHIFT | Qt::Key_E, "Shift+Ctrl+E"},
        {Qt::ALT | Qt::Key_S, "Alt+S"},
        {Qt::CTRL | Qt::Key_R, "Ctrl+R"},
        {Qt::SHIFT | Qt::CTRL | Qt::ALT | Qt::Key_F5, "Shift+Ctrl+Alt+F5"},
        {QKeyCombination(Qt::Key_F1), "F1"},
        {QKeyCombination(Qt::Key_Space), "Space"},
        {Qt::SHIFT | Qt::Key_PageDown, "Shift+PgDown"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ShortcutToText(QKeySequence(c.shortcut)), c.text);
        EXPECT_EQ(TextToShortcut(c.text), QKeySequence(c.shortcut));
    }
}

TEST(ShortcutText, QtOrderIsReadTooAndWhatNamesNoKeyGivesNone) {
    EXPECT_EQ(TextToShortcut("Ctrl+Shift+E"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E));
    EXPECT_EQ(TextToShortcut("F1, F2"), QKeySequence(Qt::Key_F1)); // one key per action
    for (const char* nothing : {"", "nonsense+", "Shift+", "Ctrl+Nokey"})
        EXPECT_TRUE(TextToShortcut(nothing).isEmpty()) << nothing;
    EXPECT_EQ(ShortcutToText(QKeySequence()), "");
}
