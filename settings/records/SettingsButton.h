#pragma once
// One button of a menu. Its name is its caption; its actions run when it is
// pressed.
#include "../SettingsList.h"

class CSettingsButton : public CSettingsOf<CSettingsButton> {
public:
    CSettingsButton() : CSettingsOf(kSettingButton, "") {}
    CSettingsButton(const CSettingsButton& other);

    bool Load() override;
    bool Save() override;
    void SetSection(const std::string& section) override;
    void SetFileName(const std::string& fileName) override;
    void SetBaseDirectory(const std::string& path, bool recursive) override;
    // A button added to a list keeps what it holds; its actions load with it
    // from the menu's file.
    void LoadWhenAdded() override {}
    CSettingsList* ChildList() override { return &actions_; }

    CSettingsList& Actions() { return actions_; }
    const CSettingsList& Actions() const { return actions_; }

    bool WindowClose = false;

private:
    CSettingsList actions_;
};
