#include "SettingsSecurity.h"

#include "../SettingsFileAccess.h"

bool CSettingsSecurity::Load() {
    CSettings::Load();
    Read("Type", Type);
    ReadScrambled(GetFileName(), GetSection(), "Username", Username);
    ReadScrambled(GetFileName(), GetSection(), "Password", Password);
    ReadScrambledBool(GetFileName(), GetSection(), "Active", Active);
    Read("Frequency", Frequency);
    return true;
}

bool CSettingsSecurity::Save() {
    CSettings::Save();
    Write("Type", Type);
    // A value too long to scramble is not written: the key keeps what it had,
    // and the caller learns that the record was not saved whole.
    bool ok = WriteScrambled(GetFileName(), GetSection(), "Username", Username);
    ok = WriteScrambled(GetFileName(), GetSection(), "Password", Password) && ok;
    ok = WriteScrambledBool(GetFileName(), GetSection(), "Active", Active) && ok;
    Write("Frequency", Frequency);
    return ok;
}

void CSettingsSecurity::LoadLegacy() {
    CSettings::Load();
    Read("Type", Type);
    Read("Username", Username);
    Read("Password", Password);
    Read("Active", Active);
    Read("Frequency", Frequency);
}
