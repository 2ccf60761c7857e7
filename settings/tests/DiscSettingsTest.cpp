#include "DiscSettings.h"

#include <gtest/gtest.h>

#include "SettingsFileAccess.h"
#include "TempDir.h"
#include "RecordBudget.h"
#include "records/SettingsButton.h"
#include "records/SettingsHtml.h"
#include "records/SettingsInstall.h"
#include "records/SettingsLaunch.h"
#include "records/SettingsLicense.h"
#include "records/SettingsSecurity.h"
#include "records/SettingsSplash.h"

namespace {

std::vector<std::int32_t> KindsOf(const CSettingsList& list) {
    std::vector<std::int32_t> kinds;
    for (const auto& record : list) kinds.push_back(record->SettingType());
    return kinds;
}

std::unique_ptr<CDiscSettings> LoadedFrom(const TempDir& dir, const std::string& text) {
    auto disc = std::make_unique<CDiscSettings>();
    disc->SetFileName(dir.Write("Settings.ini", text));
    disc->Load();
    return disc;
}

}  // namespace

TEST(DiscSettings, GeneralValuesRoundTrip) {
    TempDir dir;
    CDiscSettings disc;
    disc.SetFileName(dir.File("Settings.ini"));
    disc.TargetDir = "C:\\Projects\\Demo";
    disc.Label = "DEMO";
    disc.WindowsLabel = "Demo Disc";
    disc.AutoPlayAction = "Run the demo";
    disc.AutorunType = CDiscSettings::kSilentDisc;
    disc.AutorunUpdated = true;
    disc.CreateDefaultSteps();
    disc.SaveAll();
    EXPECT_EQ(dir.Read("Settings.ini").find("[General]\r\nTargetDir=C:\\Projects\\Demo\r\nLabel=DEMO\r\n"
                                            "AutorunType=1\r\nAutorunUpdated=true\r\nVersion=3\r\nAppVersion=3\r\n"
                                            "WindowsLabel=Demo Disc\r\nAutoPlayAction=Run the demo\r\n"),
              0u);

    CDiscSettings loaded;
    loaded.SetFileName(dir.File("Settings.ini"));
    loaded.Load();
    EXPECT_EQ(loaded.TargetDir, disc.TargetDir);
    EXPECT_EQ(loaded.Label, "DEMO");
    EXPECT_EQ(loaded.WindowsLabel, "Demo Disc");
    EXPECT_EQ(loaded.AutoPlayAction, "Run the demo");
    EXPECT_EQ(loaded.AutorunType, 1);
    EXPECT_TRUE(loaded.AutorunUpdated);
    EXPECT_EQ(loaded.Version, 3);
    EXPECT_EQ(KindsOf(loaded.RootList), (std::vector<std::int32_t>{4, 5, 2, 8, 3}));

    CDiscSettings copy(loaded);
    EXPECT_FALSE(copy.AutorunUpdated);
    EXPECT_TRUE(copy.GetFileName().empty());
    EXPECT_EQ(copy.RootList.Count(), 5);
}

TEST(DiscSettings, MenuDiscStartsWithOneMenu) {
    CDiscSettings disc;
    EXPECT_EQ(disc.AutorunType, 2);
    disc.CreateDefaultSteps();
    EXPECT_EQ(KindsOf(disc.RootList), (std::vector<std::int32_t>{6}));
}

TEST(DiscSettings, MissingFileTakesTheLegacyBranchWithDefaults) {
    TempDir dir;
    CDiscSettings disc;
    disc.SetFileName(dir.File("absent.ini"));
    disc.Load();
    EXPECT_EQ(disc.AutorunType, 0);
    EXPECT_EQ(disc.Version, 2);
    EXPECT_EQ(KindsOf(disc.RootList), (std::vector<std::int32_t>{4, 2, 5, 8, 3}));
}

