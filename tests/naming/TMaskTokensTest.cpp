#include "naming/TMaskTokens.h"

#include <gtest/gtest.h>

namespace {
TEST(TMaskTokens, ThirteenTokensInPoolOrder) {
    ASSERT_EQ(TMaskTokens::All().size(), 13u);
    EXPECT_STREQ(TMaskTokens::All().front().token, "%FDes;");
    EXPECT_STREQ(TMaskTokens::All().back().caption, "Label");
}

TEST(TMaskTokens, TokensOfMaskInMaskOrder) {
    EXPECT_EQ(TMaskTokens::TokensOfMask("%Trc; - %FDes;", " - "), QStringList({"%Trc;", "%FDes;"}));
    // The separator is removed whatever its letter case; repeated tokens count once.
    EXPECT_EQ(TMaskTokens::TokensOfMask("%Art;_X_%Alb;_x_%Art;", "_x_"),
              QStringList({"%Art;", "%Alb;"}));
    EXPECT_EQ(TMaskTokens::TokensOfMask("%Yea;%Bogus;%Disc;", ""), QStringList({"%Yea;", "%Disc;"}));
    EXPECT_TRUE(TMaskTokens::TokensOfMask("", " - ").isEmpty());
}

TEST(TMaskTokens, JoinPutsTheSeparatorBetweenTokensOnly) {
    EXPECT_EQ(TMaskTokens::JoinTokens({"%Trc;", "%FDes;"}, " - "), "%Trc; - %FDes;");
    EXPECT_EQ(TMaskTokens::JoinTokens({"%Trc;"}, " - "), "%Trc;");
    EXPECT_EQ(TMaskTokens::JoinTokens({}, " - "), "");
}

TEST(TMaskTokens, ExampleShowsSamplesUncleaned) {
    EXPECT_EQ(TMaskTokens::Example("%FDes;", ""), "/Full Description.wav");
    EXPECT_EQ(TMaskTokens::Example("%Trc; - %Cst; - %Disc; - %Prod;", "Mine"),
              "/01 - Mine - Disc 01 - Producer.wav");
    EXPECT_EQ(TMaskTokens::Example("", ""), "/.wav");
}
} // namespace
