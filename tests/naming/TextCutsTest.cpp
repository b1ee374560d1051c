#include "naming/TextCuts.h"

#include <gtest/gtest.h>

namespace {
TEST(LeadingUtf8Bytes, CutsOnlyAtCharacterBoundaries) {
    const QString accented = QString::fromUtf8("e\u0301");  // three bytes, one character
    const QString flag = QString::fromUtf8("🇩🇪");          // eight bytes, one character
    const QString lone = QString(QChar(0xD83D));            // counted as three bytes, the most
    const struct {
        QString text;
        qsizetype maxBytes;
        QString expected;
    } cases[] = {
        {"abc", 3, "abc"},
        {"abc", 2, "ab"},
        {"a" + accented, 3, "a"},                  // the accent stays with its letter
        {"a" + accented, 4, "a" + accented},
        {flag + "x", 7, QString::fromUtf8("🇩")},  // one character too long: by code points
        {"a" + lone + "b", 4, "a" + lone},
        {"", 0, ""},
    };
    for (const auto& c : cases) {
        const QString cut = LeadingUtf8Bytes(c.text, c.maxBytes);
        EXPECT_EQ(cut, c.expected) << c.text.toStdString() << " " << c.maxBytes;
        EXPECT_LE(cut.toUtf8().size(), c.maxBytes);
    }
}
} // namespace
