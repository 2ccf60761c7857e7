#include "ValueEncoding.h"

#include <gtest/gtest.h>

namespace {

TEST(ReplaceAll, ScansLeftToRightWithoutRescanning) {
    struct Case { const char* text; const char* find; const char* replacement; const char* result; };
    const Case cases[] = {
        {"a.b.c", ".", "\\", "a\\b\\c"},
        {"aaa", "aa", "b", "ba"},
        {"aa", "a", "aa", "aaaa"},
        {"abc", "abc", "", ""},
        {"abc", "x", "y", "abc"},
        {"", "a", "b", ""},
        {"abc", "", "x", "abc"},
        {"line\r\nline", "\r\n", "|Q^3|", "line|Q^3|line"},
        {"%1 and %1", "%1", "%1%1", "%1%1 and %1%1"},
    };
    for (const Case& c : cases) EXPECT_EQ(ReplaceAll(c.text, c.find, c.replacement), c.result) << c.text;
}

}  // namespace
