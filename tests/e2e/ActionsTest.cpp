// Launch actions through the real player on fixture discs: programs started
// from the disc and waited for, documents handed to the shell with their
// verb, message boxes whose answer stops the list, and registry items.
#include <gtest/gtest.h>

#include "ActionsFixture.h"

namespace {

using namespace actions_e2e;

const char kNotInstalled[] =
    "The selected item is not yet installed on your computer. Please run the installation and then try again.";

// Runs the player on the disc and returns it once started.
e2e::RunningProgram StartPlayer(const std::string& program) {
    auto player = e2e::RunningProgram::Start(program);
    EXPECT_TRUE(player.Started());
    return player;
}

e2e::RunningProgram StartPlayer(const e2e::FixtureDisc& disc) { return StartPlayer(disc.Path("Autorun.exe")); }

void ExpectEndsCleanly(e2e::RunningProgram& player) {
    DWORD exitCode = 1;
    EXPECT_TRUE(player.WaitForExit(20000, &exitCode));
    EXPECT_EQ(exitCode, 0u);
}

bool IsDefaultButton(HWND dialog, int id) {
    HWND button = GetDlgItem(dialog, id);
    return button && (GetWindowLongA(button, GWL_STYLE) & 0x0F) == BS_DEFPUSHBUTTON;
}

// A key below HKEY_CURRENT_USER for one test, deleted at the end.
class CTestRegistryKey {
public:
    CTestRegistryKey() : path_("Software\\Fernhollow Software\\" + UniqueName("mwtest-")) {}
    ~CTestRegistryKey() { RegDeleteTreeA(HKEY_CURRENT_USER, path_.c_str()); }
    CTestRegistryKey(const CTestRegistryKey&) = delete;
    CTestRegistryKey& operator=(const CTestRegistryKey&) = delete;
    std::string Written() const { return "HKEY_CURRENT_USER\\" + path_; }
    void Set(const std::string& name, const std::string& data) const {
        HKEY key = nullptr;
        RegCreateKeyExA(HKEY_CURRENT_USER, path_.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr);
        RegSetValueExA(key, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()), DWORD(data.size() + 1));
        RegCloseKey(key);
    }

private:
    std::string path_;
};

// A test-only document type whose "open" and "print" commands start the
// helper with the verb as its first argument.
class CTestDocumentType {
public:
    static constexpr const char* kExtension = ".mwtestdoc";
    CTestDocumentType() : progId_(UniqueName("Menuwright.TestDocument.")) {
        SetDefault(kExtension, progId_);
        for (const char* verb : {"open", "print"}) {
            SetDefault(progId_ + "\\shell\\" + verb + "\\command",
                       "\"" + HelperProgram() + "\" " + verb + " \"%1\"");
        }
    }
    ~CTestDocumentType() {
        RegDeleteTreeA(HKEY_CLASSES_ROOT, progId_.c_str());
        RegDeleteTreeA(HKEY_CLASSES_ROOT, kExtension);
    }
    CTestDocumentType(const CTestDocumentType&) = delete;
    CTestDocumentType& operator=(const CTestDocumentType&) = delete;

private:
    static void SetDefault(const std::string& keyPath, const std::string& data) {
        HKEY key = nullptr;
        RegCreateKeyExA(HKEY_CLASSES_ROOT, keyPath.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr);
        RegSetValueExA(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()), DWORD(data.size() + 1));
        RegCloseKey(key);
    }
    std::string progId_;
};

}  // namespace

// A list of actions ending in a message box: each program is started from
// the disc with its quoted path, its parameters and its own folder, and the
// list goes on only once it has ended.
TEST(LaunchActions, RunApplicationStartsTheDiscProgramAndWaitsForIt) {
    CActionLog log;
    e2e::FixtureDisc disc;
    disc.CopyFileTo(HelperProgram(), "bin\\tool.exe");
    disc.MakeComplete(RootListSettings({
        Action(106, "\\bin\\tool.exe", {{"Parameters", "first --hold"}, {"LaunchAndWait", "true"}}),
        Action(106, "\\bin\\tool.exe", {{"Parameters", "second"}, {"LaunchAndWait", "true"}}),
        Action(105, "All done.", {{"WindowTitle", "Actions"}}),
    }));
    auto player = StartPlayer(disc);
    HWND box = player.WaitForWindow("#32770", "Actions", 30000);
    ASSERT_NE(box, nullptr) << "the message after the programs never came";
    EXPECT_EQ(e2e::MessageBoxText(box), "All done.");
    e2e::SaveScreenshot(box, "actions-run-application-done");

    EXPECT_EQ(log.Order(), (std::vector<std::string>{"start first", "end first", "start second", "end second"}));
    const auto entries = log.Entries();
    ASSERT_GE(entries.size(), 1u);
    ASSERT_EQ(entries[0].size(), 4u);
    EXPECT_EQ(entries[0][2], "\"" + disc.Path("bin\\tool.exe") + "\" first --hold");
    EXPECT_TRUE(SamePath(entries[0][3], disc.Path("bin"))) << entries[0][3];

    ASSERT_TRUE(e2e::PressDialogButton(box, IDOK));
    ExpectEndsCleanly(player);
}

