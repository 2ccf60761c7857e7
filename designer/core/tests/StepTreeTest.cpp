#include <gtest/gtest.h>

#include "DiscSettings.h"
#include "StepTree.h"
#include "records/SettingsButton.h"
#include "records/SettingsHtml.h"
#include "records/SettingsLaunch.h"
#include "records/SettingsSplash.h"

namespace {

// Root: Splash, Menu { A { Open Document, Web }, B { } }, Install.
class StepTreeTest : public testing::Test {
protected:
    void SetUp() override {
        splash = Append(disc.RootList, CreateSettings(kSettingSplash));
        menu = Append(disc.RootList, CreateSettings(kSettingHtml));
        install = Append(disc.RootList, CreateSettings(kSettingInstall));
        buttonA = Append(*menu->ChildList(), Button("A"));
        buttonB = Append(*menu->ChildList(), Button("B"));
        open = Append(*buttonA->ChildList(), Action(kLaunchOpenDocument));
        web = Append(*buttonA->ChildList(), Action(kLaunchWebSite));
    }
    static std::unique_ptr<CSettings> Button(const char* name) {
        auto button = std::make_unique<CSettingsButton>();
        button->SetName(name);
        return button;
    }
    static std::unique_ptr<CSettings> Action(std::int32_t kind) {
        auto action = std::make_unique<CSettingsLaunch>();
        action->LaunchTypeV3 = kind;
        return action;
    }
    static CSettings* Append(CSettingsList& list, std::unique_ptr<CSettings> record) {
        return list.InsertAfter(std::move(record), list.Count() ? list.GetAt(list.Count() - 1) : nullptr);
    }
    StepNode Node(CSettings* record) { return FindStepNode(disc.RootList, record); }

