#include "actions/ActionTarget.h"

#include <gtest/gtest.h>

#include "records/SettingsLaunch.h"

namespace {

CSettingsLaunch Action(std::int32_t kind, const std::string& file) {
    CSettingsLaunch action;
    action.LaunchTypeV3 = kind;
    action.File = file;
    return action;
}

TEST(ActionTarget, DiscItemsLieBelowTheDiscRoot) {
    struct Case { std::int32_t kind; const char* root; const char* file; const char* target; };
    const Case cases[] = {
        {kLaunchOpenDocument, "D:\\Disc", "\\Docs\\Manual.pdf", "D:\\Disc\\Docs\\Manual.pdf"},
        {kLaunchOpenDocument, "D:\\", "\\Docs\\Manual.pdf", "D:\\Docs\\Manual.pdf"},
        {kLaunchExplore, "D:\\Disc", "\\Docs", "D:\\Disc\\Docs"},
        {kLaunchRunFromDisc, "D:\\Disc", "\\bin\\tool.exe", "D:\\Disc\\bin\\tool.exe"},
        {kLaunchPrintDocument, "", "\\a.txt", "\\a.txt"},
        {kLaunchWebSite, "D:\\Disc", "example.com", "http://example.com"},
        {kLaunchEmail, "D:\\Disc", "me@example.com", "me@example.com"},
        {kLaunchMessage, "D:\\Disc", "Hello\r\nthere", "Hello\r\nthere"},
        {kLaunchRunWindowsProgram, "D:\\Disc", "notepad.exe", "notepad.exe"},
    };
    for (const Case& c : cases) EXPECT_EQ(FileActionTarget(Action(c.kind, c.file), c.root), c.target) << c.file;

    CSettingsLaunch secure = Action(kLaunchWebSite, "example.com");
    secure.AddressType = "https://";
    EXPECT_EQ(FileActionTarget(secure, "D:"), "https://example.com");
    secure.AddressType = "";
    EXPECT_EQ(FileActionTarget(secure, "D:"), "example.com");
}

TEST(ActionTarget, EmailMessagesSayWhatTheAuthorWrote) {
    struct Case { const char* subject; const char* body; const char* target; };
    const Case cases[] = {
        {"Hello World", "First line\r\nSecond line",
         "mailto:me@example.com?subject=Hello%20World&body=First%20line%0ASecond%20line"},
        {"", "Just a body", "mailto:me@example.com?body=Just%20a%20body"},
        {"Only subject", "", "mailto:me@example.com?subject=Only%20subject"},
        {"", "", "mailto:me@example.com"},
        {"Q&A?", "100% #1", "mailto:me@example.com?subject=Q%26A%3F&body=100%25%20%231"},
        {"%20", "a&body=b", "mailto:me@example.com?subject=%2520&body=a%26body=b"},
    };
    for (const Case& c : cases) EXPECT_EQ(EmailTarget("me@example.com", c.subject, c.body), c.target) << c.subject;
}

TEST(ActionTarget, DiscItemsRunInTheirOwnDirectory) {
    struct Case { std::int32_t kind; const char* target; const char* directory; };
    const Case cases[] = {
        {kLaunchRunFromDisc, "D:\\Disc\\bin\\tool.exe", "D:\\Disc\\bin"},
        {kLaunchOpenDocument, "D:\\Disc\\a.pdf", "D:\\Disc"},
        {kLaunchPrintDocument, "\\a.txt", ""},
        {kLaunchExplore, "nothing", ""},
        {kLaunchRunWindowsProgram, "C:\\Windows\\notepad.exe", ""},
        {kLaunchWebSite, "http://a\\b", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(ActionWorkingDirectory(c.kind, c.target), c.directory) << c.target;
}

TEST(ActionTarget, MessageStyleCombinesButtonsIconAndDefault) {
    struct Case { std::int32_t buttons, icon, defaultButton; unsigned style; };
    const Case cases[] = {
        {4, 32, 256, 4 | 32 | 256},  // Yes and No, question, No as default
        {0, 64, 256, 64},            // OK only ignores the default button
        {1, 16, 0, 1 | 16},
        {0x40004, 0x1000, 0x200100, 4 | 256},  // stray flags stay out of the style
    };
    for (const Case& c : cases) {
        CSettingsLaunch action = Action(kLaunchMessage, "text");
        action.Buttons = c.buttons;
        action.Icon = c.icon;
        action.DefaultButton = c.defaultButton;
        EXPECT_EQ(MessageStyle(action), c.style) << c.buttons << " " << c.icon << " " << c.defaultButton;
    }
}

TEST(ActionTarget, InternetExplorerGetsKioskParametersAndTheDocument) {
    EXPECT_TRUE(IsInternetExplorer("C:\\Program Files\\Internet Explorer\\IEXPLORE.EXE"));
    EXPECT_FALSE(IsInternetExplorer("C:\\Program Files\\Browser\\browser.exe"));
    EXPECT_FALSE(IsInternetExplorer("explore.exe"));
    CSettingsLaunch action = Action(kLaunchOpenDocument, "\\help\\index.htm");
    action.Kiosk = true;
    action.Parameters = "-nohome";
    EXPECT_EQ(InternetExplorerParameters(action, "D:\\help\\index.htm"), "-k -nohome \"D:\\help\\index.htm\"");
    action.Kiosk = false;
    action.Parameters = "";
    EXPECT_EQ(InternetExplorerParameters(action, "D:\\my help\\index.htm"), " \"D:\\my help\\index.htm\"");
}

TEST(ActionTarget, OnlyExeTargetsStartDirectly) {
    EXPECT_TRUE(IsProgramFile("D:\\bin\\Tool.EXE"));
    EXPECT_TRUE(IsProgramFile("notepad.exe"));
    EXPECT_FALSE(IsProgramFile("D:\\bin\\tool.bat"));
    EXPECT_FALSE(IsProgramFile("exe"));
    EXPECT_FALSE(IsProgramFile("D:\\bin\\toolexe"));
}

}  // namespace