TEST(DiscSettings, LegacySilentDiscConvertsItsLists) {
    TempDir dir;
    auto loaded = LoadedFrom(dir,
        "[General]\r\nAutorunType=1\r\n"
        "[Security]\r\nUsername=admin\r\nPassword=Secret\r\nActive=TRUE\r\n"
        "[Splash]\r\nImage=true\r\nImageFile=\\Splash.bmp\r\n"
        "[License]\r\nActive=true\r\nFile=\\License.txt\r\n"
        "[Install]\r\nCount=2\r\nFile0=\\Setup\\one.exe\r\nWhen0=2\r\nFile1=\\two.msi\r\nLaunchAndWait1=false\r\n"
        "[Launch]\r\nCount=0\r\n");
    CDiscSettings& disc = *loaded;
    EXPECT_EQ(KindsOf(disc.RootList), (std::vector<std::int32_t>{4, 2, 5, 8, 8, 3}));
    auto* login = static_cast<CSettingsSecurity*>(disc.RootList.GetAt(0));
    EXPECT_EQ(login->Username, "admin");
    EXPECT_EQ(login->Password, "Secret");
    EXPECT_TRUE(login->Active);
    EXPECT_EQ(static_cast<CSettingsSplash*>(disc.RootList.GetAt(1))->ImageFile, "\\Splash.bmp");
    EXPECT_TRUE(static_cast<CSettingsLicense*>(disc.RootList.GetAt(2))->Active);
    auto* first = static_cast<CSettingsInstall*>(disc.RootList.GetAt(3));
    auto* second = static_cast<CSettingsInstall*>(disc.RootList.GetAt(4));
    EXPECT_EQ(first->File, "\\Setup\\one.exe");
    EXPECT_EQ(first->When, 2);
    EXPECT_TRUE(first->LaunchAndWait);
    EXPECT_EQ(second->File, "\\two.msi");
    EXPECT_FALSE(second->LaunchAndWait);
    EXPECT_EQ(static_cast<CSettingsLaunch*>(disc.RootList.GetAt(5))->LaunchTypeV3, kLaunchOpenDocument);
    for (int i = 0; i < disc.RootList.Count(); ++i) {
        EXPECT_EQ(disc.RootList.GetAt(i)->GetSection(), "Root." + std::to_string(i + 1));
    }
}

TEST(DiscSettings, LegacyActionKindFollowsTheFileName) {
    TempDir dir;
    auto loaded = LoadedFrom(dir,
        "[General]\r\nAutorunType=1\r\n[Install]\r\nCount=0\r\n"
        "[Launch]\r\nCount=3\r\nFile0=\\Setup.EXE\r\nFile1=\\Readme.txt\r\nFile2=\\go.bat\r\nParameters2=-x\r\n");
    CDiscSettings& disc = *loaded;
    ASSERT_EQ(disc.RootList.Count(), 7);
    auto action = [&](int i) { return static_cast<CSettingsLaunch*>(disc.RootList.GetAt(i)); };
    EXPECT_EQ(action(4)->LaunchTypeV3, kLaunchRunFromDisc);
    EXPECT_EQ(action(5)->LaunchTypeV3, kLaunchOpenDocument);
    EXPECT_EQ(action(6)->LaunchTypeV3, kLaunchRunFromDisc);
    EXPECT_EQ(action(6)->Parameters, "-x");
}

TEST(DiscSettings, LegacyMenuDiscConvertsButtonsWithTheirActions) {
    TempDir dir;
    auto loaded = LoadedFrom(dir,
        "[General]\r\nAutorunType=2\r\n"
        "[Html]\r\nMenuType=2\r\nName=Main\r\n"
        "[Button]\r\nCount=3\r\n"
        "Name0=Install\r\nButtonNumber0=1\r\nButtonType0=1\r\n"
        "Name1=Read me\r\nButtonNumber1=2\r\nButtonType1=2\r\nWindowClose1=true\r\n"
        "Name2=Exit\r\nButtonNumber2=3\r\nButtonType2=0\r\nWindowClose2=TRUE\r\n"
        "[Splash1]\r\nSound=true\r\n"
        "[Install1]\r\nCount=1\r\nFile0=\\Setup.exe\r\n"
        "[Launch2]\r\nCount=1\r\nFile0=\\Readme.txt\r\n");
    CDiscSettings& disc = *loaded;
    ASSERT_EQ(KindsOf(disc.RootList), (std::vector<std::int32_t>{4, 6}));
    auto* menu = static_cast<CSettingsHtml*>(disc.RootList.GetAt(1));
    EXPECT_EQ(menu->MenuType, CSettingsHtml::kHtmlMenu);
    EXPECT_EQ(menu->GetName(), "Main");
    ASSERT_EQ(menu->Buttons().Count(), 3);
    auto button = [&](int i) { return static_cast<CSettingsButton*>(menu->Buttons().GetAt(i)); };
    EXPECT_EQ(button(0)->GetName(), "Install");
    EXPECT_FALSE(button(0)->WindowClose);
    EXPECT_TRUE(button(1)->WindowClose);
    EXPECT_EQ(KindsOf(button(0)->Actions()), (std::vector<std::int32_t>{2, 5, 8}));
    EXPECT_EQ(KindsOf(button(1)->Actions()), (std::vector<std::int32_t>{2, 5, 3}));
    EXPECT_EQ(KindsOf(button(2)->Actions()), (std::vector<std::int32_t>{2, 5}));
    EXPECT_TRUE(static_cast<CSettingsSplash*>(button(0)->Actions().GetAt(0))->Sound);
    EXPECT_EQ(static_cast<CSettingsInstall*>(button(0)->Actions().GetAt(2))->File, "\\Setup.exe");
    EXPECT_EQ(static_cast<CSettingsLaunch*>(button(1)->Actions().GetAt(2))->File, "\\Readme.txt");
}

