#include "DiscRoot.h"

#include <gtest/gtest.h>

TEST(DiscRoot, IsTheProgramDirectory) {
    struct Case { const char* programPath; const char* root; };
    const Case cases[] = {
        {"C:\\Disc\\Autorun.exe", "C:\\Disc"},
        {"D:\\My Disc\\Autorun.exe", "D:\\My Disc"},
        {"D:\\Autorun.exe", "D:"},
        {"Autorun.exe", ""},
        {"\\Autorun.exe", ""},
        {"", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(DiscRootFromProgramPath(c.programPath), c.root) << c.programPath;
}

// Every name a settings file gives is confined to the disc: what leads off it
// names nothing, so the step that uses it meets a missing file.
TEST(DiscRoot, DiscPathsStayOnTheDisc) {
    EXPECT_EQ(DiscPath("D:", "\\AutoRun\\Settings.ini"), "D:\\AutoRun\\Settings.ini");
    EXPECT_EQ(DiscPath("C:\\Disc", "\\Docs\\..\\Setup.exe"), "C:\\Disc\\Setup.exe");
    const std::string outside = DiscPath("C:\\Disc", "\\..\\outside\\tool.exe");
    EXPECT_EQ(outside.find("C:\\Disc\\"), 0u);
    EXPECT_EQ(outside.find("tool"), std::string::npos);
    EXPECT_NE(outside.find('<'), std::string::npos) << "no file can have this name: " << outside;
}