    CDiscSettings disc;
    CSettings *splash, *menu, *install, *buttonA, *buttonB, *open, *web;
};

TEST_F(StepTreeTest, NodesAreFoundWithTheirListAndParent) {
    const StepNode node = Node(web);
    EXPECT_EQ(node.list, buttonA->ChildList());
    EXPECT_EQ(node.parent, buttonA);
    EXPECT_EQ(Node(menu).parent, nullptr);
    EXPECT_EQ(Node(buttonB).parent, menu);
    CSettingsSplash stranger;
    EXPECT_FALSE(Node(&stranger));
}

TEST_F(StepTreeTest, NamesDefaultByKindAndButtonsSayButton) {
    EXPECT_EQ(StepDisplayName(*splash), "Splash");
    EXPECT_EQ(splash->GetName(), "Splash");  // the default is stored
    EXPECT_EQ(StepDisplayName(*menu), "AutoRun Menu");
    EXPECT_EQ(StepDisplayName(*web), "Open Web Site");
    EXPECT_EQ(StepDisplayName(*buttonA), "Button: A");
    splash->SetName("Welcome");
    EXPECT_EQ(StepDisplayName(*splash), "Welcome");
    const struct {
        std::int32_t kind;
        const char* name;
        int image;
    } actions[] = {
        {kLaunchOpenDocument, "Open Document", 10}, {kLaunchWebSite, "Open Web Site", 9},
        {kLaunchEmail, "Send Email", 2},           {kLaunchExplore, "Explore Disc", 11},
        {kLaunchMessage, "Show Message", 14},      {kLaunchRunFromDisc, "Run Application", 3},
        {kLaunchRunWindowsProgram, "Run Standard Application", 13}, {kLaunchPrintDocument, "Print Document", 1},
    };
    for (const auto& a : actions) {
        CSettingsLaunch action;
        action.LaunchTypeV3 = a.kind;
        EXPECT_EQ(StepDisplayName(action), a.name);
        EXPECT_EQ(StepImageIndex(action), a.image) << a.name;
    }
    EXPECT_EQ(StepImageIndex(*buttonA), 4);
    EXPECT_EQ(StepImageIndex(*menu), 5);
    EXPECT_EQ(StepImageIndex(*install), 12);
}

TEST_F(StepTreeTest, FlagsFollowTheSelection) {
    struct Case {
        CSettings* selected;
        bool up, down, parent;
    };
    const Case cases[] = {
        {splash, false, true, false}, {install, true, false, false}, {buttonA, false, true, true},
        {web, true, false, true},     {buttonB, true, false, true},
    };
    for (const Case& c : cases) {
        const StepTreeFlags flags = FlagsFor(disc.RootList, Node(c.selected));
        EXPECT_TRUE(flags.canAddButton);
        EXPECT_TRUE(flags.canDelete && flags.canRename);
        EXPECT_EQ(flags.canMoveUp, c.up) << c.selected->GetName();
        EXPECT_EQ(flags.canMoveDown, c.down) << c.selected->GetName();
        EXPECT_EQ(flags.hasParent, c.parent) << c.selected->GetName();
    }
    const StepTreeFlags none = FlagsFor(disc.RootList, {});
    EXPECT_TRUE(none.canAddButton);
    EXPECT_FALSE(none.canDelete || none.canRename || none.canMoveUp || none.canMoveDown || none.hasParent);

    CDiscSettings silent;
    silent.RootList.InsertAfter(CreateSettings(kSettingSplash), nullptr);
    EXPECT_FALSE(FlagsFor(silent.RootList, FindStepNode(silent.RootList, silent.RootList.GetAt(0))).canAddButton);
}

TEST_F(StepTreeTest, NewStepsGoFirstUnderAButtonElseAfterTheSelection) {
    const InsertPlace underButton = PlaceForNewStep(disc.RootList, Node(buttonA));
    EXPECT_EQ(underButton.list, buttonA->ChildList());
    EXPECT_EQ(underButton.after, nullptr);
    EXPECT_EQ(underButton.parent, buttonA);

    const InsertPlace afterAction = PlaceForNewStep(disc.RootList, Node(open));
    EXPECT_EQ(afterAction.list, buttonA->ChildList());
    EXPECT_EQ(afterAction.after, open);

    const InsertPlace afterRoot = PlaceForNewStep(disc.RootList, Node(splash));
    EXPECT_EQ(afterRoot.list, &disc.RootList);
    EXPECT_EQ(afterRoot.after, splash);
    EXPECT_EQ(afterRoot.parent, nullptr);

    const InsertPlace nothing = PlaceForNewStep(disc.RootList, {});
    EXPECT_EQ(nothing.list, &disc.RootList);
    EXPECT_EQ(nothing.after, nullptr);
}

TEST_F(StepTreeTest, NewButtonsGoIntoTheMenuWhereTheSelectionSays) {
    struct Case {
        CSettings* selected;
        const CSettings* after;
    };
    const Case cases[] = {
        {buttonA, buttonA},  // after the selected button
        {menu, nullptr},     // first in the selected menu
        {web, buttonA},      // after the button whose action is selected
        {install, nullptr},  // first in the first menu
    };
    for (const Case& c : cases) {
        const InsertPlace place = PlaceForNewButton(disc.RootList, Node(c.selected));
        EXPECT_EQ(place.list, menu->ChildList()) << c.selected->GetName();
        EXPECT_EQ(place.after, c.after) << c.selected->GetName();
        EXPECT_EQ(place.parent, menu);
    }
    // Nothing selected: after the first menu's last button.
    EXPECT_EQ(PlaceForNewButton(disc.RootList, {}).after, buttonB);
    // A menu without buttons takes its first at the front.
    menu->ChildList()->Clear();
    EXPECT_EQ(PlaceForNewButton(disc.RootList, {}).after, nullptr);
    EXPECT_EQ(PlaceForNewButton(disc.RootList, {}).list, menu->ChildList());
    // No menu at all: nowhere.
    CDiscSettings silent;
    EXPECT_EQ(PlaceForNewButton(silent.RootList, {}).list, nullptr);
}

TEST_F(StepTreeTest, AfterADeleteTheNextSiblingThenThePreviousThenTheParentIsSelected) {
    EXPECT_EQ(NodeToSelectAfterDelete(disc.RootList, Node(open)).record, web);
    EXPECT_EQ(NodeToSelectAfterDelete(disc.RootList, Node(web)).record, open);
    EXPECT_EQ(NodeToSelectAfterDelete(disc.RootList, Node(install)).record, menu);
    buttonB->ChildList()->InsertAfter(Action(kLaunchMessage), nullptr);
    const StepNode onlyChild = Node(buttonB->ChildList()->GetAt(0));
    const StepNode parent = NodeToSelectAfterDelete(disc.RootList, onlyChild);
    EXPECT_EQ(parent.record, buttonB);
    EXPECT_EQ(parent.parent, menu);

    CDiscSettings single;
    CSettings* only = single.RootList.InsertAfter(CreateSettings(kSettingSplash), nullptr);
    EXPECT_FALSE(NodeToSelectAfterDelete(single.RootList, FindStepNode(single.RootList, only)));
}

}  // namespace
