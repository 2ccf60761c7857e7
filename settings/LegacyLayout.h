#pragma once
// Reading the fixed-section layout that files older than the tree layout use.
#include <string>

class CSettingsList;

// Appends the install records of a legacy install list ("Count", File0, ...);
// one default record when the count is 0.
void LoadLegacyInstallList(const std::string& file, const std::string& section, CSettingsList& list);
// The same for a legacy action list.
void LoadLegacyActionList(const std::string& file, const std::string& section, CSettingsList& list);
// Appends the buttons of section [Button] with their action lists.
void LoadLegacyButtonList(const std::string& file, CSettingsList& buttons);
