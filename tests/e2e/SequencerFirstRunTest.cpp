// First-time-only license and login steps through the real player, run twice
// on the same computer: asked the first time only, with the history written
// below the local machine's vendor key where the sequencer puts it.
#include <gtest/gtest.h>

#include "ActionsFixture.h"
#include "MenuFixtureDisc.h"
#include "ValueEncoding.h"

namespace {

using namespace actions_e2e;

const char kVendorKey[] = "SOFTWARE\\Fernhollow Software\\Menuwright";

// A disc number no real disc has; its history is deleted at the end.
class CTestDiscHistory {
public:
    CTestDiscHistory() : number_(UniqueName("mwtest-")) {}
    ~CTestDiscHistory() {
        HKEY vendor = nullptr;
        if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kVendorKey, 0, KEY_ALL_ACCESS, &vendor) == ERROR_SUCCESS) {
            RegDeleteTreeA(vendor, number_.c_str());
            RegCloseKey(vendor);
        }
    }
    CTestDiscHistory(const CTestDiscHistory&) = delete;
    CTestDiscHistory& operator=(const CTestDiscHistory&) = delete;
    const std::string& Number() const { return number_; }

    std::string Value(const std::string& stepClass, const std::string& valueName) const {
        const std::string path = std::string(kVendorKey) + "\\" + number_ + "\\" + stepClass;
        HKEY key = nullptr;
        if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return {};
        char data[64] = {};
        DWORD size = sizeof(data) - 1;
        const LONG result = RegQueryValueExA(key, valueName.c_str(), nullptr, nullptr, reinterpret_cast<BYTE*>(data), &size);
        RegCloseKey(key);
        return result == ERROR_SUCCESS ? std::string(data) : std::string();
    }

private:
    std::string number_;
};

std::string Scrambled(const std::string& key, const std::string& value) { return Scramble(key, value).value_or(""); }

std::string FirstRunSettings(const std::string& discNumber) {
    return RootListSettings(
        {
            {{"SettingType", "5"}, {"Active", "true"}, {"Display", "1"}, {"File", "\\License.txt"}},
            {{"SettingType", "4"},
             {"Type", "1"},
             {"Username", Scrambled("Username", "Alice")},
             {"Password", Scrambled("Password", "Secret")},
             {"Active", Scrambled("Active", "TRUE")},
             {"Frequency", "1"}},
            Action(105, "Welcome.", {{"WindowTitle", "Done"}}),
        },
        discNumber);
}

bool WaitUntilEnabled(HWND window, DWORD timeoutMs = 10000) {
    for (DWORD waited = 0; waited < timeoutMs && !IsWindowEnabled(window); waited += 20) Sleep(20);
    return IsWindowEnabled(window) != FALSE;
}

void AcceptLicense(const e2e::RunningProgram& player) {
    HWND license = player.WaitForWindow(nullptr, "License Agreement");
    ASSERT_NE(license, nullptr) << "the license was not asked";
    e2e::PressDialogButton(license, 1102);  // "I accept ..."
    ASSERT_TRUE(WaitUntilEnabled(GetDlgItem(license, IDOK)));
    e2e::PressDialogButton(license, IDOK);
}

void EnterLogin(const e2e::RunningProgram& player) {
    HWND login = player.WaitForWindow(nullptr, "Unlock CD");
    ASSERT_NE(login, nullptr) << "the login was not asked";
    SetDlgItemTextA(login, 1112, "ALICE");
    SetDlgItemTextA(login, 1114, "Secret");
    e2e::PressDialogButton(login, IDOK);
}

void ExpectWelcomeAndEnd(e2e::RunningProgram& player) {
    HWND done = player.WaitForWindow("#32770", "Done");
    ASSERT_NE(done, nullptr);
    EXPECT_EQ(player.VisibleWindows().size(), 1u);
    EXPECT_EQ(e2e::MessageBoxText(done), "Welcome.");
    e2e::PressDialogButton(done, IDOK);
    EXPECT_TRUE(player.WaitForExit(20000));
}

