// Saving a record in one go leaves the bytes that key-by-key saving leaves
// (under Wine: the platform's own profile functions).
#include <gtest/gtest.h>

#include "TempDir.h"
#include "records/SettingsButton.h"
#include "records/SettingsLaunch.h"

namespace {

std::unique_ptr<CSettingsButton> ButtonWithActions(const std::string& file) {
    auto button = std::make_unique<CSettingsButton>();
    button->SetFileName(file);
    button->SetSection("Root.1.2");
    button->SetName("Read Me");
    button->WindowClose = true;
    for (int kind : {kLaunchOpenDocument, kLaunchMessage}) {
        auto action = std::make_unique<CSettingsLaunch>();
        action->LaunchTypeV3 = kind;
        action->File = kind == kLaunchMessage ? "Two\r\nlines" : "\\Docs\\Read Me.pdf";
        button->Actions().Add(std::move(action), false);
    }
    button->SetSection("Root.1.2");
    return button;
}

TEST(RecordSave, OneWriteLeavesTheBytesOfKeyByKeyWrites) {
    TempDir dir;
    const std::string existing =
        "[General]\r\nVersion=3\r\n[Root.1.2]\r\nName=Old\r\nStale=1\r\n[Root.1.2.1]\r\nFile=old.pdf\r\n[Root.2]\r\nName=Next\r\n";
    const std::string keyByKey = dir.Write("key-by-key.ini", existing);
    const std::string oneGo = dir.Write("one-go.ini", existing);

    ButtonWithActions(keyByKey)->Save();
    EXPECT_TRUE(ButtonWithActions(oneGo)->SaveRecord());
    EXPECT_EQ(dir.Read("one-go.ini"), dir.Read("key-by-key.ini"));
    EXPECT_NE(dir.Read("one-go.ini").find("Name=Read Me"), std::string::npos);
}

TEST(RecordSave, AFileThatCannotBeWrittenIsReported) {
    TempDir dir;
    auto button = ButtonWithActions((std::filesystem::path(dir.Path()) / "missing" / "Settings.ini").string());
    EXPECT_FALSE(button->SaveRecord());
}

}  // namespace
