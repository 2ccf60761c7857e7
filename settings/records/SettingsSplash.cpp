#include "SettingsSplash.h"

bool CSettingsSplash::Load() {
    CSettings::Load();
    Read("Image", Image);
    Read("ImageFile", ImageFile);
    Read("Length", Length);
    Read("Sound", Sound);
    Read("SoundFile", SoundFile);
    Read("SoundOption", SoundOption);
    Read("SoundLength", SoundLength);
    return true;
}

bool CSettingsSplash::Save() {
    CSettings::Save();
    Write("Image", Image);
    Write("ImageFile", ImageFile);
    Write("Length", Length);
    Write("Sound", Sound);
    Write("SoundFile", SoundFile);
    Write("SoundOption", SoundOption);
    Write("SoundLength", SoundLength);
    return true;
}