TEST(LaunchActions, MessageAnsweredNoEndsTheList) {
    CActionLog log;
    e2e::FixtureDisc disc;
    disc.CopyFileTo(HelperProgram(), "bin\\tool.exe");
    disc.MakeComplete(RootListSettings({
        Action(105, "Shall we go on?|Q^3|Second line.",
               {{"Buttons", "4"}, {"Icon", "32"}, {"DefaultButton", "256"}, {"WindowTitle", "Question"}}),
        Action(106, "\\bin\\tool.exe", {{"Parameters", "never"}, {"LaunchAndWait", "true"}}),
    }));
    auto player = StartPlayer(disc);
    HWND box = player.WaitForWindow("#32770", "Question");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(e2e::MessageBoxText(box), "Shall we go on?\r\nSecond line.");
    EXPECT_NE(GetDlgItem(box, IDYES), nullptr);
    EXPECT_NE(GetDlgItem(box, IDNO), nullptr);
    EXPECT_EQ(GetDlgItem(box, IDOK), nullptr);
    EXPECT_TRUE(IsDefaultButton(box, IDNO));
    EXPECT_FALSE(IsDefaultButton(box, IDYES));
    e2e::SaveScreenshot(box, "actions-message-yes-no");
    ASSERT_TRUE(e2e::PressDialogButton(box, IDNO));
    ExpectEndsCleanly(player);
    EXPECT_TRUE(log.Entries().empty()) << "the step after the message ran";
}

TEST(LaunchActions, MessageAnsweredYesGoesOn) {
    CActionLog log;
    e2e::FixtureDisc disc;
    disc.CopyFileTo(HelperProgram(), "bin\\tool.exe");
    disc.MakeComplete(RootListSettings({
        Action(105, "Go on?", {{"Buttons", "4"}, {"Icon", "32"}}),
        Action(106, "\\bin\\tool.exe", {{"Parameters", "after"}, {"LaunchAndWait", "true"}}),
    }));
    auto player = StartPlayer(disc);
    HWND box = player.WaitForWindow("#32770", "AutoRun");  // no title: the default caption
    ASSERT_NE(box, nullptr);
    ASSERT_TRUE(e2e::PressDialogButton(box, IDYES));
    ExpectEndsCleanly(player);
    EXPECT_EQ(log.Order(), (std::vector<std::string>{"start after", "end after"}));
}

TEST(LaunchActions, MissingRegistryItemShowsNotInstalledAndStops) {
    CActionLog log;
    CTestRegistryKey missing;  // never created
    e2e::FixtureDisc disc;
    disc.CopyFileTo(HelperProgram(), "bin\\tool.exe");
    disc.MakeComplete(RootListSettings({
        Action(106, "", {{"LaunchType", "2"}, {"RegKey", missing.Written()}, {"RegValue", "Path"}}),
        Action(106, "\\bin\\tool.exe", {{"Parameters", "never"}, {"LaunchAndWait", "true"}}),
    }));
    auto player = StartPlayer(disc);
    HWND box = player.WaitForWindow("#32770", "Autorun");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(e2e::MessageBoxText(box), kNotInstalled);
    e2e::SaveScreenshot(box, "actions-not-installed");
    ASSERT_TRUE(e2e::PressDialogButton(box, IDOK));
    ExpectEndsCleanly(player);
    EXPECT_TRUE(log.Entries().empty());
}

TEST(LaunchActions, RegistryItemIsStartedAsItStands) {
    CActionLog log;
    CTestRegistryKey key;
    key.Set("Path", HelperProgram());
    e2e::FixtureDisc disc;
    disc.MakeComplete(RootListSettings({
        Action(106, "", {{"LaunchType", "2"}, {"RegKey", key.Written()}, {"RegValue", "Path"},
                         {"Parameters", "registered"}, {"LaunchAndWait", "true"}}),
    }));
    auto player = StartPlayer(disc);
    ExpectEndsCleanly(player);
    const auto entries = log.Entries();
    ASSERT_EQ(log.Order(), (std::vector<std::string>{"start registered", "end registered"}));
    EXPECT_EQ(entries[0][2], "\"" + HelperProgram() + "\" registered");
}

TEST(LaunchActions, ExploreOfAMissingDirectoryDoesNothing) {
    CActionLog log;
    e2e::FixtureDisc disc;
    disc.CopyFileTo(HelperProgram(), "bin\\tool.exe");
    disc.MakeComplete(RootListSettings({
        Action(104, "\\NoSuchFolder"),
        Action(101, "\\NoSuchDocument.mwtestdoc"),
        Action(106, "\\bin\\tool.exe", {{"Parameters", "after"}, {"LaunchAndWait", "true"}}),
    }));
    auto player = StartPlayer(disc);
    ExpectEndsCleanly(player);
    EXPECT_EQ(log.Order(), (std::vector<std::string>{"start after", "end after"}));
}

