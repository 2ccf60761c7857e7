// The splash, license, login and install steps through the real player on
// fixture discs, each window looked at through its controls and saved as a
// screenshot.
#include <gtest/gtest.h>

#include "StepsFixture.h"

namespace {

using namespace steps_e2e;

const char kAccessDenied[] = "Access Denied.\n\nYou have entered an invalid Username and/or Password. ";
const char kAgreementUnreadable[] =
    "The license agreement could not be read from the disc.\n\nAutoRun cannot continue without your agreement.";

Keys Done() { return Action(105, "Steps done.", {{"WindowTitle", "Done"}}); }

Keys License(const char* display = "2") {
    return {{"SettingType", "5"}, {"Active", "true"}, {"Display", display}, {"File", "\\License.txt"}};
}

Keys Login() {
    return {{"SettingType", "4"},
            {"Type", "1"},
            {"Username", Scrambled("Username", "Alice")},
            {"Password", Scrambled("Password", "Secret")},
            {"Active", Scrambled("Active", "TRUE")},
            {"Frequency", "1"}};
}

// The closing message box of the disc, answered; then the player ends.
void ExpectDoneAndEnd(e2e::RunningProgram& player) {
    HWND done = player.WaitForWindow("#32770", "Done");
    ASSERT_NE(done, nullptr) << "the step after the tested one did not run";
    EXPECT_EQ(e2e::MessageBoxText(done), "Steps done.");
    e2e::PressDialogButton(done, IDOK);
    EXPECT_TRUE(player.WaitForExit(20000));
}

}  // namespace

TEST(Steps, SplashShowsItsPictureForItsTimeThenTheListGoesOn) {
    e2e::FixtureDisc disc;
    disc.WriteFile("AutoRun\\Splash.bmp", BitmapFile(320, 200));
    disc.WriteFile("AutoRun\\Splash.wav", SilentWaveFile(500));
    disc.MakeComplete(RootListSettings({{{"SettingType", "2"},
                                         {"Image", "true"},
                                         {"ImageFile", "\\AutoRun\\Splash.bmp"},
                                         {"Length", "2"},
                                         {"Sound", "true"},
                                         {"SoundFile", "\\AutoRun\\Splash.wav"},
                                         {"SoundOption", "2"}},
                                        Done()}));
    auto player = e2e::RunningProgram::Start(disc.Path("Autorun.exe"));
    ASSERT_TRUE(player.Started());
    HWND splash = player.WaitForWindow("#32770", "");
    ASSERT_NE(splash, nullptr);
    const DWORD shownAt = GetTickCount();
    RECT area;
    GetWindowRect(splash, &area);
    EXPECT_EQ(area.right - area.left, 320);
    EXPECT_EQ(area.bottom - area.top, 200);
    EXPECT_EQ(GetWindowLongA(splash, GWL_STYLE) & WS_CAPTION, 0);
    e2e::SaveScreenshot(splash, "steps-splash");
    HWND done = player.WaitForWindow("#32770", "Done", 10000);
    ASSERT_NE(done, nullptr);
    EXPECT_GE(GetTickCount() - shownAt, 1500u) << "the splash stays its Length of 2 seconds";
    EXPECT_FALSE(IsWindow(splash) && IsWindowVisible(splash));
    e2e::PressDialogButton(done, IDOK);
    EXPECT_TRUE(player.WaitForExit(20000));
}

TEST(Steps, LicenseNextIsEnabledOnlyOnAcceptThenTheListGoesOn) {
    e2e::FixtureDisc disc;
    const std::string agreement =
        "SOFTWARE LICENSE AGREEMENT\r\n\r\nYou may use the programs on this disc on one computer.\r\n"
        "You may not copy the disc.\r\n";
    disc.WriteFile("License.txt", agreement);
    disc.MakeComplete(RootListSettings({License(), Done()}));
    auto player = e2e::RunningProgram::Start(disc.Path("Autorun.exe"));
    ASSERT_TRUE(player.Started());
    HWND license = player.WaitForWindow("#32770", "License Agreement");
    ASSERT_NE(license, nullptr);
    EXPECT_EQ(ItemText(license, kLicenseText), agreement);
    HWND next = GetDlgItem(license, IDOK);
    EXPECT_FALSE(IsWindowEnabled(next));
    e2e::PressDialogButton(license, kLicenseAccept);
    EXPECT_TRUE(WaitUntil(Enabled, next));
    e2e::PressDialogButton(license, kLicenseReject);
    EXPECT_TRUE(WaitUntil(Disabled, next));
    e2e::PressDialogButton(license, kLicenseAccept);
    ASSERT_TRUE(WaitUntil(Enabled, next));
    e2e::SaveScreenshot(license, "steps-license");
    e2e::PressDialogButton(license, IDOK);
    ExpectDoneAndEnd(player);
}

