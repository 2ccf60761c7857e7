#pragma once
// The disc's icon: the player's own, or one from a file in the project root.
#include "../Settings.h"

class CSettingsIcon : public CSettingsOf<CSettingsIcon> {
public:
    CSettingsIcon() : CSettingsOf(kSettingIcon, "Icon") {}
    bool Load() override;
    bool Save() override;

    std::int32_t Type = 1;  // 1 = the player's icon, 2 = the icon in Filename
    std::string Filename;
    std::int32_t Number = 0;  // index of the icon inside an .exe or .dll
};
