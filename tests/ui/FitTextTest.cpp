#include "ui/FitText.h"

#include <gtest/gtest.h>

namespace {
// Every character 7 pixels wide, so the widths below are easy to follow.
int FixedWidth(const QString& text) { return int(text.size()) * 7; }
} // namespace

TEST(FitText, ShortensStepByStepUntilItFits) {
    const QString rain = "Thunder and heavy rain"; // 22 characters: 154 + 24 pixels
    const struct {
        int width;
        const char* fitted;
    } cases[] = {
        {178, "Thunder and heavy rain"}, // fits exactly
        {177, "Thunder and heavy..."},
        {150, "Thunder and hea..."},
        {140, "Thunder and h..."},
        {0, "T..."}, // stops once 5 characters or fewer are left
    };
    for (const auto& c : cases)
        EXPECT_EQ(FitText(rain, c.width, FixedWidth), QString(c.fitted)) << c.width;
}

TEST(FitText, LeavesShortTextsAloneAndHonoursTheMargin) {
    EXPECT_EQ(FitText("Wind", 0, FixedWidth), QString("Wind"));
    EXPECT_EQ(FitText("", 0, FixedWidth), QString(""));
    // Without a margin the text may use the whole width.
    EXPECT_EQ(FitText("Thunder and heavy rain", 154, FixedWidth, 0), QString("Thunder and heavy rain"));
    EXPECT_EQ(FitText("Thunder and heavy rain", 153, FixedWidth, 0), QString("Thunder and heavy..."));
}
