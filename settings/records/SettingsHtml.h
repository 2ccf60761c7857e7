#pragma once
// A menu step: the standard graphical menu or an HTML menu, with its buttons.
#include "../SettingsList.h"

class CSettingsHtml : public CSettingsOf<CSettingsHtml> {
public:
    CSettingsHtml() : CSettingsOf(kSettingHtml, "Html") {}
    CSettingsHtml(const CSettingsHtml& other);

    bool Load() override;
    bool Save() override;
    void SetSection(const std::string& section) override;
    void SetFileName(const std::string& fileName) override;
    void SetBaseDirectory(const std::string& path, bool recursive) override;

    CSettingsList& Buttons() { return buttons_; }
    const CSettingsList& Buttons() const { return buttons_; }

    enum MenuTypes : std::int32_t { kHtmlMenu = 1, kStandardMenu = 2 };
    std::int32_t MenuType = kStandardMenu;

private:
    // The legacy layout keeps the buttons in section [Button].
    void LoadLegacyButtons();

    CSettingsList buttons_;
    std::string projectDirectory_;
};
