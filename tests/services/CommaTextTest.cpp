#include "services/TCommaText.h"
#include "services/TextLines.h"

#include <gtest/gtest.h>

TEST(CommaText, SplitsAtCommasAndRunsOfBlanks) {
    struct Case {
        QByteArray text;
        QList<QByteArray> tokens;
    } cases[] = {
        {"3,2.2,Auto,x,-silent,@,New,features", {"3", "2.2", "Auto", "x", "-silent", "@", "New", "features"}},
        {"3 2.2\tAuto\r\nx  -silent @ New features\r\n", {"3", "2.2", "Auto", "x", "-silent", "@", "New", "features"}},
        {"200 rock 7a0b3c0d Some Artist / Some Album",
         {"200", "rock", "7a0b3c0d", "Some", "Artist", "/", "Some", "Album"}},
        {"a,,b", {"a", "", "b"}},
        {"a , , b", {"a", "", "b"}},
        {"a,b,", {"a", "b", ""}},
        {"  lead", {"lead"}},
        {"", {}},
        {"\"two words\",\"say \"\"hi\"\"\" x", {"two words", "say \"hi\"", "x"}},
        {"\"unclosed quote", {"unclosed quote"}},
        {"\"ab\"cd", {"ab", "cd"}},
        {QByteArray("a\0b c", 5), {"a"}},
        {"caf\xc3\xa9 \xff", {"caf\xc3\xa9", "\xff"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(TCommaText::Split(c.text), c.tokens) << c.text.toStdString();
}

TEST(CommaText, TenMegabytesOfTextSplitInTime) {
    QByteArray text;
    while (text.size() < 10 * 1024 * 1024)
        text += "token,\"quoted text\" ";
    EXPECT_EQ(TCommaText::Split(text).size(), text.count(',') * 2);
}

TEST(TextLines, BreaksAsAStringListReadsThem) {
    EXPECT_EQ(SplitTextLines(""), QList<QByteArray>());
    EXPECT_EQ(SplitTextLines("a"), QList<QByteArray>({"a"}));
    EXPECT_EQ(SplitTextLines("a\n"), QList<QByteArray>({"a"}));
    EXPECT_EQ(SplitTextLines("a\r\nb\rc\n\nd"), QList<QByteArray>({"a", "b", "c", "", "d"}));
    for (const QByteArray text : {"", "a", "a\n", "a\r\nb\rc\n\nd", "\n\n"})
        EXPECT_EQ(CountTextLines(text, 100), SplitTextLines(text).size()) << text.toStdString();
    EXPECT_EQ(CountTextLines("a\nb\nc\nd", 2), 2);
}
