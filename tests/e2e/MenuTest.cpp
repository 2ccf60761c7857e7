// The standard menu end to end: the real player on fixture discs, its
// button controls found and pressed from outside, their actions seen
// through the message boxes they show.
#include <gtest/gtest.h>

#include "MenuFixtureDisc.h"

using namespace menu_e2e;

namespace {

constexpr DWORD kTimeout = 15000;

std::vector<Node> Buttons(int count) {
    std::vector<Node> buttons;
    for (int i = 1; i <= count; ++i) {
        buttons.push_back(Button("Item " + std::to_string(i), {MessageAction("Pressed", "Item " + std::to_string(i))}));
    }
    return buttons;
}

// Presses the button and answers the message box its action shows.
std::string PressAndReadMessage(const e2e::RunningProgram& player, HWND button, const char* title,
                                int answer = IDOK) {
    e2e::PressButton(button);
    HWND box = player.WaitForWindow("#32770", title, kTimeout);
    if (!box) return "<no message box>";
    const std::string text = e2e::MessageBoxText(box);
    e2e::PressDialogButton(box, answer);
    player.WaitForWindowGone(box, kTimeout);
    return text;
}

}  // namespace

TEST(Menu, ShowsOneControlPerButtonRecordInAColumn) {
    e2e::FixtureDisc disc;
    MakeMenuDisc(disc, {Menu("Three buttons", Buttons(3))});
    auto player = e2e::RunningProgram::Start(disc.Path("Autorun.exe"));
    HWND menu = player.WaitForWindow("#32770", "Three buttons", kTimeout);
    ASSERT_NE(menu, nullptr);

    RECT client;
    GetClientRect(menu, &client);
    EXPECT_EQ(client.right, 660);
    EXPECT_EQ(client.bottom, 495);
    RECT work;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    RECT window;
    GetWindowRect(menu, &window);
    EXPECT_EQ(window.left, work.left + int((work.right - work.left) * 0.5 - 330));
    EXPECT_EQ(window.top, work.top + int((work.bottom - work.top) * 0.5 - 247.5));

    const std::vector<HWND> buttons = MenuButtons(menu);
    const int rows[] = {173, 275, 377};  // gap (495 - 3 * 40 - 13 - 111) / 4 = 62
    for (int i = 0; i < 12; ++i) {
        ASSERT_NE(buttons[size_t(i)], nullptr);
        EXPECT_EQ(IsWindowVisible(buttons[size_t(i)]) != FALSE, i < 3) << "button " << i + 1;
        if (i >= 3) continue;
        EXPECT_EQ(e2e::WindowText(buttons[size_t(i)]), "Item " + std::to_string(i + 1));
        const RECT at = ClientRectOf(buttons[size_t(i)], menu);
        EXPECT_EQ(at.left, 9);
        EXPECT_EQ(at.top, rows[i]);
        EXPECT_EQ(at.right - at.left, 200);
        EXPECT_EQ(at.bottom - at.top, 40);
    }
    HWND close = GetDlgItem(menu, 1015);
    EXPECT_TRUE(IsWindowVisible(close));
    EXPECT_EQ(ClientRectOf(close, menu).left, 660 - 3 - 11);
    player.Kill();
}

TEST(Menu, FourteenRecordsShowTheFirstTwelve) {
    e2e::FixtureDisc disc;
    MakeMenuDisc(disc, {Menu("Fourteen", Buttons(14))});
    auto player = e2e::RunningProgram::Start(disc.Path("Autorun.exe"));
    HWND menu = player.WaitForWindow("#32770", "Fourteen", kTimeout);
    ASSERT_NE(menu, nullptr);
    const std::vector<HWND> buttons = MenuButtons(menu);
    for (int i = 0; i < 12; ++i) {
        EXPECT_TRUE(IsWindowVisible(buttons[size_t(i)])) << i;
        EXPECT_EQ(e2e::WindowText(buttons[size_t(i)]), "Item " + std::to_string(i + 1));
    }
    EXPECT_EQ(PressAndReadMessage(player, buttons[11], "Pressed"), "Item 12");
    player.Kill();
}

