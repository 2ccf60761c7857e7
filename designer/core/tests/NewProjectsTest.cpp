#include <gtest/gtest.h>

#include "DiscSettings.h"
#include "NewProjects.h"
#include "records/SettingsButton.h"
#include "records/SettingsHtml.h"
#include "records/SettingsInstall.h"

namespace {

TEST(NewProjects, AMenuProjectStartsWithOneMenuAndItsExitButton) {
    CDiscSettings project;
    project.AutorunType = CDiscSettings::kMenuDisc;
    GiveFirstSteps(project);
    ASSERT_EQ(project.RootList.Count(), 1);
    auto* menu = static_cast<CSettingsHtml*>(project.RootList.GetAt(0));
    ASSERT_EQ(menu->SettingType(), kSettingHtml);
    ASSERT_EQ(menu->Buttons().Count(), 1);
    auto* exit = static_cast<CSettingsButton*>(menu->Buttons().GetAt(0));
    EXPECT_EQ(exit->GetName(), "Exit");
    EXPECT_TRUE(exit->WindowClose);
    EXPECT_EQ(exit->Actions().Count(), 0);
}

TEST(NewProjects, ASilentProjectStartsWithItsFiveStepsAndLosesAnEmptyInstall) {
    CDiscSettings project;
    project.AutorunType = CDiscSettings::kSilentDisc;
    GiveFirstSteps(project);
    ASSERT_EQ(project.RootList.Count(), 5);
    EXPECT_EQ(project.RootList.GetAt(3)->SettingType(), kSettingInstall);
    RemoveEmptyInstallStep(project);
    EXPECT_EQ(project.RootList.Count(), 4);
    EXPECT_EQ(project.RootList.FindByType(kSettingInstall), nullptr);

    CDiscSettings named;
    named.AutorunType = CDiscSettings::kSilentDisc;
    GiveFirstSteps(named);
    static_cast<CSettingsInstall*>(named.RootList.FindByType(kSettingInstall))->File = "\\Setup\\setup.exe";
    RemoveEmptyInstallStep(named);
    EXPECT_EQ(named.RootList.Count(), 5);
}

TEST(NewProjects, ACopyKeepsTheDiscButNotItsPlaceOrBuild) {
    CDiscSettings original;
    original.ProjectName = "abcdefghijklmnopqrstuvwxy";
    original.TargetDir = "C:\\Discs\\Original";
    original.Label = "ORIGINAL";
    original.AutorunUpdated = true;
    original.InfoDirName = "Original";
    original.InfoDirPath = "C:\\Designer\\ProjectsV3\\Original";
    original.Index = 3;
    original.AutorunType = CDiscSettings::kMenuDisc;
    GiveFirstSteps(original);

    const auto copy = CopyProject(original);
    EXPECT_EQ(copy->ProjectName, "Copy of abcdefghijklmnopqrstuv");
    EXPECT_EQ(copy->TargetDir, original.TargetDir);
    EXPECT_EQ(copy->Label, "ORIGINAL");
    EXPECT_FALSE(copy->AutorunUpdated);
    EXPECT_TRUE(copy->InfoDirName.empty());
    EXPECT_TRUE(copy->InfoDirPath.empty());
    EXPECT_EQ(copy->Index, -1);
    ASSERT_EQ(copy->RootList.Count(), 1);
    // A deep copy: the copy's menu is its own.
    EXPECT_NE(copy->RootList.GetAt(0), original.RootList.GetAt(0));
    static_cast<CSettingsHtml*>(copy->RootList.GetAt(0))->Buttons().Clear();
    EXPECT_EQ(static_cast<CSettingsHtml*>(original.RootList.GetAt(0))->Buttons().Count(), 1);
}

}  // namespace
