// A disc that uses every step kind, run end to end by the real player:
// splash, license, login, install, a standard menu whose button runs an
// action, an HTML menu, and a closing action. Every window is saved as a
// screenshot.
#include <gtest/gtest.h>

#include "MenuFixtureDisc.h"
#include "StepsFixture.h"

namespace {

using menu_e2e::Node;

constexpr DWORD kTimeout = 15000;
constexpr int kBrowserControl = 1017;
constexpr int kFirstMenuButton = 1002;

std::string DiscSettings(const std::string& discNumber, const std::vector<Node>& rootList) {
    std::string ini = "[General]\r\nVersion=3\r\nAppVersion=3\r\nAutorunType=2\r\nCdID=" + discNumber +
                      "\r\n[Root]\r\nSettingsCount=" + std::to_string(rootList.size()) + "\r\n";
    for (size_t i = 0; i < rootList.size(); ++i) {
        menu_e2e::WriteNode(rootList[i], "Root." + std::to_string(i + 1), ini);
    }
    return ini;
}

Node HtmlMenu(const std::string& baseFile) {
    return {{{"SettingType", "6"}, {"MenuType", "1"}, {"WindowName", "HTML Menu"}, {"Filename", baseFile}},
            {menu_e2e::Button("Exit", {}, true), menu_e2e::Button("Read Me", {menu_e2e::MessageAction("Read Me", "From the page.")})}};
}

Node Done() { return menu_e2e::MessageAction("Done", "Every step ran."); }

void CopyMenuPictures(const e2e::FixtureDisc& disc) {
    for (const char* name : {"BtnU.bmp", "BtnD.bmp", "BtnF.bmp", "BtnR.bmp"}) {
        disc.CopyFileTo(menu_e2e::FixturePicture(name), std::string("AutoRun\\Menu\\") + name);
    }
}

std::string FileText(const std::string& path) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return {};
    char text[1024] = {};
    DWORD read = 0;
    ReadFile(file, text, sizeof text - 1, &read, nullptr);
    CloseHandle(file);
    return text;
}

}  // namespace

