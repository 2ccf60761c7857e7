// "aa:" links of an HTML menu page and the button each one presses.
#include "html/AaLink.h"

#include <gtest/gtest.h>

#include <memory>

#include "SettingsList.h"
#include "records/SettingsButton.h"

namespace {

void AddButton(CSettingsList& list, const std::string& name) {
    auto button = std::make_unique<CSettingsButton>();
    button->SetName(name);
    list.Add(std::move(button), false);
}

}  // namespace

TEST(AaLink, AddressesAndTheButtonNamesTheyCarry) {
    struct Case {
        const char* address;
        bool isLink;
        const char* name;
    };
    const Case cases[] = {
        {"aa:Install%20Reader", true, "Install Reader"},
        {"AA:install reader", true, "install reader"},
        {"Aa:Exit", true, "Exit"},
        {"aa:Tom%26Jerry", true, "Tom%26Jerry"},
        {"aa:%20%20Two", true, "  Two"},
        {"aa:a%2520b", true, "a%2520b"},
        {"aa:", true, ""},
        {"aa", false, ""},
        {"a", false, ""},
        {"", false, ""},
        {"http://aa:80/", false, ""},
        {"file:///Z:/disc/Menu.htm", false, ""},
        {" aa:Exit", false, ""},
        {"ab:Exit", false, ""},
    };
    for (const Case& c : cases) {
        const std::optional<std::string> name = AaLinkButtonName(c.address);
        ASSERT_EQ(name.has_value(), c.isLink) << c.address;
        if (name) {
            EXPECT_EQ(*name, c.name) << c.address;
        }
    }
}

TEST(AaLink, FirstButtonWithTheNameInAnyCase) {
    CSettingsList buttons;
    AddButton(buttons, "Install Reader");
    AddButton(buttons, "INSTALL READER");
    AddButton(buttons, "Tom&Jerry");
    AddButton(buttons, "Exit");

    struct Case {
        const char* name;
        int index;  // -1: none
    };
    const Case cases[] = {
        {"Install Reader", 0}, {"install reader", 0}, {"INSTALL READER", 0}, {"Tom&Jerry", 2},
        {"Tom%26Jerry", -1},   {"exit", 3},           {"Exit ", -1},         {"", -1},
        {"Install  Reader", -1},
    };
    for (const Case& c : cases) {
        CSettingsButton* found = FindButtonByName(buttons, c.name);
        EXPECT_EQ(found, c.index < 0 ? nullptr : buttons.GetAt(c.index)) << c.name;
    }
    EXPECT_EQ(FindButtonByName(CSettingsList(), "Exit"), nullptr);
}
