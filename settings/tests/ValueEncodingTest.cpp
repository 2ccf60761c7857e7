#include "ValueEncoding.h"

#include <gtest/gtest.h>

TEST(ParseInteger, TakesLeadingDigits) {
    struct Case { const char* text; std::int32_t expected; };
    const Case cases[] = {
        {"12", 12}, {"12abc", 12}, {"abc", 0}, {"", 0}, {"  -7", -7}, {"+5", 5}, {"-", 0},
        {"2147483647", 2147483647}, {"99999999999", 2147483647}, {"-2147483648", -2147483647 - 1},
        {"-99999999999", -2147483647 - 1}, {"3.9", 3}, {"\t42 ", 42},
    };
    for (const Case& c : cases) EXPECT_EQ(ParseInteger(c.text), c.expected) << c.text;
}

TEST(ParseBoolean, IsTrueExactlyForTrueInAnyCase) {
    struct Case { const char* text; bool expected; };
    const Case cases[] = {
        {"true", true}, {"TRUE", true}, {"True", true}, {"1", false}, {"yes", false},
        {"false", false}, {"truee", false}, {" true", false}, {"", false},
    };
    for (const Case& c : cases) EXPECT_EQ(ParseBoolean(c.text), c.expected) << c.text;
}

TEST(MultiLine, LineBreaksAreStoredAsMarker) {
    struct Case { const char* text; const char* stored; };
    const Case cases[] = {
        {"one\r\ntwo", "one|Q^3|two"},
        {"\r\n\r\n", "|Q^3||Q^3|"},
        {"no break", "no break"},
        {"lone\nfeed", "lone\nfeed"},
        {"", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(EncodeMultiLine(c.text), c.stored);
        EXPECT_EQ(DecodeMultiLine(c.stored), c.text);
    }
}

TEST(Colour, RedIsTheLowByte) {
    RgbColor orange = MakeRgb(255, 128, 0);
    EXPECT_EQ(orange, 0x0080FFu);
    EXPECT_EQ(RedOf(orange), 255u);
    EXPECT_EQ(GreenOf(orange), 128u);
    EXPECT_EQ(BlueOf(orange), 0u);
}

TEST(Scrambled, EveryCharacterFromBangToZComesBack) {
    std::string all;
    for (char c = '!'; c <= 'z'; ++c) all += c;
    for (const char* key : {"Password", "Username", "Active"}) {
        auto stored = Scramble(key, all);
        ASSERT_TRUE(stored.has_value());
        EXPECT_EQ(stored->find(all), std::string::npos) << "the text is stored in the clear";
        auto plain = Unscramble(key, *stored);
        ASSERT_TRUE(plain.has_value());
        EXPECT_EQ(*plain, all);
    }
}

TEST(Scrambled, StoredFormBeginsWithTheKeyInUpperCase) {
    // Each byte moves up by ten, so "P" (80) is stored as "Z" (90).
    auto stored = Scramble("Password", "x");
    ASSERT_TRUE(stored.has_value());
    EXPECT_EQ(stored->substr(0, 8), "ZK]]aY\\N");
}

TEST(Scrambled, TooLongTextIsRefused) {
    // Key, text and the three-character marker must stay below 256.
    std::string fits(256 - 8 - 3 - 1, 'a');
    EXPECT_TRUE(Scramble("Password", fits).has_value());
    EXPECT_FALSE(Scramble("Password", fits + "a").has_value());
}

TEST(Scrambled, MalformedStoredValuesAreRejected) {
    EXPECT_FALSE(Unscramble("Password", "").has_value());
    EXPECT_FALSE(Unscramble("Password", "short").has_value());
    EXPECT_FALSE(Unscramble("Password", std::string(10, 'x')).has_value());  // key + marker is 11
    EXPECT_TRUE(Unscramble("Password", std::string(11, 'x')).has_value());
    EXPECT_FALSE(Unscramble("Password", std::string(256, 'x')).has_value());
}
