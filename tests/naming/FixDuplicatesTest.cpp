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
    TDuplicatesCase{{"dog", "Dog"}, {"dog", "Dog"}},
    // A line renamed by an earlier group takes part in later comparisons with its new text.
    TDuplicatesCase{{"A", "A", "A 2"}, {"A 1", "A 2 1", "A 2 2"}},
    TDuplicatesCase{{}, {}},
    // Collisions the classic rule leaves are numbered on until the names differ.
    TDuplicatesCase{{"A 2", "A", "A"}, {"A 2", "A 1", "A 3"}},
    TDuplicatesCase{{"A 2", "A 3", "A", "A"}, {"A 2", "A 3", "A 1", "A 4"}},
    TDuplicatesCase{{"A", "A", "A 1"}, {"A 1", "A 2", "A 1 2"}}));

TEST(FixDuplicates, LeavesNoEqualNamesInALargeMixedList) {
    QStringList lines;
    for (int i = 0; i < 3000; ++i)
        lines.append(i % 3 == 0 ? QStringLiteral("Rain %1").arg(i % 7) : QStringLiteral("Rain"));
    FixDuplicates(lines);
    EXPECT_EQ(QSet<QString>(lines.begin(), lines.end()).size(), lines.size());
}
} // namespace
