#pragma once
// The large project of the designer benchmarks: menus of four buttons with
// two actions each (25 menus make 325 steps).
#include <string>

inline constexpr int kLargeProjectMenus = 25;
inline constexpr int kButtonsPerMenu = 4;
inline constexpr int kActionsPerButton = 2;

constexpr int LargeProjectSteps(int menus) { return menus * (1 + kButtonsPerMenu * (1 + kActionsPerButton)); }

// Writes the project's settings file; built marks it as built, so that
// nothing asks to build it first.
void WriteLargeProject(const std::string& settingsFile, int menus = kLargeProjectMenus,
                       const std::string& targetDirectory = {}, bool built = false);
