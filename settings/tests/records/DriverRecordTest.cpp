#include <gtest/gtest.h>
#include <functional>

#include "SectionLines.h"
#include "TempDir.h"
#include "records/SettingsDriver.h"

namespace {

std::vector<std::string> DirectoriesOf(const CSettingsDriver& driver) {
    std::vector<std::string> directories;
    for (int i = 0; i < driver.DirectoryCount(); ++i) directories.push_back(driver.GetDirectory(i));
    return directories;
}

CSettingsDriver LoadedFrom(const std::string& file) {
    CSettingsDriver driver;
    driver.SetFileName(file);
    driver.Load();
    return driver;
}

TEST(DriverRecord, MissingDirectoryKeysLoadAsEmptyEntries) {
    TempDir dir;
    const std::string file = dir.Write("s.ini", "[Driver]\r\nCount=3\r\nDir0=\\A\r\nDir2=\\C\r\n");
    EXPECT_EQ(DirectoriesOf(LoadedFrom(file)), (std::vector<std::string>{"\\A", "", "\\C"}));
}

TEST(DriverRecord, CountsThatAreMissingOrBelowOneLoadNothing) {
    TempDir dir;
    for (const char* count : {"", "Count=0\r\n", "Count=-2\r\n", "Count=abc\r\n"}) {
        const std::string file = dir.Write("s.ini", std::string("[Driver]\r\n") + count + "Dir0=\\A\r\n");
        EXPECT_EQ(LoadedFrom(file).DirectoryCount(), 0) << count;
    }
}

// A crafted count must not make the player allocate or loop without limit.
TEST(DriverRecord, CraftedCountIsBounded) {
    TempDir dir;
    const std::string file = dir.Write("s.ini", "[Driver]\r\nCount=2147483647\r\nDir0=\\A\r\n");
    const CSettingsDriver driver = LoadedFrom(file);
    EXPECT_EQ(driver.DirectoryCount(), CSettingsDriver::kMaxDirectories);
    EXPECT_EQ(driver.GetDirectory(0), "\\A");
}

TEST(DriverRecord, LoadingAgainReplacesTheList) {
    TempDir dir;
    const std::string file = dir.Write("s.ini", "[Driver]\r\nCount=1\r\nDir0=\\A\r\n");
    CSettingsDriver driver = LoadedFrom(file);
    driver.Load();
    EXPECT_EQ(DirectoriesOf(driver), (std::vector<std::string>{"\\A"}));
}

TEST(DriverRecord, ListOperations) {
    struct Case {
        const char* label;
        std::function<bool(CSettingsDriver&)> operation;
        bool result;
        std::vector<std::string> after;
    };
    const std::vector<Case> cases = {
        {"set", [](CSettingsDriver& d) { return d.SetDirectory(1, "\\X"); }, true, {"\\A", "\\X", "\\C"}},
        {"set outside", [](CSettingsDriver& d) { return d.SetDirectory(3, "\\X"); }, false, {"\\A", "\\B", "\\C"}},
        {"set negative", [](CSettingsDriver& d) { return d.SetDirectory(-1, "\\X"); }, false, {"\\A", "\\B", "\\C"}},
        {"remove first", [](CSettingsDriver& d) { return d.RemoveDirectoryAt(0); }, true, {"\\B", "\\C"}},
        {"remove outside", [](CSettingsDriver& d) { return d.RemoveDirectoryAt(3); }, false, {"\\A", "\\B", "\\C"}},
        {"move down", [](CSettingsDriver& d) { return d.MoveDirectoryDown(0); }, true, {"\\B", "\\A", "\\C"}},
        {"move last down", [](CSettingsDriver& d) { return d.MoveDirectoryDown(2); }, false, {"\\A", "\\B", "\\C"}},
        {"move outside", [](CSettingsDriver& d) { return d.MoveDirectoryDown(-1); }, false, {"\\A", "\\B", "\\C"}},
        {"add", [](CSettingsDriver& d) { d.AddDirectory("\\D"); return true; }, true, {"\\A", "\\B", "\\C", "\\D"}},
    };
    for (const Case& c : cases) {
        CSettingsDriver driver;
        for (const char* directory : {"\\A", "\\B", "\\C"}) driver.AddDirectory(directory);
        EXPECT_EQ(c.operation(driver), c.result) << c.label;
        EXPECT_EQ(DirectoriesOf(driver), c.after) << c.label;
    }
    CSettingsDriver driver;
    EXPECT_EQ(driver.GetDirectory(0), "");
}

TEST(DriverRecord, SavesCountThenOneKeyPerDirectory) {
    TempDir dir;
    CSettingsDriver driver;
    driver.SetFileName(dir.File("s.ini"));
    driver.AddDirectory("\\Net");
    driver.AddDirectory("\\Sound");
    driver.Save();
    EXPECT_EQ(SectionLines(dir.File("s.ini"), "Driver"),
              (std::vector<std::string>{"SettingType=7", "Name=", "Count=2", "Dir0=\\Net", "Dir1=\\Sound"}));
}

}  // namespace
