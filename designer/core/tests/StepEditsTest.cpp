#include <gtest/gtest.h>

#include "DiscSettings.h"
#include "NewProjects.h"
#include "StepEdits.h"
#include "TempDir.h"
#include "records/SettingsButton.h"
#include "records/SettingsHtml.h"
#include "records/SettingsLaunch.h"

namespace {

// A menu project saved in a real settings file, so that every edit can be
// read back from the file as the designer would find it after a restart.
class StepEdits : public testing::Test {
protected:
    void SetUp() override {
        project.SetFileName(directory.File("Settings.ini"));
        project.AutorunType = CDiscSettings::kMenuDisc;
        GiveFirstSteps(project);
        project.SaveAll();
        menu = project.RootList.GetAt(0);
    }
    CDiscSettings Reloaded() const {
        CDiscSettings again;
        again.SetFileName(project.GetFileName());
        again.Load();
        return again;
    }
    StepNode Node(CSettings* record) { return FindStepNode(project.RootList, record); }
    static std::unique_ptr<CSettings> Action(std::int32_t kind) {
        auto action = std::make_unique<CSettingsLaunch>();
        action->LaunchTypeV3 = kind;
        action->SetName(kind == kLaunchWebSite ? "Open Web Site" : "Open Document");
        return action;
    }

    TempDir directory;
    CDiscSettings project;
    CSettings* menu = nullptr;
};

TEST_F(StepEdits, ButtonsAndTheirActionsLandWhereTheSelectionSaysAndInTheFile) {
    const StepNode exit = Node(menu->ChildList()->GetAt(0));
    const StepNode help = InsertNewButton(project.RootList, exit, "Help");
    ASSERT_TRUE(help);
    EXPECT_EQ(menu->ChildList()->IndexOf(help.record), 1);
    const StepNode web = InsertNewStep(project.RootList, help, Action(kLaunchWebSite));
    EXPECT_EQ(web.parent, help.record);
    const StepNode open = InsertNewStep(project.RootList, help, Action(kLaunchOpenDocument));
    EXPECT_EQ(help.record->ChildList()->IndexOf(open.record), 0);  // first under the button

    const CDiscSettings again = Reloaded();
    CSettingsList* buttons = again.RootList.GetAt(0)->ChildList();
    ASSERT_EQ(buttons->Count(), 2);
    EXPECT_EQ(buttons->GetAt(1)->GetName(), "Help");
    ASSERT_EQ(buttons->GetAt(1)->ChildList()->Count(), 2);
    EXPECT_EQ(buttons->GetAt(1)->ChildList()->GetAt(0)->GetName(), "Open Document");
}

TEST_F(StepEdits, ANewStepTakesANameItsNeighboursDoNotHave) {
    const StepNode first = InsertNewStep(project.RootList, {}, Action(kLaunchWebSite));
    EXPECT_EQ(project.RootList.IndexOf(first.record), 0);
    const StepNode second = InsertNewStep(project.RootList, first, Action(kLaunchWebSite));
    EXPECT_EQ(second.record->GetName(), "Open Web Site (2)");
    EXPECT_EQ(project.RootList.IndexOf(second.record), 1);
}

TEST_F(StepEdits, AButtonCannotTakeTheNameOfAnotherButtonOfItsMenu) {
    const StepNode exit = Node(menu->ChildList()->GetAt(0));
    const StepNode help = InsertNewButton(project.RootList, exit, "Help");
    EXPECT_FALSE(RenameStep(help, "EXIT"));
    EXPECT_EQ(help.record->GetName(), "Help");
    EXPECT_TRUE(RenameStep(help, "Read Me"));
    EXPECT_TRUE(RenameStep(help, "read me"));  // its own name in another case
    EXPECT_TRUE(RenameStep(Node(menu), "Exit"));  // other steps may share names
    const CDiscSettings again = Reloaded();
    EXPECT_EQ(again.RootList.GetAt(0)->ChildList()->GetAt(1)->GetName(), "read me");
}

TEST_F(StepEdits, DeletingSelectsTheNextThenThePreviousThenTheParent) {
    const StepNode exit = Node(menu->ChildList()->GetAt(0));
    const StepNode help = InsertNewButton(project.RootList, exit, "Help");
    const StepNode only = InsertNewStep(project.RootList, help, Action(kLaunchWebSite));
    EXPECT_EQ(DeleteStep(project.RootList, only).record, help.record);
    EXPECT_EQ(DeleteStep(project.RootList, Node(menu->ChildList()->GetAt(1))).record, menu->ChildList()->GetAt(0));
    EXPECT_FALSE(DeleteStep(project.RootList, Node(menu)));
    EXPECT_EQ(Reloaded().RootList.Count(), 0);
}

}  // namespace
