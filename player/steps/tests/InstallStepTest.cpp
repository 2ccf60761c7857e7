// The install step under Wine: the real file type associations, version
// resources and process start, with the first-run history kept in memory.
#include "install/InstallStep.h"

#include <gtest/gtest.h>

#include <set>

#include "StepTestSupport.h"
#include "records/SettingsInstall.h"
#include "steps/StepResources.h"

using namespace steptest;

namespace {

const char kVersionedType[] = "mwtstviewer";   // opened by a program of version 8.1
const char kUnversionedType[] = "mwtstnover";  // opened by a program without version resource
const char kUnknownType[] = "mwtstnobody";     // opened by nothing
const char kPackageType[] = "mwtstpkg";        // a package the installer opens

class CMemoryHistoryLookups : public CSystemInstallLookups {
public:
    std::set<std::string> done;
    bool HistoryIsDone(const std::string& section, const std::string& value) override {
        return done.count(section + "|" + value) != 0;
    }
    void HistoryMarkDone(const std::string& section, const std::string& value) override {
        done.insert(section + "|" + value);
    }
};

void RegisterType(const std::string& extension, const std::string& program) {
    const std::string progId = "Menuwright.Test." + extension;
    const std::string command = "\"" + program + "\" \"%1\"";
    RegSetValueA(HKEY_CLASSES_ROOT, ("." + extension).c_str(), REG_SZ, progId.c_str(), DWORD(progId.size()));
    RegSetValueA(HKEY_CLASSES_ROOT, (progId + "\\shell\\open\\command").c_str(), REG_SZ, command.c_str(),
                 DWORD(command.size()));
}

void UnregisterType(const std::string& extension) {
    RegDeleteTreeA(HKEY_CLASSES_ROOT, ("." + extension).c_str());
    RegDeleteTreeA(HKEY_CLASSES_ROOT, ("Menuwright.Test." + extension).c_str());
}

class InstallStep : public ::testing::Test {
protected:
    void SetUp() override {
        disc_.CopyIn(HelperProgram(STEPS_TEST_INSTALLER), "\\Setup\\setup.exe");
        RegisterType(kVersionedType, HelperProgram(STEPS_TEST_VIEWER));
        RegisterType(kUnversionedType, HelperProgram(STEPS_TEST_UNVERSIONED_VIEWER));
        UnregisterType(kUnknownType);
    }
    void TearDown() override {
        UnregisterType(kVersionedType);
        UnregisterType(kUnversionedType);
        UnregisterType(kPackageType);
    }

    static CSettingsInstall Install(std::int32_t when) {
        CSettingsInstall install;
        install.File = "\\Setup\\setup.exe";
        install.Parameters = "/S /D=here";
        install.When = when;
        return install;
    }
    bool Run(const CSettingsInstall& install, InstallFlags flags = {}) {
        return RunInstall(install, "Root.3", disc_.Root(), nullptr, flags, lookups_);
    }
    std::string InstallerLog() const { return disc_.Read("\\Setup\\installer-ran.txt"); }
    void ForgetInstallerRuns() const { DeleteFileA(disc_.Path("\\Setup\\installer-ran.txt").c_str()); }

    CTempDisc disc_;
    CMemoryHistoryLookups lookups_;
};

}  // namespace

TEST_F(InstallStep, FirstTimeOnlyRunsOnceAndRecordsTheInstallerFile) {
    const CSettingsInstall install = Install(CSettingsInstall::kFirstTimeOnly);
    EXPECT_TRUE(Run(install));
    EXPECT_EQ(InstallerLog(), "/S /D=here|" + disc_.Path("\\Setup") + "\r\n");
    EXPECT_EQ(lookups_.done, std::set<std::string>{"Root.3|#Setup#setup.exe"});

    ForgetInstallerRuns();
    EXPECT_TRUE(Run(install));
    EXPECT_EQ(InstallerLog(), "") << "the second run skips without asking";
}

