#pragma once
// The splash step as the player runs it.
#include <string>

class CSettingsSplash;

// The window when Image is set (nothing at all when its picture cannot be
// loaded), else the sound alone.
void ShowSplash(const CSettingsSplash& splash, const std::string& discRoot);
