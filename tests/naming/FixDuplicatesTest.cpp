#include "naming/FixDuplicates.h"

#include <QSet>

#include <gtest/gtest.h>

namespace {
struct TDuplicatesCase {
    QStringList lines;
    QStringList expected;
};

class FixDuplicatesTest : public ::testing::TestWithParam<TDuplicatesCase> {};

TEST_P(FixDuplicatesTest, NumbersEqualLines) {
    QStringList lines = GetParam().lines;
    FixDuplicates(lines);
    EXPECT_EQ(lines, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, FixDuplicatesTest, ::testing::Values(
    TDuplicatesCase{{"Dog", "Dog", "Cat"}, {"Dog 1", "Dog 2", "Cat"}},
    TDuplicatesCase{{"Dog", "Dog", "Dog"}, {"Dog 1", "Dog 2", "Dog 3"}},
    TDuplicatesCase{{"Rain", "Rain"}, {"Rain 1", "Rain 2"}},
    TDuplicatesCase{{"Cat", "Dog", "Cat", "Dog"}, {"Cat 1", "Dog 1", "Cat 2", "Dog 2"}},
    // Names that differ only in letter case are one file on FAT, exFAT and SMB.
    TDuplicatesCase{{"dog", "Dog"}, {"dog 1", "Dog 2"}},
    TDuplicatesCase{{"Dog", "DOG", "Cat", "dog"}, {"Dog 1", "DOG 2", "Cat", "dog 3"}},
    TDuplicatesCase{{QString::fromUtf8("Ärger"), QString::fromUtf8("ärger")},
                    {QString::fromUtf8("Ärger 1"), QString::fromUtf8("ärger 2")}},
    TDuplicatesCase{{"Dog 1", "dog", "dog"}, {"Dog 1", "dog 3", "dog 2"}},
    // A line renamed by an earlier group takes part in later comparisons with its new text.
    TDuplicatesCase{{"A", "A", "A 2"}, {"A 1", "A 2 1", "A 2 2"}},
    TDuplicatesCase{{}, {}},
    // Collisions the classic rule leaves are numbered on until the names differ.
    TDuplicatesCase{{"A 2", "A", "A"}, {"A 2", "A 1", "A 3"}},
    TDuplicatesCase{{"A 2", "A 3", "A", "A"}, {"A 2", "A 3", "A 1", "A 4"}},
    TDuplicatesCase{{"A", "A", "A 1"}, {"A 1", "A 2", "A 1 2"}}));

TEST(FixDuplicates, NumberedLinesAreCutBeforeTheNumberToFitTheByteLimit) {
    struct Case {
        QStringList lines;
        qsizetype maxBytes;
        QStringList expected;
    };
    const QString e = QString::fromUtf8("é"); // two bytes
    const Case cases[] = {
        {{"abcdefghij", "abcdefghij"}, 10, {"abcdefgh 1", "abcdefgh 2"}},
        {{"abcdefg ij", "abcdefg ij"}, 10, {"abcdefg 1", "abcdefg 2"}}, // no space before " 1"
        {{e.repeated(5), e.repeated(5)}, 10, {e.repeated(4) + " 1", e.repeated(4) + " 2"}},
        {{"short", "short"}, 10, {"short 1", "short 2"}},
        {{"unique", "other"}, 5, {"unique", "other"}}, // only numbered lines are cut
    };
    for (const Case& c : cases) {
        QStringList lines = c.lines;
        FixDuplicates(lines, c.maxBytes);
        EXPECT_EQ(lines, c.expected);
    }
    // Cutting makes two different names equal: they are numbered on until they differ.
    QStringList lines = {"abcdefghiX", "abcdefghiX", "abcdefghiY", "abcdefghiY"};
    FixDuplicates(lines, 10);
    EXPECT_EQ(QSet<QString>(lines.begin(), lines.end()).size(), 4) << lines.join('|').toStdString();
    for (const QString& line : lines)
        EXPECT_LE(line.toUtf8().size(), 10);
}

TEST(FixDuplicates, NumberedNamesCollidingWithExistingOnesGetTheNextFreeNumbers) {
    QStringList lines;
    for (int i = 1; i <= 2500; ++i)
        lines.append(QStringLiteral("Dog %1").arg(i));
    for (int i = 0; i < 2500; ++i)
        lines.append(QStringLiteral("Dog"));
    FixDuplicates(lines);
    for (int i = 0; i < 5000; ++i)
        ASSERT_EQ(lines[i], QStringLiteral("Dog %1").arg(i + 1)) << i;
}

TEST(FixDuplicates, LeavesNoEqualNamesInALargeMixedList) {
    QStringList lines;
    for (int i = 0; i < 3000; ++i)
        lines.append(i % 3 == 0 ? QStringLiteral("Rain %1").arg(i % 7) : QStringLiteral("Rain"));
    FixDuplicates(lines);
    EXPECT_EQ(QSet<QString>(lines.begin(), lines.end()).size(), lines.size());
}
} // namespace
