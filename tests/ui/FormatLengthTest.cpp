#include "ui/FormatLength.h"

#include <gtest/gtest.h>

TEST(FormatLength, GivesMinutesHoursOrMilliseconds) {
    const struct {
        float seconds;
        const char* text;
    } cases[] = {
        {0.25f, "250 ms"},  {0.0f, "0 ms"},        {0.999f, "999 ms"}, {1.0f, "00:01"},
        {65.0f, "01:05"},   {119.9f, "01:59"},     {600.0f, "10:00"},  {3599.0f, "59:59"},
        {3600.0f, "01:00:00"}, {3725.0f, "01:02:05"}, {36061.0f, "10:01:01"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatLength(c.seconds), QString(c.text)) << c.seconds;
}
