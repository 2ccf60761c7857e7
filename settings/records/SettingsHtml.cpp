#include "SettingsHtml.h"

#include "../LegacyLayout.h"
#include "../SettingsFileAccess.h"

CSettingsHtml::CSettingsHtml(const CSettingsHtml& other) : CSettingsOf(other), MenuType(other.MenuType) {
    buttons_.CopyFrom(other.buttons_);
    buttons_.SetFileName(other.buttons_.GetFileName());
}

bool CSettingsHtml::Load() {
    CSettings::Load();
    Read("MenuType", MenuType);
    if (GetSection() == "Html") {
        LoadLegacyButtons();
        MenuType = kHtmlMenu;
    } else {
        buttons_.Load();
    }
    return true;
}

bool CSettingsHtml::Save() {
    CSettings::Save();
    Write("MenuType", MenuType);
    buttons_.Save();
    return true;
}

void CSettingsHtml::SetSection(const std::string& section) {
    buttons_.SetPrefix(section);
    CSettings::SetSection(section);
}

void CSettingsHtml::SetFileName(const std::string& fileName) {
    buttons_.SetFileName(fileName);
    CSettings::SetFileName(fileName);
}

void CSettingsHtml::SetBaseDirectory(const std::string& path, bool recursive) {
    projectDirectory_ = path;
    if (recursive) buttons_.SetBaseDirectory(path);
}

void CSettingsHtml::LoadLegacyButtons() { LoadLegacyButtonList(GetFileName(), buttons_); }