TEST(LaunchActions, OpenAndPrintReachTheDocumentsProgramWithTheirVerb) {
    CActionLog log;
    CTestDocumentType documentType;
    e2e::FixtureDisc disc;
    disc.WriteFile("docs\\readme.mwtestdoc", "a test document\r\n");
    disc.MakeComplete(RootListSettings({
        Action(101, "\\docs\\readme.mwtestdoc", {{"LaunchAndWait", "true"}}),
        Action(108, "\\docs\\readme.mwtestdoc"),
    }));
    auto player = StartPlayer(disc);
    ExpectEndsCleanly(player);
    ASSERT_TRUE(log.WaitForLines(4));
    std::map<std::string, std::string> commandLines;
    for (const auto& entry : log.Entries()) {
        if (entry[0] == "start" && entry.size() == 4) commandLines[entry[1]] = entry[2];
    }
    const std::string document = "\"" + disc.Path("docs\\readme.mwtestdoc") + "\"";
    ASSERT_EQ(commandLines.size(), 2u);
    EXPECT_NE(commandLines["open"].find(" open "), std::string::npos) << commandLines["open"];
    EXPECT_TRUE(SamePath(commandLines["open"].substr(commandLines["open"].size() - document.size()), document))
        << commandLines["open"];
    EXPECT_TRUE(SamePath(commandLines["print"].substr(commandLines["print"].size() - document.size()), document))
        << commandLines["print"];
}

// A settings file may come from anyone: names that lead off the disc start
// nothing beside it, however they are spelled, and the list goes on.
TEST(LaunchActions, NamesThatLeadOffTheDiscStartNothing) {
    CActionLog log;
    e2e::FixtureDisc folder;  // the disc lies in "disc", a program beside it in "outside"
    folder.CopyFileTo(HelperProgram(), "outside\\tool.exe");
    folder.CopyFileTo(HelperProgram(), "disc\\bin\\tool.exe");
    folder.CopyFileTo(e2e::BuiltProgram("Autorun.exe"), "disc\\Autorun.exe");
    folder.WriteFile("disc\\Autorun.inf", "[AutoRun]\r\nopen=Autorun.exe\r\n");
    folder.WriteFile("disc\\AutoRun\\Settings.ini", RootListSettings({
        Action(106, "\\..\\outside\\tool.exe", {{"Parameters", "dotdot"}, {"LaunchAndWait", "true"}}),
        Action(106, "/../outside/tool.exe", {{"Parameters", "slashes"}, {"LaunchAndWait", "true"}}),
        Action(106, "\\bin\\..\\..\\outside\\tool.exe", {{"Parameters", "deeper"}, {"LaunchAndWait", "true"}}),
        Action(106, folder.Path("outside\\tool.exe"), {{"Parameters", "drive"}, {"LaunchAndWait", "true"}}),
        Action(106, "\\bin\\.\\tool.exe", {{"Parameters", "inside"}, {"LaunchAndWait", "true"}}),
    }));
    auto player = StartPlayer(folder.Path("disc\\Autorun.exe"));
    ExpectEndsCleanly(player);
    EXPECT_EQ(log.Order(), (std::vector<std::string>{"start inside", "end inside"}));
}

// Started with a bare name from another directory, the player still reads
// the disc it lies on, never the settings of the current directory or drive.
TEST(LaunchActions, TheDiscIsWhereThePlayerLies) {
    CActionLog log;
    e2e::FixtureDisc disc;
    disc.CopyFileTo(HelperProgram(), "bin\\tool.exe");
    disc.MakeComplete(RootListSettings({
        Action(106, "\\bin\\tool.exe", {{"Parameters", "own-disc"}, {"LaunchAndWait", "true"}}),
    }));
    e2e::FixtureDisc elsewhere;
    elsewhere.CopyFileTo(HelperProgram(), "bin\\tool.exe");
    elsewhere.MakeComplete(RootListSettings({
        Action(106, "\\bin\\tool.exe", {{"Parameters", "current-directory"}, {"LaunchAndWait", "true"}}),
    }));
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process = {};
    std::string commandLine = "Autorun.exe";
    ASSERT_TRUE(CreateProcessA(disc.Path("Autorun.exe").c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
                               nullptr, elsewhere.Root().c_str(), &startup, &process));
    EXPECT_EQ(WaitForSingleObject(process.hProcess, 20000), WAIT_OBJECT_0);
    DWORD exitCode = 1;
    GetExitCodeProcess(process.hProcess, &exitCode);
    TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    EXPECT_EQ(exitCode, 0u);
    EXPECT_EQ(log.Order(), (std::vector<std::string>{"start own-disc", "end own-disc"}));
}