// License (first time only), a menu, and a message after the menu.
std::string LicenseMenuActionSettings(const std::string& discNumber) {
    std::string ini = "[General]\r\nVersion=3\r\nAppVersion=3\r\nAutorunType=2\r\nCdID=" + discNumber +
                      "\r\n[Root]\r\nSettingsCount=3\r\n";
    menu_e2e::WriteNode({{{"SettingType", "5"}, {"Active", "true"}, {"Display", "1"}, {"File", "\\License.txt"}}, {}},
                        "Root.1", ini);
    menu_e2e::WriteNode(menu_e2e::Menu("Main", {menu_e2e::Button("Nothing")}), "Root.2", ini);
    menu_e2e::WriteNode(menu_e2e::MessageAction("After", "After the menu."), "Root.3", ini);
    return ini;
}

// Closes the menu with its close button and answers the message after it.
void CloseMenuAndEnd(e2e::RunningProgram& player, HWND menu) {
    e2e::PressButton(GetDlgItem(menu, 1015));
    HWND after = player.WaitForWindow("#32770", "After");
    ASSERT_NE(after, nullptr) << "the step after the menu did not run";
    EXPECT_EQ(e2e::MessageBoxText(after), "After the menu.");
    e2e::PressDialogButton(after, IDOK);
    EXPECT_TRUE(player.WaitForExit(20000));
}

}  // namespace

TEST(SequencerFirstRun, LicenseThenMenuThenActionAndTheSecondRunOpensTheMenuAtOnce) {
    CTestDiscHistory history;
    e2e::FixtureDisc disc;
    menu_e2e::MakeMenuDisc(disc, {});
    disc.WriteSettings(LicenseMenuActionSettings(history.Number()));
    disc.WriteFile("License.txt", "You may use this disc.\r\n");
    {
        auto player = e2e::RunningProgram::Start(disc.Path("Autorun.exe"));
        ASSERT_TRUE(player.Started());
        AcceptLicense(player);
        HWND menu = player.WaitForWindow("#32770", "Main");
        ASSERT_NE(menu, nullptr);
        EXPECT_EQ(history.Value("License", "Root.1"), "1");
        CloseMenuAndEnd(player, menu);
    }
    auto second = e2e::RunningProgram::Start(disc.Path("Autorun.exe"));
    ASSERT_TRUE(second.Started());
    HWND menu = second.WaitForWindow("#32770", "Main");
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(second.VisibleWindows().size(), 1u) << "only the menu shows on the second run";
    e2e::SaveScreenshot(menu, "sequencer-second-run-menu");
    CloseMenuAndEnd(second, menu);
}

TEST(SequencerFirstRun, LicenseAndLoginAreAskedOnlyTheFirstTime) {
    CTestDiscHistory history;
    e2e::FixtureDisc disc;
    disc.WriteFile("License.txt", "You may use this disc.\r\n");
    disc.MakeComplete(FirstRunSettings(history.Number()));

    {
        auto player = e2e::RunningProgram::Start(disc.Path("Autorun.exe"));
        ASSERT_TRUE(player.Started());
        AcceptLicense(player);
        EnterLogin(player);
        ExpectWelcomeAndEnd(player);
    }
    EXPECT_EQ(history.Value("License", "Root.1"), "1");
    EXPECT_EQ(history.Value("Security", "Root.2"), "1");

    auto second = e2e::RunningProgram::Start(disc.Path("Autorun.exe"));
    ASSERT_TRUE(second.Started());
    ExpectWelcomeAndEnd(second);
}

TEST(SequencerFirstRun, RejectedLicenseStopsAndRecordsNothing) {
    CTestDiscHistory history;
    e2e::FixtureDisc disc;
    disc.WriteFile("License.txt", "You may use this disc.\r\n");
    disc.MakeComplete(FirstRunSettings(history.Number()));
    auto player = e2e::RunningProgram::Start(disc.Path("Autorun.exe"));
    ASSERT_TRUE(player.Started());
    HWND license = player.WaitForWindow(nullptr, "License Agreement");
    ASSERT_NE(license, nullptr);
    e2e::PressDialogButton(license, IDCANCEL);
    EXPECT_TRUE(player.WaitForExit(20000));
    EXPECT_EQ(history.Value("License", "Root.1"), "");
    EXPECT_EQ(history.Value("Security", "Root.2"), "");
}
