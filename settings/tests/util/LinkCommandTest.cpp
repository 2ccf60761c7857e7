#include "util/LinkCommand.h"
#include "util/ShellResult.h"

#include <gtest/gtest.h>

namespace {

TEST(BuildBrowserCommand, CutsAtThePlaceholderAndQuotesTheAddress) {
    struct Case { const char* registered; const char* address; const char* command; };
    const Case cases[] = {
        {"\"C:\\Browser\\browser.exe\" -nohome \"%1\"", "http://example.com",
         "\"C:\\Browser\\browser.exe\" -nohome \"http://example.com\""},
        {"C:\\Browser\\browser.exe %1", "http://example.com", "C:\\Browser\\browser.exe \"http://example.com\""},
        {"\"C:\\Browser\\browser.exe\"", "http://example.com", "\"C:\\Browser\\browser.exe\" \"http://example.com\""},
        {"browser.exe -url %1 \"%1\"", "x.htm", "browser.exe -url %1 \"x.htm\""},
        {"browser.exe %1 -new", "C:\\My Docs\\page.htm", "browser.exe \"C:\\My Docs\\page.htm\""},
    };
    for (const Case& c : cases) EXPECT_EQ(BuildBrowserCommand(c.registered, c.address), c.command) << c.registered;
}

TEST(QuoteCommandArgument, CannotBeBrokenOutOf) {
    struct Case { const char* argument; const char* quoted; };
    const Case cases[] = {
        {"plain", "\"plain\""},
        {"with blank", "\"with blank\""},
        {"x\" & calc.exe & \"", "\"x%22 & calc.exe & %22\""},
        {"C:\\dir\\", "\"C:\\dir\\\\\""},
        {"", "\"\""},
    };
    for (const Case& c : cases) EXPECT_EQ(QuoteCommandArgument(c.argument), c.quoted) << c.argument;
}

TEST(IsShellSuccess, ThirtyTwoIsAnError) {
    struct Case { std::intptr_t result; bool success; };
    const Case cases[] = {{0, false}, {2, false}, {31, false}, {32, false}, {33, true}, {42, true}, {-1, false}};
    for (const Case& c : cases) EXPECT_EQ(IsShellSuccess(c.result), c.success) << c.result;
}

}  // namespace