TEST(Menu, PressedButtonRunsItsActionsAndTheMenuStays) {
    e2e::FixtureDisc disc;
    MakeMenuDisc(disc, {Menu("Actions", Buttons(3))});
    auto player = e2e::RunningProgram::Start(disc.Path("Autorun.exe"));
    HWND menu = player.WaitForWindow("#32770", "Actions", kTimeout);
    ASSERT_NE(menu, nullptr);
    const std::vector<HWND> buttons = MenuButtons(menu);
    EXPECT_EQ(PressAndReadMessage(player, buttons[1], "Pressed"), "Item 2");
    EXPECT_TRUE(IsWindowVisible(menu));
    EXPECT_EQ(PressAndReadMessage(player, buttons[0], "Pressed"), "Item 1");
    EXPECT_TRUE(IsWindowVisible(menu));
    player.Kill();
}

TEST(Menu, CaptionsThatDifferOnlyInCaseRunTheFirst) {
    e2e::FixtureDisc disc;
    MakeMenuDisc(disc, {Menu("Cases", {Button("Install", {MessageAction("Which", "first")}),
                                       Button("INSTALL", {MessageAction("Which", "second")})})});
    auto player = e2e::RunningProgram::Start(disc.Path("Autorun.exe"));
    HWND menu = player.WaitForWindow("#32770", "Cases", kTimeout);
    ASSERT_NE(menu, nullptr);
    const std::vector<HWND> buttons = MenuButtons(menu);
    EXPECT_EQ(e2e::WindowText(buttons[1]), "INSTALL");
    EXPECT_EQ(PressAndReadMessage(player, buttons[1], "Which"), "first");
    EXPECT_EQ(PressAndReadMessage(player, buttons[0], "Which"), "first");
    player.Kill();
}

TEST(Menu, WindowCloseButtonClosesTheMenuAndTheRootListGoesOn) {
    e2e::FixtureDisc disc;
    MakeMenuDisc(disc, {Menu("Closing", {Button("Finish", {MessageAction("Finishing", "Bye")}, true)}),
                        MessageAction("After", "The step after the menu")});
    auto player = e2e::RunningProgram::Start(disc.Path("Autorun.exe"));
    HWND menu = player.WaitForWindow("#32770", "Closing", kTimeout);
    ASSERT_NE(menu, nullptr);
    e2e::PressButton(MenuButtons(menu)[0]);
    HWND box = player.WaitForWindow("#32770", "Finishing", kTimeout);
    ASSERT_NE(box, nullptr);
    EXPECT_FALSE(IsWindowVisible(menu)) << "the menu hides while a closing button runs";
    e2e::PressDialogButton(box, IDOK);

    HWND after = player.WaitForWindow("#32770", "After", kTimeout);
    ASSERT_NE(after, nullptr);
    EXPECT_EQ(e2e::MessageBoxText(after), "The step after the menu");
    EXPECT_FALSE(IsWindow(menu));
    e2e::PressDialogButton(after, IDOK);
    DWORD exitCode = 1;
    EXPECT_TRUE(player.WaitForExit(kTimeout, &exitCode));
}

TEST(Menu, WindowCloseButtonWhoseActionStopsShowsTheMenuAgain) {
    e2e::FixtureDisc disc;
    MakeMenuDisc(disc, {Menu("Declined", {Button("Maybe", {MessageAction("Sure?", "Go on?", MB_OKCANCEL),
                                                           MessageAction("Never", "not reached")},
                                                 true)}),
                        MessageAction("After", "not reached either")});
    auto player = e2e::RunningProgram::Start(disc.Path("Autorun.exe"));
    HWND menu = player.WaitForWindow("#32770", "Declined", kTimeout);
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(PressAndReadMessage(player, MenuButtons(menu)[0], "Sure?", IDCANCEL), "Go on?");
    EXPECT_TRUE(WaitForVisibility(menu, true));
    EXPECT_EQ(player.WaitForWindow("#32770", "Never", 500), nullptr);
    EXPECT_EQ(player.WaitForWindow("#32770", "After", 0), nullptr);
    player.Kill();
}