TEST_F(InstallStep, EveryTimeRunsAndRecordsEachTime) {
    const CSettingsInstall install = Install(CSettingsInstall::kEveryTime);
    lookups_.done.insert("Root.3|#Setup#setup.exe");
    EXPECT_TRUE(Run(install));
    EXPECT_TRUE(Run(install));
    EXPECT_EQ(InstallerLog(), std::string("/S /D=here|") + disc_.Path("\\Setup") + "\r\n/S /D=here|" +
                                  disc_.Path("\\Setup") + "\r\n");
}

TEST_F(InstallStep, ByFileTypeAgainstTheRealAssociationAndVersion) {
    struct Case {
        const char* extension;
        std::int32_t whenViewer;
        const char* version;
        bool installs;
    };
    const Case cases[] = {
        {kVersionedType, 1, "", false},
        {kUnknownType, 1, "", true},
        {kVersionedType, 2, "9.0", true},   // 8.01 is below 9.0
        {kVersionedType, 2, "8.1", false},  // 8.01 equals 8.1
        {kVersionedType, 2, "8.01", false},
        {kVersionedType, 2, "8.0", false},
        {kVersionedType, 2, "", false},
        {kUnversionedType, 2, "1.0", true},
        {kUnversionedType, 1, "1.0", false},
        {kUnknownType, 2, "9.0", true},
        // Not a name a file can have: the lookup fails, so the step installs.
        {"pdf:bad", 1, "", true},
    };
    for (const Case& c : cases) {
        ForgetInstallerRuns();
        lookups_.done.clear();
        CSettingsInstall install = Install(CSettingsInstall::kByFileType);
        install.FileExtension = c.extension;
        install.WhenViewer = c.whenViewer;
        install.Version = c.version;
        EXPECT_TRUE(Run(install));
        EXPECT_EQ(!InstallerLog().empty(), c.installs)
            << c.extension << " WhenViewer " << c.whenViewer << " Version " << c.version;
        EXPECT_EQ(lookups_.done.size(), c.installs ? 1u : 0u);
    }
}

TEST_F(InstallStep, SkipOnThePromptSkipsAndRecordsNothing) {
    CSettingsInstall install = Install(CSettingsInstall::kEveryTime);
    install.Prompt = true;
    install.Skip = true;
    install.Message = "Install the reader now?";
    for (bool pressOk : {false, true}) {
        ForgetInstallerRuns();
        lookups_.done.clear();
        std::string message;
        bool skipVisible = false;
        bool questionIcon = false;
        CDialogDriver driver([&](DWORD mainThread) {
            HWND prompt = WaitForThreadWindow(mainThread, "#32770", "Install");
            if (!prompt) return;
            message = ItemText(prompt, IDC_INSTALL_MESSAGE);
            skipVisible = IsWindowVisible(GetDlgItem(prompt, IDCANCEL)) && ItemText(prompt, IDCANCEL) == "&Skip";
            const LRESULT icon = SendDlgItemMessageA(prompt, IDC_INSTALL_ICON, STM_GETICON, 0, 0);
            questionIcon = icon == reinterpret_cast<LRESULT>(LoadIconA(nullptr, IDI_QUESTION));
            Click(prompt, pressOk ? IDOK : IDCANCEL);
        });
        EXPECT_TRUE(Run(install));
        driver.Finish();
        EXPECT_EQ(message, "Install the reader now?");
        EXPECT_TRUE(skipVisible);
        EXPECT_TRUE(questionIcon);
        EXPECT_EQ(!InstallerLog().empty(), pressOk);
        EXPECT_EQ(lookups_.done.size(), pressOk ? 1u : 0u);
    }
}

