#include "SettingsList.h"

#include <gtest/gtest.h>

#include "Settings.h"
#include "SettingsFileAccess.h"
#include "TempDir.h"
#include "records/SettingsButton.h"
#include "records/SettingsHtml.h"
#include "records/SettingsInstall.h"
#include "records/SettingsLaunch.h"
#include "records/SettingsSplash.h"

namespace {

std::string Value(const std::string& file, const std::string& section, const std::string& key) {
    std::string value;
    ReadString(file, section, key, value);
    return value;
}

std::unique_ptr<CSettings> Named(std::int32_t kind, const std::string& name) {
    auto record = CreateSettings(kind);
    record->SetName(name);
    return record;
}

class SettingsListTest : public ::testing::Test {
protected:
    void SetUp() override { list.SetFileName(file); }
    void AddSteps(std::initializer_list<const char*> names) {
        for (const char* name : names) list.InsertAfter(Named(kSettingLaunch, name), list.GetAt(list.Count() - 1));
    }
    std::unique_ptr<CSettingsList> Reloaded() const {
        auto loaded = std::make_unique<CSettingsList>();
        loaded->SetFileName(file);
        loaded->Load();
        return loaded;
    }

    TempDir dir;
    std::string file = dir.File("Settings.ini");
    CSettingsList list;
};

}  // namespace

TEST(CreateSettings, MakesStepsAndButtonsOnly) {
    for (std::int32_t kind : {2, 3, 4, 5, 6, 8, 9}) {
        auto record = CreateSettings(kind);
        ASSERT_NE(record, nullptr) << kind;
        EXPECT_EQ(record->SettingType(), kind);
    }
    for (std::int32_t kind : {0, 1, 7, 10, -1}) EXPECT_EQ(CreateSettings(kind), nullptr) << kind;
    EXPECT_NE(dynamic_cast<CSettingsInstall*>(CreateSettings(8).get()), nullptr);
}

TEST_F(SettingsListTest, CountsBelowOneLoadNothing) {
    for (const char* count : {"", "0", "-2", "abc"}) {
        dir.Write("Settings.ini", std::string("[Root]\r\nSettingsCount=") + count +
                                      "\r\n[Root.1]\r\nSettingType=3\r\nName=A\r\n");
        EXPECT_EQ(Reloaded()->Count(), 0) << count;
    }
}

TEST_F(SettingsListTest, ShrinkingLeavesStaleSectionsThatAreNeverRead) {
    AddSteps({"1", "2", "3", "4", "5"});
    list.Remove(list.GetAt(4));
    list.Remove(list.GetAt(3));
    EXPECT_EQ(Value(file, "Root", "SettingsCount"), "3");
    EXPECT_EQ(Value(file, "Root.5", "Name"), "5");
    std::unique_ptr<CSettingsList> reloaded = Reloaded();
    CSettingsList& loaded = *reloaded;
    ASSERT_EQ(loaded.Count(), 3);
    EXPECT_EQ(loaded.GetAt(2)->GetName(), "3");
}

TEST_F(SettingsListTest, MoveUpRenamesSectionsOnSave) {
    AddSteps({"first", "second", "third", "fourth"});
    list.MoveUp(list.GetAt(2));
    EXPECT_EQ(Value(file, "Root.2", "Name"), "third");
    EXPECT_EQ(Value(file, "Root.3", "Name"), "second");
    EXPECT_EQ(list.GetAt(1)->GetSection(), "Root.2");
    list.MoveDown(list.GetAt(0));
    EXPECT_EQ(Value(file, "Root.1", "Name"), "third");
    EXPECT_EQ(Value(file, "Root.2", "Name"), "first");
}

TEST_F(SettingsListTest, InsertAfterPlacesTheRecord) {
    AddSteps({"a", "c"});
    list.InsertAfter(Named(kSettingSplash, "b"), list.GetAt(0));
    list.InsertAfter(Named(kSettingSplash, "front"), nullptr);
    std::vector<std::string> names;
    auto loaded = Reloaded();
    for (const auto& record : *loaded) names.push_back(record->GetName());
    EXPECT_EQ(names, (std::vector<std::string>{"front", "a", "b", "c"}));
}

TEST_F(SettingsListTest, NestedMenuSavesItsSubtreeUnderItsSection) {
    AddSteps({"first"});
    auto menu = std::make_unique<CSettingsHtml>();
    auto* menuRecord = menu.get();
    list.InsertAfter(std::move(menu), list.GetAt(0));
    menuRecord->Buttons().InsertAfter(Named(kSettingButton, "One"), nullptr);
    auto* second = menuRecord->Buttons().InsertAfter(Named(kSettingButton, "Two"), menuRecord->Buttons().GetAt(0));
    static_cast<CSettingsButton*>(second)->Actions().InsertAfter(Named(kSettingLaunch, "Go"), nullptr);
    list.Save();

    EXPECT_EQ(Value(file, "Root.2", "SettingsCount"), "2");
    EXPECT_EQ(Value(file, "Root.2.1", "SettingsCount"), "0");
    EXPECT_EQ(Value(file, "Root.2.2", "SettingsCount"), "1");
    EXPECT_EQ(Value(file, "Root.2.2.1", "Name"), "Go");
    EXPECT_EQ(Value(file, "Root.2.2.1", "SettingType"), "3");

    std::unique_ptr<CSettingsList> reloaded = Reloaded();
    CSettingsList& loaded = *reloaded;
    auto* loadedMenu = dynamic_cast<CSettingsHtml*>(loaded.GetAt(1));
    ASSERT_NE(loadedMenu, nullptr);
    ASSERT_EQ(loadedMenu->Buttons().Count(), 2);
    auto* button = dynamic_cast<CSettingsButton*>(loadedMenu->Buttons().GetAt(1));
    ASSERT_NE(button, nullptr);
    ASSERT_EQ(button->Actions().Count(), 1);
    EXPECT_EQ(button->Actions().GetAt(0)->GetName(), "Go");

    CSettings* action = button->Actions().GetAt(0);
    EXPECT_EQ(loaded.FindParentList(action), &button->Actions());
    EXPECT_EQ(loaded.FindParentList(loadedMenu), &loaded);
    CSettingsHtml stranger;
    EXPECT_EQ(loaded.FindParentList(&stranger), nullptr);
}

