// The first-run history in the real registry: the sequencer's writes read
// back with the platform's own registry functions.
#include <windows.h>

#include <gtest/gtest.h>

#include <random>

#include "ScriptedSteps.h"
#include "RegistryHistoryStore.h"

namespace {

const char kVendorKey[] = "SOFTWARE\\Fernhollow Software\\Menuwright";

// A disc number no real disc has, with its history deleted at the end.
class CTestDiscNumber {
public:
    CTestDiscNumber() {
        std::random_device seed;
        number_ = "mwtest-" + std::to_string(seed()) + std::to_string(seed());
    }
    ~CTestDiscNumber() {
        HKEY vendor = nullptr;
        if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kVendorKey, 0, KEY_ALL_ACCESS, &vendor) == ERROR_SUCCESS) {
            RegDeleteTreeA(vendor, number_.c_str());
            RegCloseKey(vendor);
        }
    }
    CTestDiscNumber(const CTestDiscNumber&) = delete;
    CTestDiscNumber& operator=(const CTestDiscNumber&) = delete;
    const std::string& Text() const { return number_; }
    std::string Key(const std::string& below) const { return std::string(kVendorKey) + "\\" + number_ + "\\" + below; }

private:
    std::string number_;
};

// The string data of a value, as the platform reads it; empty when missing.
std::string RegistryString(const std::string& keyPath, const std::string& valueName, DWORD* type = nullptr) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, keyPath.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return {};
    char data[64] = {};
    DWORD size = sizeof(data) - 1;
    DWORD valueType = 0;
    const LONG result =
        RegQueryValueExA(key, valueName.c_str(), nullptr, &valueType, reinterpret_cast<BYTE*>(data), &size);
    RegCloseKey(key);
    if (type) *type = valueType;
    return result == ERROR_SUCCESS ? std::string(data) : std::string();
}

std::vector<std::string> ValueNames(const std::string& keyPath) {
    std::vector<std::string> names;
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, keyPath.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return names;
    char name[256];
    for (DWORD i = 0;; ++i) {
        DWORD length = sizeof(name);
        if (RegEnumValueA(key, i, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
        names.emplace_back(name, length);
    }
    RegCloseKey(key);
    return names;
}

TEST(HistoryRegistry, FirstTimeStepsAreAskedOnceAndRecordedWhereTheyBelong) {
    CTestDiscNumber disc;
    CDiscSettings settings;
    settings.CdID = disc.Text();
    AddStep<CSettingsSplash>(settings.RootList, "Splash");
    AddLicense(settings.RootList, "License", CSettingsLicense::kFirstTimeOnly);
    AddLogin(settings.RootList, "Login", CSettingsSecurity::kFirstTimeOnly);
    AddAction(settings.RootList, "After");

    StepScript script;
    script.existingFiles.insert("C:\\Disc\\License.txt");
    script.licenses = {1, 1};
    script.logins = {{true, "ALICE", "Secret"}, {true, "ALICE", "Secret"}};
    CScriptedSteps steps(script);
    CRegistryHistoryStore history;
    for (int run = 0; run < 2; ++run) {
        CStepSequencer sequencer(settings, "C:\\Disc", steps, steps, history);
        EXPECT_TRUE(sequencer.Run(settings.RootList));
    }
    EXPECT_EQ(steps.TakeLog(), (std::vector<std::string>{"license License", "login Login",
                                                          "action After Root.4 parent none",
                                                          "action After Root.4 parent none"}));

    DWORD type = 0;
    EXPECT_EQ(RegistryString(disc.Key("License"), "Root.2", &type), "1");
    EXPECT_EQ(type, DWORD(REG_SZ));
    EXPECT_EQ(RegistryString(disc.Key("Security"), "Root.3", &type), "1");
    EXPECT_EQ(type, DWORD(REG_SZ));
    EXPECT_EQ(ValueNames(disc.Key("License")), std::vector<std::string>{"Root.2"});
    EXPECT_EQ(ValueNames(disc.Key("Security")), std::vector<std::string>{"Root.3"});
}

TEST(HistoryRegistry, InstallEntriesLieBelowTheirSectionNamedAfterTheInstaller) {
    CTestDiscNumber disc;
    CDiscSettings settings;
    settings.CdID = disc.Text();
    StepScript script;
    CScriptedSteps steps(script);
    CRegistryHistoryStore history;
    CStepSequencer sequencer(settings, "C:\\Disc", steps, steps, history);

    const std::string value = HistoryInstallValueName("\\Setup\\setup.exe");
    EXPECT_FALSE(sequencer.HistoryIsDone(kHistoryInstall, "Root.3", value));
    sequencer.HistoryMarkDone(kHistoryInstall, "Root.3", value);
    EXPECT_TRUE(sequencer.HistoryIsDone(kHistoryInstall, "Root.3", value));
    EXPECT_FALSE(sequencer.HistoryIsDone(kHistoryInstall, "Root.4", value));
    EXPECT_EQ(RegistryString(disc.Key("Install\\Root.3"), "#Setup#setup.exe"), "1");
    EXPECT_TRUE(HistoryIsDone(settings, kHistoryInstall, "Root.3", value));
}

TEST(HistoryRegistry, OnlyTheStringOneCountsAsDone) {
    CTestDiscNumber disc;
    CRegistryHistoryStore history;
    history.MarkDone(disc.Text(), kHistoryLicense, "Root.1", "");
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, disc.Key("License").c_str(), 0, KEY_SET_VALUE, &key), ERROR_SUCCESS);
    const char two[] = "2";
    const char longer[] = "10";
    const DWORD one = 1;
    RegSetValueExA(key, "Root.2", 0, REG_SZ, reinterpret_cast<const BYTE*>(two), sizeof(two));
    RegSetValueExA(key, "Root.3", 0, REG_SZ, reinterpret_cast<const BYTE*>(longer), sizeof(longer));
    RegSetValueExA(key, "Root.4", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&one), sizeof(one));
    RegCloseKey(key);

    EXPECT_TRUE(history.IsDone(disc.Text(), kHistoryLicense, "Root.1", ""));
    for (const char* section : {"Root.2", "Root.3", "Root.4", "Root.5"}) {
        EXPECT_FALSE(history.IsDone(disc.Text(), kHistoryLicense, section, "")) << section;
    }
    EXPECT_FALSE(history.IsDone(disc.Text(), kHistorySecurity, "Root.1", ""));
    EXPECT_FALSE(history.IsDone(disc.Text() + "0", kHistoryLicense, "Root.1", ""));
}

}  // namespace
