#include "services/UrlEncoding.h"

#include <gtest/gtest.h>

TEST(UrlEncoding, EncodesTheDatabasesCharactersToTheByte) {
    EXPECT_EQ(UrlEncode("Big Bangs 2 - Vol. 1 (disc 2)?"),
              "Big%20Bangs%202%20%2d%20Vol%2e%201%20%28disc%202%29%3F");
    EXPECT_EQ(UrlEncode("\"a&b\",c\r\n"), "%22a%26b%22%2cc%0D%0A");
    // "%", "+" and bytes above 127 pass unchanged.
    EXPECT_EQ(UrlEncode("100% +caf\xc3\xa9"), "100%%20+caf\xc3\xa9");
}

TEST(UrlEncoding, AFormValueIsEncodedTwice) {
    EXPECT_EQ(FormBody({{"CD", "Big Bangs 2 - Vol. 1 (disc 2)?"}}),
              "CD=Big%2520Bangs%25202%2520%252d%2520Vol%252e%25201%2520%2528disc%25202%2529%253F");
    EXPECT_EQ(FormBody({{"Tracks", "a b\r\nc\r\n"}, {"Lang", "English"}}),
              "Tracks=a%2520b%250D%250Ac%250D%250A&Lang=English");
    // The second encoding: only the text after the first "=", upper-case hex, byte 128 kept.
    EXPECT_EQ(FormEncodeField("x=*#%<>[] =\t\x80\x81"), "x=%2A%23%25%3C%3E%5B%5D%20=%09\x80%81");
    EXPECT_EQ(FormEncodeField("no equals sign"), "no equals sign");
}

TEST(UrlEncoding, AQueryValueKeepsItsHashSign) {
    EXPECT_EQ(UrlQueryValue("Vol #2"), "Vol%20%232");
}