TEST(FullDisc, EveryStepKindRunsInOrder) {
    using namespace steps_e2e;
    CDiscHistory history;
    e2e::FixtureDisc disc;
    disc.WriteFile("AutoRun\\Splash.bmp", BitmapFile(400, 250));
    disc.WriteFile("License.txt", "END USER LICENSE AGREEMENT\r\n\r\nThis disc and its programs are licensed, "
                                  "not sold.\r\nYou may install them on one computer.\r\n");
    disc.CopyFileTo(InstallerProgram(), "Setup\\setup.exe");
    disc.WriteFile("Menu\\Start.htm", "<html><body><a href=\"aa:Read%20Me\">Read Me</a> <a href=\"aa:Exit\">Exit</a>"
                                      "</body></html>");
    CopyMenuPictures(disc);
    disc.MakeComplete(DiscSettings(
        history.Number(),
        {
            {{{"SettingType", "2"}, {"Image", "true"}, {"ImageFile", "\\AutoRun\\Splash.bmp"}, {"Length", "1"}}, {}},
            {{{"SettingType", "5"}, {"Active", "true"}, {"Display", "1"}, {"File", "\\License.txt"}}, {}},
            {{{"SettingType", "4"},
              {"Type", "1"},
              {"Username", Scrambled("Username", "Reader")},
              {"Password", Scrambled("Password", "OpenSesame")},
              {"Active", Scrambled("Active", "TRUE")},
              {"Frequency", "1"}},
             {}},
            {{{"SettingType", "8"},
              {"File", "\\Setup\\setup.exe"},
              {"Parameters", "/S"},
              {"When", "1"},
              {"Prompt", "true"},
              {"Skip", "true"},
              {"Message", "Install the document reader now?"}},
             {}},
            menu_e2e::Menu("Fixture Menu", {menu_e2e::Button("Read Me", {menu_e2e::MessageAction("Read Me", "Welcome to the disc.")}),
                                            menu_e2e::Button("Exit", {}, true)}),
            HtmlMenu("\\Menu\\Start.htm"),
            Done(),
        }));

    auto player = e2e::RunningProgram::Start(disc.Path("Autorun.exe"));
    ASSERT_TRUE(player.Started());

    HWND splash = player.WaitForWindow("#32770", "", kTimeout);
    ASSERT_NE(splash, nullptr) << "no splash";
    e2e::SaveScreenshot(splash, "fulldisc-1-splash");

    HWND license = player.WaitForWindow("#32770", "License Agreement", kTimeout);
    ASSERT_NE(license, nullptr) << "no license";
    EXPECT_FALSE(IsWindow(splash) && IsWindowVisible(splash)) << "the splash ended by itself";
    e2e::PressDialogButton(license, kLicenseAccept);
    ASSERT_TRUE(WaitUntil(Enabled, GetDlgItem(license, IDOK)));
    e2e::SaveScreenshot(license, "fulldisc-2-license");
    e2e::PressDialogButton(license, IDOK);

    HWND login = player.WaitForWindow("#32770", "Unlock CD", kTimeout);
    ASSERT_NE(login, nullptr) << "no login";
    SetDlgItemTextA(login, kLoginUser, "READER");
    SetDlgItemTextA(login, kLoginPassword, "OpenSesame");
    e2e::SaveScreenshot(login, "fulldisc-3-login");
    e2e::PressDialogButton(login, IDOK);

    HWND prompt = player.WaitForWindow("#32770", "Install", kTimeout);
    ASSERT_NE(prompt, nullptr) << "no install question";
    e2e::SaveScreenshot(prompt, "fulldisc-4-install");
    e2e::PressDialogButton(prompt, IDOK);

    HWND menu = player.WaitForWindow("#32770", "Fixture Menu", kTimeout);
    ASSERT_NE(menu, nullptr) << "no menu";
    EXPECT_EQ(FileText(disc.Path("Setup\\installer-ran.txt")), "/S|" + disc.Path("Setup") + "\r\n");
    e2e::SaveScreenshot(menu, "fulldisc-5-menu");
    HWND readMe = GetDlgItem(menu, kFirstMenuButton);
    ASSERT_EQ(e2e::WindowText(readMe), "Read Me");
    e2e::PressButton(readMe);
    HWND message = player.WaitForWindow("#32770", "Read Me", kTimeout);
    ASSERT_NE(message, nullptr) << "the button's action did not run";
    EXPECT_EQ(e2e::MessageBoxText(message), "Welcome to the disc.");
    e2e::SaveScreenshot(message, "fulldisc-6-menu-action");
    e2e::PressDialogButton(message, IDOK);
    ASSERT_TRUE(player.WaitForWindowGone(message, kTimeout));
    EXPECT_TRUE(IsWindowVisible(menu)) << "a button without WindowClose leaves the menu open";
    e2e::PressButton(GetDlgItem(menu, kFirstMenuButton + 1));  // Exit

    HWND html = player.WaitForWindow("#32770", "HTML Menu", kTimeout);
    ASSERT_NE(html, nullptr) << "no HTML menu";
    HWND browser = GetDlgItem(html, kBrowserControl);
    ASSERT_NE(browser, nullptr) << "no browser control";
    EXPECT_TRUE(IsWindowVisible(browser));
    RECT client, area;
    GetClientRect(html, &client);
    GetWindowRect(browser, &area);
    EXPECT_EQ(area.right - area.left, client.right);
    EXPECT_EQ(area.bottom - area.top, client.bottom);
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(html, kFirstMenuButton))) << "the standard buttons give way";
    e2e::SaveScreenshot(html, "fulldisc-7-html-menu");
    PostMessageA(html, WM_SYSCOMMAND, SC_CLOSE, 0);

    HWND done = player.WaitForWindow("#32770", "Done", kTimeout);
    ASSERT_NE(done, nullptr) << "the step after the menus did not run";
    e2e::PressDialogButton(done, IDOK);
    EXPECT_TRUE(player.WaitForExit(kTimeout));

    EXPECT_EQ(history.Value("License", "Root.2"), "1");
    EXPECT_EQ(history.Value("Security", "Root.3"), "1");
    EXPECT_EQ(history.Value("Install\\Root.4", "#Setup#setup.exe"), "1");
}

TEST(FullDisc, HtmlMenuWithoutItsBaseFileReports106AndTheListGoesOn) {
    e2e::FixtureDisc disc;
    disc.MakeComplete(DiscSettings(steps_e2e::UniqueName("mwsteps-"), {HtmlMenu("\\Menu\\Missing.htm"), Done()}));
    auto player = e2e::RunningProgram::Start(disc.Path("Autorun.exe"));
    ASSERT_TRUE(player.Started());
    HWND box = player.WaitForWindow("#32770", "Autorun", kTimeout);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(e2e::MessageBoxText(box), "Base file for AutoRun window not found. AutorRun cannot start.");
    e2e::SaveScreenshot(box, "fulldisc-html-base-file-missing");
    e2e::PressDialogButton(box, IDOK);
    HWND done = player.WaitForWindow("#32770", "Done", kTimeout);
    ASSERT_NE(done, nullptr) << "the step after the menu did not run";
    e2e::PressDialogButton(done, IDOK);
    EXPECT_TRUE(player.WaitForExit(kTimeout));
}
