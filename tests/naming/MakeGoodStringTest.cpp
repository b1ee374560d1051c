#include "naming/MakeGoodString.h"

#include <gtest/gtest.h>

namespace {
struct TCleanCase {
    const char* text;
    const char* expected;
};

class MakeGoodStringTest : public ::testing::TestWithParam<TCleanCase> {};

TEST_P(MakeGoodStringTest, CleansForFileNames) {
    EXPECT_EQ(MakeGoodString(QString::fromUtf8(GetParam().text)),
              QString::fromUtf8(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(Examples, MakeGoodStringTest, ::testing::Values(
    TCleanCase{"Dog,  bark", "Dog - bark"},
    TCleanCase{"Door: slam / close", "Door - slam - close"},
    TCleanCase{"What? \"Big\" bang", "What. 'Big' bang"},
    TCleanCase{"Rain;heavy", "Rain - heavy"},
    TCleanCase{"Car pass by; fast, close", "Car pass by fast - close"},
    TCleanCase{"A    B", "A - - B"},
    TCleanCase{"A   B", "A - B"},
    TCleanCase{"Wind          gust", "Wind - gust"},
    TCleanCase{"back\\slash*star", "back slash star"},
    TCleanCase{"\t\x01 padded \r\n", "padded"},
    TCleanCase{"tab\there", "tab here"},
    TCleanCase{"keeps <angle> and |pipe|", "keeps <angle> and |pipe|"},
    TCleanCase{"Dog bark -", "Dog bark -"},
    TCleanCase{"", ""}));

TEST(MakeGoodString, KeepsNonBreakingSpaceAtTheEnds) {
    // Only spaces and control characters are trimmed, as the name rules say.
    EXPECT_EQ(MakeGoodString(QString(QChar(0xA0)) + "x"), QString(QChar(0xA0)) + "x");
}
} // namespace
