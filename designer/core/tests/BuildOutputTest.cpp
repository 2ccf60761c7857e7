#include <gtest/gtest.h>

#include "AutorunInf.h"
#include "DiscSettings.h"
#include "FirstRunSteps.h"
#include "NewProjects.h"
#include "records/SettingsButton.h"
#include "records/SettingsHtml.h"
#include "records/SettingsInstall.h"
#include "records/SettingsLicense.h"

namespace {

const char* const kFixedTail =
    "\r\n[Content]\r\nMusicFiles=false\r\nPictureFiles=false\r\nVideoFiles=false\r\n\r\n"
    "[IgnoreContentPaths]\r\n\\\r\n\r\n[DeviceInstall]\r\n";

TEST(AutorunInf, TheIconLineFollowsTheIconRecord) {
    struct Case {
        int type;
        const char* file;
        int number;
        const char* line;
    };
    const Case cases[] = {
        {1, "\\Icons\\App.ico", 0, "icon=Autorun.exe"},
        {2, "", 3, "icon=Autorun.exe"},
        {2, "\\Icons\\App.ico", 4, "icon=Icons\\App.ico"},
        {2, "\\Lib.dll", 0, "icon=Lib.dll,0"},
        {2, "\\x.Exe", 2, "icon=x.Exe,2"},
    };
    for (const Case& c : cases) {
        CDiscSettings project;
        project.Icon.Type = c.type;
        project.Icon.Filename = c.file;
        project.Icon.Number = c.number;
        EXPECT_EQ(AutorunInfText(project), std::string("[AutoRun]\r\n") + c.line + "\r\nopen=Autorun.exe\r\n" + kFixedTail)
            << c.file;
    }
}

TEST(AutorunInf, LabelActionAndDriversAreWrittenWhenThereAreAny) {
    CDiscSettings project;
    project.WindowsLabel = "Spring Catalogue";
    project.AutoPlayAction = "Open the catalogue";
    project.Driver.AddDirectory("\\");
    project.Driver.AddDirectory("\\Drivers\\Usb");
    EXPECT_EQ(AutorunInfText(project),
              std::string("[AutoRun]\r\nicon=Autorun.exe\r\nopen=Autorun.exe\r\nlabel=Spring Catalogue\r\n"
                          "action=Open the catalogue\r\n") +
                  kFixedTail + "DriverPath=\r\nDriverPath=Drivers\\Usb\r\n");
}

TEST(FirstRunSteps, AFirstTimeOnlyStepAnywhereInTheMenusCounts) {
    CDiscSettings project;
    GiveFirstSteps(project);
    EXPECT_FALSE(HasFirstRunBehaviour(project.RootList)) << "a menu with an exit button";

    auto* menu = static_cast<CSettingsHtml*>(project.RootList.GetAt(0));
    auto* exit = static_cast<CSettingsButton*>(menu->Buttons().GetAt(0));
    auto install = std::make_unique<CSettingsInstall>();
    install->When = CSettingsInstall::kEveryTime;
    exit->Actions().Add(std::move(install), false);
    EXPECT_FALSE(HasFirstRunBehaviour(project.RootList));
    static_cast<CSettingsInstall*>(exit->Actions().GetAt(0))->When = CSettingsInstall::kFirstTimeOnly;
    EXPECT_TRUE(HasFirstRunBehaviour(project.RootList)) << "an install inside a button";

    CDiscSettings licensed;
    auto license = std::make_unique<CSettingsLicense>();
    license->Display = CSettingsLicense::kFirstTimeOnly;
    licensed.RootList.Add(std::move(license), false);
    EXPECT_FALSE(HasFirstRunBehaviour(licensed.RootList)) << "an inactive license is never shown";
    static_cast<CSettingsLicense*>(licensed.RootList.GetAt(0))->Active = true;
    EXPECT_TRUE(HasFirstRunBehaviour(licensed.RootList));
}

TEST(FirstRunSteps, OnlyADiscNumberOfDigitsNamesAHistoryKey) {
    EXPECT_TRUE(IsDiscHistoryKey("7"));
    EXPECT_TRUE(IsDiscHistoryKey("1024"));
    for (const char* damaged : {"", " 7", "7\\..", "..", "12a", "99999999999"}) {
        EXPECT_FALSE(IsDiscHistoryKey(damaged)) << damaged;
    }
}

}  // namespace
