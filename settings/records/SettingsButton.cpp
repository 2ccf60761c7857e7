#include "SettingsButton.h"

CSettingsButton::CSettingsButton(const CSettingsButton& other) : CSettingsOf(other), WindowClose(other.WindowClose) {
    actions_.CopyFrom(other.actions_);
    actions_.SetFileName(other.actions_.GetFileName());
}

bool CSettingsButton::Load() {
    CSettings::Load();
    Read("WindowClose", WindowClose);
    actions_.Load();
    return true;
}

bool CSettingsButton::Save() {
    CSettings::Save();
    Write("WindowClose", WindowClose);
    actions_.Save();
    return true;
}

void CSettingsButton::SetSection(const std::string& section) {
    actions_.SetPrefix(section);
    CSettings::SetSection(section);
}

void CSettingsButton::SetFileName(const std::string& fileName) {
    actions_.SetFileName(fileName);
    CSettings::SetFileName(fileName);
}

void CSettingsButton::SetBaseDirectory(const std::string& path, bool recursive) {
    if (recursive) actions_.SetBaseDirectory(path);
}