TEST(Steps, LicenseThatCannotBeReadIsReportedAndStopsTheList) {
    CDiscHistory history;
    e2e::FixtureDisc disc;
    disc.WriteFile("License.txt", "Terms.");
    disc.MakeComplete(RootListSettings({License("1"), Done()}, history.Number()));
    // Another program holds the agreement open without sharing it.
    HANDLE lock = CreateFileA(disc.Path("License.txt").c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    auto player = e2e::RunningProgram::Start(disc.Path("Autorun.exe"));
    ASSERT_TRUE(player.Started());
    HWND box = player.WaitForWindow("#32770", "Autorun");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(e2e::MessageBoxText(box), kAgreementUnreadable);
    EXPECT_EQ(player.WaitForWindow("#32770", "License Agreement", 0), nullptr);
    e2e::SaveScreenshot(box, "steps-license-unreadable");
    e2e::PressDialogButton(box, IDOK);
    EXPECT_TRUE(player.WaitForExit(20000));
    CloseHandle(lock);
    EXPECT_TRUE(history.Empty());
}

TEST(Steps, WrongPasswordShowsMessage103AndTheEntriesAgain) {
    CDiscHistory history;
    e2e::FixtureDisc disc;
    disc.MakeComplete(RootListSettings({Login(), Done()}, history.Number()));
    auto player = e2e::RunningProgram::Start(disc.Path("Autorun.exe"));
    ASSERT_TRUE(player.Started());
    HWND login = player.WaitForWindow("#32770", "Unlock CD");
    ASSERT_NE(login, nullptr);
    // The user name in another case is right; the password in another case is not.
    SetDlgItemTextA(login, kLoginUser, "alice");
    SetDlgItemTextA(login, kLoginPassword, "secret");
    e2e::SaveScreenshot(login, "steps-login");
    e2e::PressDialogButton(login, IDOK);

    HWND denied = player.WaitForWindow("#32770", "Autorun");
    ASSERT_NE(denied, nullptr);
    EXPECT_EQ(e2e::MessageBoxText(denied), kAccessDenied);
    e2e::SaveScreenshot(denied, "steps-login-denied");
    e2e::PressDialogButton(denied, IDOK);

    HWND again = player.WaitForWindow("#32770", "Unlock CD");
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(ItemText(again, kLoginUser), "alice");
    EXPECT_TRUE(history.Empty()) << "nothing recorded before a matching pair";
    SetDlgItemTextA(again, kLoginPassword, "Secret");
    e2e::PressDialogButton(again, IDOK);
    ExpectDoneAndEnd(player);
    EXPECT_EQ(history.Value("Security", "Root.1"), "1");
}

TEST(Steps, CancelledLoginStopsTheListAndRecordsNothing) {
    CDiscHistory history;
    e2e::FixtureDisc disc;
    disc.MakeComplete(RootListSettings({Login(), Done()}, history.Number()));
    auto player = e2e::RunningProgram::Start(disc.Path("Autorun.exe"));
    ASSERT_TRUE(player.Started());
    HWND login = player.WaitForWindow("#32770", "Unlock CD");
    ASSERT_NE(login, nullptr);
    SetDlgItemTextA(login, kLoginUser, "Alice");
    e2e::PressDialogButton(login, IDCANCEL);
    EXPECT_TRUE(player.WaitForExit(20000));
    EXPECT_TRUE(history.Empty());
}

TEST(Steps, InstallAsksRunsTheInstallerAndRecordsItOnce) {
    CDiscHistory history;
    e2e::FixtureDisc disc;
    disc.CopyFileTo(InstallerProgram(), "Setup\\setup.exe");
    disc.MakeComplete(RootListSettings({{{"SettingType", "8"},
                                         {"File", "\\Setup\\setup.exe"},
                                         {"Parameters", "/S"},
                                         {"When", "1"},
                                         {"Prompt", "true"},
                                         {"Skip", "true"},
                                         {"Message", "The reader for the documents on this disc is not installed. "
                                                     "Install it now?"},
                                         {"LaunchAndWait", "true"}},
                                        Done()},
                                       history.Number()));
    {
        auto player = e2e::RunningProgram::Start(disc.Path("Autorun.exe"));
        ASSERT_TRUE(player.Started());
        HWND prompt = player.WaitForWindow("#32770", "Install");
        ASSERT_NE(prompt, nullptr);
        EXPECT_EQ(ItemText(prompt, kInstallMessage),
                  "The reader for the documents on this disc is not installed. Install it now?");
        EXPECT_TRUE(IsWindowVisible(GetDlgItem(prompt, IDCANCEL)));
        e2e::SaveScreenshot(prompt, "steps-install-prompt");
        e2e::PressDialogButton(prompt, IDOK);
        ExpectDoneAndEnd(player);
    }
    HANDLE ran = CreateFileA(disc.Path("Setup\\installer-ran.txt").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                             OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(ran, INVALID_HANDLE_VALUE) << "the installer did not run";
    char log[512] = {};
    DWORD read = 0;
    ReadFile(ran, log, sizeof log - 1, &read, nullptr);
    CloseHandle(ran);
    EXPECT_EQ(std::string(log), "/S|" + disc.Path("Setup") + "\r\n");
    EXPECT_EQ(history.Value("Install\\Root.1", "#Setup#setup.exe"), "1");

    // The second run on this computer neither asks nor installs.
    DeleteFileA(disc.Path("Setup\\installer-ran.txt").c_str());
    auto second = e2e::RunningProgram::Start(disc.Path("Autorun.exe"));
    ASSERT_TRUE(second.Started());
    ExpectDoneAndEnd(second);
    EXPECT_EQ(GetFileAttributesA(disc.Path("Setup\\installer-ran.txt").c_str()), INVALID_FILE_ATTRIBUTES);
}