TEST_F(SettingsListTest, MakeUniqueNameCountsUpIgnoringCase) {
    AddSteps({"Install", "install (2)"});
    auto record = Named(kSettingInstall, "Install");
    list.MakeUniqueName(*record);
    EXPECT_EQ(record->GetName(), "Install (3)");
    auto fresh = Named(kSettingInstall, "Other");
    list.MakeUniqueName(*fresh);
    EXPECT_EQ(fresh->GetName(), "Other");
}

TEST_F(SettingsListTest, ButtonNameIsFreeForTheButtonItself) {
    list.InsertAfter(Named(kSettingButton, "HELP"), nullptr);
    CSettings* help = list.GetAt(0);
    EXPECT_TRUE(list.IsButtonNameFree("Help", help));
    EXPECT_FALSE(list.IsButtonNameFree("Help", nullptr));
    EXPECT_TRUE(list.IsButtonNameFree("Exit", nullptr));
}

TEST_F(SettingsListTest, RemoveOfAStrangerChangesNothing) {
    AddSteps({"a"});
    CSettingsLaunch stranger;
    EXPECT_FALSE(list.Remove(&stranger));
    EXPECT_EQ(list.Count(), 1);
    EXPECT_EQ(list.IndexOf(&stranger), -1);
    EXPECT_EQ(list.GetAt(1), nullptr);
    EXPECT_EQ(list.GetAt(-1), nullptr);
}

TEST_F(SettingsListTest, CloneOfAMenuIsIndependent) {
    CSettingsHtml menu;
    menu.SetFileName(file);
    menu.SetSection("Root.1");
    menu.Buttons().InsertAfter(Named(kSettingButton, "One"), nullptr);
    menu.Buttons().InsertAfter(Named(kSettingButton, "Two"), menu.Buttons().GetAt(0));
    auto copy = menu.Clone();
    auto* copiedMenu = dynamic_cast<CSettingsHtml*>(copy.get());
    ASSERT_NE(copiedMenu, nullptr);
    EXPECT_EQ(copiedMenu->GetSection(), "Root.1");
    EXPECT_EQ(copiedMenu->GetFileName(), file);
    copiedMenu->Buttons().Remove(copiedMenu->Buttons().GetAt(0));
    EXPECT_EQ(menu.Buttons().Count(), 2);
    EXPECT_EQ(copiedMenu->Buttons().Count(), 1);
}

TEST_F(SettingsListTest, UnknownKindsAreSkippedAndAGapEndsTheList) {
    dir.Write("Settings.ini",
              "[Root]\r\nSettingsCount=6\r\n"
              "[Root.1]\r\nSettingType=3\r\nName=A\r\n"
              "[Root.2]\r\nSettingType=7\r\nName=driver\r\n"
              "[Root.3]\r\nSettingType=99\r\n"
              "[Root.4]\r\nSettingType=2\r\nName=B\r\n"
              "[Root.6]\r\nSettingType=3\r\nName=after the gap\r\n");
    std::unique_ptr<CSettingsList> reloaded = Reloaded();
    CSettingsList& loaded = *reloaded;
    ASSERT_EQ(loaded.Count(), 2);
    EXPECT_EQ(loaded.GetAt(0)->GetName(), "A");
    EXPECT_EQ(loaded.GetAt(1)->GetName(), "B");
}

TEST_F(SettingsListTest, HugeCountStopsAtTheFirstMissingSection) {
    dir.Write("Settings.ini", "[Root]\r\nSettingsCount=2000000000\r\n[Root.1]\r\nSettingType=3\r\n");
    EXPECT_EQ(Reloaded()->Count(), 1);
}

TEST_F(SettingsListTest, DeepNestingIsBounded) {
    // Every level names itself as a menu holding one button holding a menu...
    std::string text = "[Root]\r\nSettingsCount=1\r\n";
    std::string section = "Root";
    for (int depth = 0; depth < 200; ++depth) {
        section += ".1";
        text += "[" + section + "]\r\nSettingType=" + (depth % 2 ? "9" : "6") + "\r\nSettingsCount=1\r\n";
    }
    dir.Write("Settings.ini", text);
    std::unique_ptr<CSettingsList> reloaded = Reloaded();
    CSettingsList& loaded = *reloaded;
    int depth = 0;
    for (CSettings* record = loaded.GetAt(0); record; ++depth) {
        CSettingsList* child = CSettingsList::ChildListOf(*record);
        record = child ? child->GetAt(0) : nullptr;
    }
    EXPECT_GT(depth, 4);
    EXPECT_LE(depth, CSettingsList::kMaxNesting);
}