TEST_F(InstallStep, PromptWithoutSkipOffersOnlyOkButEscapeStillSkips) {
    CSettingsInstall install = Install(CSettingsInstall::kEveryTime);
    install.Prompt = true;
    install.Message = "The reader will be installed.";
    bool skipVisible = true;
    bool informationIcon = false;
    CDialogDriver driver([&](DWORD mainThread) {
        HWND prompt = WaitForThreadWindow(mainThread, "#32770", "Install");
        if (!prompt) return;
        skipVisible = IsWindowVisible(GetDlgItem(prompt, IDCANCEL));
        const LRESULT icon = SendDlgItemMessageA(prompt, IDC_INSTALL_ICON, STM_GETICON, 0, 0);
        informationIcon = icon == reinterpret_cast<LRESULT>(LoadIconA(nullptr, IDI_INFORMATION));
        PressKey(GetDlgItem(prompt, IDOK), VK_ESCAPE);
        WaitForWindowGone(prompt, 5000);
    });
    EXPECT_TRUE(Run(install));
    driver.Finish();
    EXPECT_FALSE(skipVisible);
    EXPECT_TRUE(informationIcon);
    EXPECT_EQ(InstallerLog(), "");
    EXPECT_TRUE(lookups_.done.empty());
}

TEST_F(InstallStep, PromptWithoutMessageAsksNothing) {
    CSettingsInstall install = Install(CSettingsInstall::kEveryTime);
    install.Prompt = true;
    install.Skip = true;
    EXPECT_TRUE(Run(install));
    EXPECT_FALSE(InstallerLog().empty());
}

TEST_F(InstallStep, PackageIsOpenedByTheShellWithoutParameters) {
    disc_.CopyIn(HelperProgram(STEPS_TEST_INSTALLER), "\\Tools\\opener.exe");
    RegisterType(kPackageType, disc_.Path("\\Tools\\opener.exe"));
    disc_.Write("\\Setup\\reader.mwtstpkg", "package");
    CSettingsInstall install = Install(CSettingsInstall::kFirstTimeOnly);
    install.File = "\\Setup\\reader.mwtstpkg";
    install.Parameters = "/quiet";
    EXPECT_TRUE(Run(install));
    const std::string log = disc_.Read("\\Tools\\installer-ran.txt");
    EXPECT_NE(log.find("reader.mwtstpkg"), std::string::npos) << log;
    EXPECT_EQ(log.find("/quiet"), std::string::npos) << log;
    EXPECT_EQ(lookups_.done, std::set<std::string>{"Root.3|#Setup#reader.mwtstpkg"});
}

TEST_F(InstallStep, MissingInstallerIsStillRecorded) {
    CSettingsInstall install = Install(CSettingsInstall::kFirstTimeOnly);
    install.File = "\\Setup\\missing.exe";
    EXPECT_TRUE(Run(install));
    EXPECT_EQ(lookups_.done, std::set<std::string>{"Root.3|#Setup#missing.exe"});
}

TEST_F(InstallStep, WaitsForTheInstallerOnlyWithLaunchAndWait) {
    CSettingsInstall install = Install(CSettingsInstall::kEveryTime);
    install.Parameters = "/slow";
    install.LaunchAndWait = true;
    EXPECT_TRUE(Run(install));
    EXPECT_FALSE(InstallerLog().empty()) << "waited for the installer";

    ForgetInstallerRuns();
    install.LaunchAndWait = false;
    EXPECT_TRUE(Run(install));
    EXPECT_EQ(InstallerLog(), "") << "went on while the installer runs";
    const DWORD start = GetTickCount();
    while (InstallerLog().empty() && GetTickCount() - start < 15000) Sleep(50);
    EXPECT_FALSE(InstallerLog().empty());

    ForgetInstallerRuns();
    install.LaunchAndWait = true;
    InstallFlags noWait;
    noWait.noWait = true;
    EXPECT_TRUE(Run(install, noWait));
    EXPECT_EQ(InstallerLog(), "");
    while (InstallerLog().empty() && GetTickCount() - start < 30000) Sleep(50);
}

TEST_F(InstallStep, SkipFlagEvaluatesButDoesNothing) {
    InstallFlags skip;
    skip.skip = true;
    EXPECT_TRUE(Run(Install(CSettingsInstall::kEveryTime), skip));
    EXPECT_EQ(InstallerLog(), "");
    EXPECT_TRUE(lookups_.done.empty());
}
