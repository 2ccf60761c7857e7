// Screenshots of three fixture menus, saved under the build directory's screenshots for a
// person to look at, with the placement facts each one shows checked too.
#include <gtest/gtest.h>

#include "MenuFixtureDisc.h"

using namespace menu_e2e;

namespace {

constexpr DWORD kTimeout = 15000;

std::vector<Node> Captions(const std::vector<std::string>& names) {
    std::vector<Node> buttons;
    for (const std::string& name : names) buttons.push_back(Button(name, {MessageAction("Pressed", name)}));
    return buttons;
}

Keys SmallButtons() {
    return {{"ButtonUFile", "\\AutoRun\\Menu\\SmallU.bmp"},
            {"ButtonDFile", "\\AutoRun\\Menu\\SmallD.bmp"},
            {"ButtonFFile", "\\AutoRun\\Menu\\SmallF.bmp"},
            {"ButtonRFile", "\\AutoRun\\Menu\\SmallR.bmp"}};
}

Keys Join(Keys a, const Keys& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// Shows the menu, lets it paint and saves it.
HWND ShowAndSave(const e2e::RunningProgram& player, const char* title, const std::string& name) {
    HWND menu = player.WaitForWindow("#32770", title, kTimeout);
    if (!menu) return nullptr;
    EXPECT_TRUE(e2e::WaitUntilPainted(menu, kTimeout));
    EXPECT_TRUE(e2e::SaveScreenshot(menu, name));
    return menu;
}

}  // namespace

TEST(MenuScreenshot, GradientWithTitlesAndLogo) {
    e2e::FixtureDisc disc;
    MakeMenuDisc(disc, {Menu("Gradient menu", Captions({"Install", "Read Me", "Browse Disc", "Exit"}),
                             {{"BackgroundType", "1"},
                              {"Color1_R", "10"}, {"Color1_G", "30"}, {"Color1_B", "70"},
                              {"Color2_R", "90"}, {"Color2_G", "150"}, {"Color2_B", "230"},
                              {"MenuTitle", "Welcome to the Fixture Disc"},
                              {"MenuSubTitle", "Everything you need, one click away"},
                              {"TextFontSize", "20"}, {"TextFontBold", "true"},
                              {"TextFontColor_R", "255"}, {"TextFontColor_G", "255"}, {"TextFontColor_B", "255"},
                              {"SubTitleFontFontSize", "11"}, {"SubTitleFontFontItalics", "true"},
                              {"SubTitleFontFontColor_R", "255"}, {"SubTitleFontFontColor_G", "220"},
                              {"SubTitleFontFontColor_B", "120"},
                              {"LogoFilename", "\\AutoRun\\Menu\\Logo.jpg"},
                              {"MenuLayoutType", "2"}})});
    auto player = e2e::RunningProgram::Start(disc.Path("Autorun.exe"));
    HWND menu = ShowAndSave(player, "Gradient menu", "menu-gradient-titles-logo");
    ASSERT_NE(menu, nullptr);
    HWND logo = GetDlgItem(menu, 1001);
    EXPECT_TRUE(IsWindowVisible(logo));
    EXPECT_EQ(ClientRectOf(logo, menu).left, 20);
    // The 300 x 100 logo is drawn 150 x 50 at the left: the titles start at 180.
    EXPECT_EQ(ClientRectOf(GetDlgItem(menu, 1000), menu).left, 180);
    EXPECT_TRUE(IsWindowVisible(GetDlgItem(menu, 1016)));
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(menu, 1014)));
    EXPECT_EQ(ClientRectOf(MenuButtons(menu)[0], menu).left, (660 - 200) / 2);
    player.Kill();
}

TEST(MenuScreenshot, PictureBackgroundWithImageAndTwelveButtons) {
    std::vector<std::string> names;
    for (int i = 1; i <= 12; ++i) names.push_back("Chapter " + std::to_string(i));
    e2e::FixtureDisc disc;
    MakeMenuDisc(disc, {Menu("Picture menu", Captions(names),
                             Join({{"BackgroundType", "4"},
                                   {"BgrndFilename", "\\AutoRun\\Menu\\Paper.bmp"},
                                   {"BackgroundBitmap", "1"},
                                   {"MenuTitle", "Twelve Chapters"},
                                   {"TextFontSize", "18"},
                                   {"TextFontColor_R", "255"}, {"TextFontColor_G", "255"}, {"TextFontColor_B", "255"},
                                   {"UseImage", "true"}, {"ImageCustom", "true"},
                                   {"ImageFilename", "\\AutoRun\\Menu\\Photo.jpg"},
                                   {"ImageBitmapStyle", "4"},
                                   {"ButtonTextFontSize", "9"}},
                                  SmallButtons()))});
    auto player = e2e::RunningProgram::Start(disc.Path("Autorun.exe"));
    HWND menu = ShowAndSave(player, "Picture menu", "menu-picture-image-twelve");
    ASSERT_NE(menu, nullptr);
    const std::vector<HWND> buttons = MenuButtons(menu);
    for (HWND button : buttons) EXPECT_TRUE(IsWindowVisible(button));
    // gap (495 - 12 * 24 - 13 - 111) / 13 = 6
    EXPECT_EQ(ClientRectOf(buttons[0], menu).top, 117);
    EXPECT_EQ(ClientRectOf(buttons[11], menu).top, 117 + 11 * 30);
    HWND image = GetDlgItem(menu, 1014);
    EXPECT_TRUE(IsWindowVisible(image));
    const RECT imageAt = ClientRectOf(image, menu);
    EXPECT_EQ(imageAt.left, 9 + 160 + 12);
    EXPECT_EQ(imageAt.top, 111);
    EXPECT_EQ(imageAt.right, 660 - 15);
    EXPECT_EQ(imageAt.bottom, 495 - 13);
    player.Kill();
}

TEST(MenuScreenshot, FramedWindowWithAnimatedLogo) {
    e2e::FixtureDisc disc;
    MakeMenuDisc(disc, {Menu("Framed menu", Captions({"Start", "Documents", "Web Site"}),
                             {{"ShowWindowFrame", "true"},
                              {"BackgroundType", "3"},
                              {"Color1_R", "236"}, {"Color1_G", "233"}, {"Color1_B", "216"},
                              {"MenuTitle", "Framed and Solid"},
                              {"TextFontSize", "16"},
                              {"TextFontColor_R", "40"}, {"TextFontColor_G", "40"}, {"TextFontColor_B", "90"},
                              {"LogoFilename", "\\AutoRun\\Menu\\Spinner.gif"},
                              {"UseImage", "true"}, {"ImageCustom", "true"},
                              {"ImageFilename", "\\AutoRun\\Menu\\Photo.jpg"},
                              {"ImageBitmapStyle", "3"},
                              {"MenuLayoutType", "3"},
                              {"PresetLocation", "1"}})});
    auto player = e2e::RunningProgram::Start(disc.Path("Autorun.exe"));
    HWND menu = ShowAndSave(player, "Framed menu", "menu-framed-solid");
    ASSERT_NE(menu, nullptr);
    RECT client;
    GetClientRect(menu, &client);
    EXPECT_EQ(client.right, 660);
    EXPECT_EQ(client.bottom, 495);
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(menu, 1015)));
    EXPECT_EQ(ClientRectOf(MenuButtons(menu)[0], menu).left, 660 - 9 - 200);
    EXPECT_EQ(ClientRectOf(GetDlgItem(menu, 1014), menu).left, 15);
    player.Kill();
}
