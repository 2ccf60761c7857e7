#include "ValueEncoding.h"

#include <gtest/gtest.h>

TEST(ParseInteger, TakesLeadingDigits) {
    struct Case { const char* text; std::int32_t expected; };
    const Case cases[] = {
        {"12", 12}, {"12abc", 12}, {"abc", 0}, {"", 0}, {"  -7", -7}, {"+5", 5}, {"-", 0},
        {"2147483647", 2147483647}, {"99999999999", 2147483647}, {"-2147483648", -2147483647 - 1},
        {"-99999999999", -2147483647 - 1}, {"3.9", 3},
    };
    for (const Case& c : cases) EXPECT_EQ(ParseInteger(c.text), c.expected) << c.text;
}
