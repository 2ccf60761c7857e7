#include "DiscRoot.h"

#include <gtest/gtest.h>

TEST(DiscRoot, IsTheProgramDirectory) {
    struct Case { const char* commandLine; const char* root; };
    const Case cases[] = {
        {"\"C:\\Disc\\Autorun.exe\" ", "C:\\Disc"},
        {"C:\\Disc\\Autorun.exe", "C:\\Disc"},
        {"\"D:\\My Disc\\Autorun.exe\" extra", "D:\\My Disc"},
        {"D:\\Autorun.exe", "D:"},
        {"Autorun.exe", ""},
        {"\\Autorun.exe", ""},
        {"", ""},
        {"\"unterminated\\Autorun.exe", "unterminated"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DiscRootFromProgramPath(FirstCommandLineElement(c.commandLine)), c.root) << c.commandLine;
    }
}
