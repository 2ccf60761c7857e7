#include "SettingsIcon.h"

bool CSettingsIcon::Load() {
    CSettings::Load();
    Read("Type", Type);
    Read("Filename", Filename);
    Read("Number", Number);
    return true;
}

bool CSettingsIcon::Save() {
    CSettings::Save();
    Write("Type", Type);
    Write("Filename", Filename);
    Write("Number", Number);
    return true;
}
