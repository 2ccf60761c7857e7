#pragma once
// A splash step: a picture shown for a while, a sound, or both.
#include "../Settings.h"

class CSettingsSplash : public CSettingsOf<CSettingsSplash> {
public:
    CSettingsSplash() : CSettingsOf(kSettingSplash, "Splash") {}
    bool Load() override;
    bool Save() override;

    enum SoundOptions : std::int32_t { kPlayOnce = 1, kLoopWhileShown = 2, kPlayForSoundLength = 3 };

    bool Image = false;
    std::string ImageFile;
    std::int32_t Length = 5;  // seconds
    bool Sound = false;
    std::string SoundFile;
    std::int32_t SoundOption = kLoopWhileShown;
    std::int32_t SoundLength = 5;  // seconds, for kPlayForSoundLength
};
