#pragma once
// The login step: a user name and password that must be entered. The three
// values that matter are stored scrambled.
#include "../Settings.h"

class CSettingsSecurity : public CSettingsOf<CSettingsSecurity> {
public:
    CSettingsSecurity() : CSettingsOf(kSettingSecurity, "Security") {}
    bool Load() override;
    bool Save() override;
    // The legacy layout keeps the same keys in plain text.
    void LoadLegacy();
    // A login added to a list comes from the legacy layout.
    void LoadWhenAdded() override { LoadLegacy(); }

    enum Frequencies : std::int32_t { kFirstTimeOnly = 1, kEveryTime = 2 };

    std::int32_t Type = 1;
    std::string Username;
    std::string Password;
    bool Active = false;
    std::int32_t Frequency = kFirstTimeOnly;
};
