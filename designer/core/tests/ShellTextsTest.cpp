#include <gtest/gtest.h>

#include "MessageText.h"
#include "ScreenScale.h"
#include "ToolTipText.h"

namespace {

TEST(ShellTexts, MessagesTakeTheirArgumentsInOrder) {
    EXPECT_EQ(FormatMessageText("The AutoRun for %s (%s) is not up to date.", {"Demo", "C:\\Discs\\Demo"}),
              "The AutoRun for Demo (C:\\Discs\\Demo) is not up to date.");
    EXPECT_EQ(FormatMessageText("at most %d characters", {"108"}), "at most 108 characters");
    // Too few arguments leave the place empty; other percent signs stay.
    EXPECT_EQ(FormatMessageText("%s and %s", {"one"}), "one and ");
    EXPECT_EQ(FormatMessageText("100% sure, %x", {}), "100% sure, %x");
    EXPECT_EQ(FormatMessageText("ends with %", {"unused"}), "ends with %");
    // An argument's own "%s" is not expanded again.
    EXPECT_EQ(FormatMessageText("name: %s", {"50%s"}), "name: 50%s");
}

TEST(ShellTexts, ToolTipsShowTheTextAfterTheFirstLineBreakWithin79Characters) {
    EXPECT_EQ(ToolTipText("Manage Projects"), "Manage Projects");
    EXPECT_EQ(ToolTipText("Status line\nTip\nmore"), "Tip\nmore");
    EXPECT_EQ(ToolTipText(std::string(100, 'a')).size(), 79u);
    EXPECT_EQ(ToolTipText(""), "");
}

TEST(ShellTexts, LayoutSizesScaleWithTheScreenTruncated) {
    const ScreenScale normal;
    EXPECT_EQ(normal.X(800), 800);
    const ScreenScale large{120, 120};
    EXPECT_EQ(large.X(800), 1000);
    EXPECT_EQ(large.Y(570), 712);
    EXPECT_EQ(large.Y(82), 102);
    EXPECT_EQ(large.X(290), 362);
    const ScreenScale broken{0, -5};
    EXPECT_EQ(broken.X(800), 800);
}

}  // namespace