TEST(Menu, SubmenuHidesItsParentAndEscapeShowsItAgain) {
    // The inner menu animates its logo on a thread of its own until it closes.
    Node submenu = Menu("Inner menu", {Button("Deep", {MessageAction("Deep", "inside")})},
                        {{"LogoFilename", "\\AutoRun\\Menu\\Spinner.gif"}});
    e2e::FixtureDisc disc;
    MakeMenuDisc(disc, {Menu("Outer menu", {Button("More", {submenu, MessageAction("Back", "after the submenu")})})});
    auto player = e2e::RunningProgram::Start(disc.Path("Autorun.exe"));
    HWND outer = player.WaitForWindow("#32770", "Outer menu", kTimeout);
    ASSERT_NE(outer, nullptr);
    e2e::PressButton(MenuButtons(outer)[0]);
    HWND inner = player.WaitForWindow("#32770", "Inner menu", kTimeout);
    ASSERT_NE(inner, nullptr);
    EXPECT_TRUE(WaitForVisibility(outer, false));
    EXPECT_EQ(PressAndReadMessage(player, MenuButtons(inner)[0], "Deep"), "inside");

    // Escape, as the keyboard sends it to the focused control.
    HWND focused = MenuButtons(inner)[0];
    PostMessageA(focused, WM_KEYDOWN, VK_ESCAPE, 0x00010001);
    PostMessageA(focused, WM_KEYUP, VK_ESCAPE, 0xC0010001);
    HWND back = player.WaitForWindow("#32770", "Back", kTimeout);
    ASSERT_NE(back, nullptr) << "the pressed button's remaining action runs after the submenu";
    EXPECT_FALSE(IsWindow(inner));
    e2e::PressDialogButton(back, IDOK);
    EXPECT_TRUE(WaitForVisibility(outer, true));
    player.Kill();
}

TEST(Menu, CloseButtonEndsTheMenu) {
    e2e::FixtureDisc disc;
    MakeMenuDisc(disc, {Menu("Close me", Buttons(1)), MessageAction("After", "next step")});
    auto player = e2e::RunningProgram::Start(disc.Path("Autorun.exe"));
    HWND menu = player.WaitForWindow("#32770", "Close me", kTimeout);
    ASSERT_NE(menu, nullptr);
    e2e::PressButton(GetDlgItem(menu, 1015));
    HWND after = player.WaitForWindow("#32770", "After", kTimeout);
    ASSERT_NE(after, nullptr);
    e2e::PressDialogButton(after, IDOK);
    EXPECT_TRUE(player.WaitForExit(kTimeout));
}

TEST(Menu, FramedWindowKeepsTheClientSizeAndHidesTheCloseButton) {
    e2e::FixtureDisc disc;
    MakeMenuDisc(disc, {Menu("Framed", Buttons(2), {{"ShowWindowFrame", "true"}, {"Width", "600"}, {"Height", "400"}})});
    auto player = e2e::RunningProgram::Start(disc.Path("Autorun.exe"));
    HWND menu = player.WaitForWindow("#32770", "Framed", kTimeout);
    ASSERT_NE(menu, nullptr);
    RECT client;
    GetClientRect(menu, &client);
    EXPECT_EQ(client.right, 600);
    EXPECT_EQ(client.bottom, 400);
    EXPECT_NE(GetWindowLongA(menu, GWL_STYLE) & WS_CAPTION, 0);
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(menu, 1015)));
    player.Kill();
}