TEST(DiscSettings, TreeLayoutIsReadWhenVersionIsThree) {
    TempDir dir;
    auto loaded = LoadedFrom(dir,
        "[General]\r\nVersion=3\r\nAutorunType=2\r\nCdID=1234\r\n"
        "[Root]\r\nSettingsCount=1\r\n[Root.1]\r\nSettingType=5\r\nActive=true\r\n");
    CDiscSettings& disc = *loaded;
    EXPECT_EQ(disc.CdID, "1234");
    ASSERT_EQ(KindsOf(disc.RootList), (std::vector<std::int32_t>{5}));
    EXPECT_TRUE(static_cast<CSettingsLicense*>(disc.RootList.GetAt(0))->Active);
}

namespace {
int CountRecords(const CSettingsList& list) {
    int count = 0;
    for (const auto& record : list) {
        ++count;
        if (CSettingsList* children = CSettingsList::ChildListOf(*record)) count += CountRecords(*children);
    }
    return count;
}
}  // namespace

// Legacy buttons each carry a list of their own: 4096 buttons with 4096
// installers each would be 16.8 million records from a file of 100 KB.
TEST(DiscSettings, ALegacyBombStopsAtTheWholeFilesBudget) {
    std::string text = "[General]\r\nAutorunType=2\r\n[Html]\r\nName=M\r\n[Button]\r\nCount=4096\r\n";
    for (int i = 0; i < 4096; ++i) {
        const std::string n = std::to_string(i);
        text += "Name" + n + "=b" + n + "\r\nButtonNumber" + n + "=1\r\nButtonType" + n + "=1\r\n";
    }
    text += "[Install1]\r\nCount=4096\r\n";
    for (int i = 0; i < 4096; ++i) text += "File" + std::to_string(i) + "=\\S.exe\r\n";
    TempDir dir;
    auto loaded = LoadedFrom(dir, text);
    const int records = CountRecords(loaded->RootList);
    // The login and menu records that every legacy menu disc starts with come
    // before any list is read.
    EXPECT_LE(records, CRecordBudget::kMaxRecordsPerFile + 2);
    EXPECT_GT(records, 4096) << "the first buttons still load whole";
}

// The count is a claim: entries that are not there end a legacy list, and a
// tree list's "SettingsCount" above the cap loads no more than the cap.
TEST(DiscSettings, CountsBeyondTheEntriesOrTheCapLoadNoMore) {
    TempDir dir;
    auto legacy = LoadedFrom(dir,
        "[General]\r\nAutorunType=2\r\n[Html]\r\nName=M\r\n[Button]\r\nCount=4000\r\n"
        "Name0=One\r\nButtonNumber0=1\r\nButtonType0=2\r\n"
        "[Launch1]\r\nCount=4000\r\nFile0=\\a.txt\r\nRegKey1=HKEY_CURRENT_USER\\x\r\n");
    auto* menu = static_cast<CSettingsHtml*>(legacy->RootList.GetAt(1));
    ASSERT_EQ(menu->Buttons().Count(), 1);
    EXPECT_EQ(KindsOf(static_cast<CSettingsButton*>(menu->Buttons().GetAt(0))->Actions()),
              (std::vector<std::int32_t>{2, 5, 3, 3}));

    std::string tree = "[General]\r\nVersion=3\r\n[Root]\r\nSettingsCount=5000\r\n";
    for (int i = 1; i <= 4200; ++i) tree += "[Root." + std::to_string(i) + "]\r\nSettingType=3\r\n";
    TempDir treeDir;
    auto capped = LoadedFrom(treeDir, tree);
    EXPECT_EQ(capped->RootList.Count(), CSettingsList::kMaxRecords);
}
