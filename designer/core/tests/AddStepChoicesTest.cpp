#include <gtest/gtest.h>

#include <string>

#include "AddStepChoices.h"
#include "Settings.h"
#include "records/SettingsLaunch.h"
#include "util/TextCase.h"

namespace {

std::vector<std::string> Texts(const std::vector<AddStepChoice>& choices) {
    std::vector<std::string> texts;
    for (const AddStepChoice& choice : choices) texts.push_back(choice.text);
    return texts;
}

bool Offers(const std::vector<AddStepChoice>& choices, const std::string& text) {
    for (const AddStepChoice& choice : choices) {
        if (choice.text == text) return true;
    }
    return false;
}

TEST(AddStepChoices, ActionModeOffersEveryStepSortedAndTheViewerOnlyWhenOneIsDefined) {
    const auto choices = AddStepChoices(AddStepMode::kAction, false);
    EXPECT_EQ(choices.size(), 12u);
    EXPECT_FALSE(Offers(choices, "Install standard viewer"));
    EXPECT_EQ(Texts(choices).front(), "Display a license agreement");
    EXPECT_EQ(Texts(choices).back(), "Show message dialog");
    // A sorted list box orders without regard to case.
    for (std::size_t i = 1; i < choices.size(); ++i) {
        EXPECT_LT(ToLowerAscii(Texts(choices)[i - 1]), ToLowerAscii(Texts(choices)[i]));
    }

    const auto withViewer = AddStepChoices(AddStepMode::kAction, true);
    EXPECT_EQ(withViewer.size(), 13u);
    EXPECT_TRUE(Offers(withViewer, "Install standard viewer"));
}

TEST(AddStepChoices, ButtonModeLeavesOutWhatAButtonCannotRun) {
    const auto choices = AddStepChoices(AddStepMode::kButton, true);
    EXPECT_EQ(choices.size(), 9u);
    for (const char* left : {"Display a license agreement", "Secure access to disc contents",
                             "Display a splash screen and/or play a sound", "Show message dialog"}) {
        EXPECT_FALSE(Offers(choices, left)) << left;
    }
    EXPECT_TRUE(Offers(choices, "Install software that you include on the disc"));
}

TEST(AddStepChoices, TheKindBeingAddedOrEditedIsSelectedFirst) {
    const auto choices = AddStepChoices(AddStepMode::kAction, true);
    const int open = InitialChoice(choices, kSettingLaunch, kLaunchOpenDocument);
    ASSERT_GE(open, 0);
    EXPECT_STREQ(choices[size_t(open)].text, "Open document or file using default viewer");
    const int install = InitialChoice(choices, kSettingInstall, 0);
    EXPECT_STREQ(choices[size_t(install)].text, "Install software that you include on the disc");
    const int web = InitialChoice(choices, kSettingLaunch, kLaunchWebSite);
    EXPECT_EQ(choices[size_t(web)].bitmap, 393);
    EXPECT_EQ(choices[size_t(web)].description, 379);
    EXPECT_EQ(InitialChoice({}, kSettingLaunch, kLaunchOpenDocument), -1);
}

}  // namespace
