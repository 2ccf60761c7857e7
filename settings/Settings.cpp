#include "Settings.h"

#include "SettingsFileAccess.h"
#include "profile/FileSession.h"

bool CSettings::Load() {
    Read("Name", name_);
    return true;
}

bool CSettings::SaveRecord() {
    profile::FileSession session(fileName_);
    const bool saved = Save();
    return session.Commit() && saved;
}

bool CSettings::Save() {
    Write("SettingType", settingType_);
    Write("Name", name_);
    return true;
}

bool CSettings::Read(const char* key, std::string& value) const { return ReadString(fileName_, section_, key, value); }
bool CSettings::Read(const char* key, std::int32_t& value) const { return ReadInt(fileName_, section_, key, value); }
bool CSettings::Read(const char* key, bool& value) const { return ReadBool(fileName_, section_, key, value); }
bool CSettings::ReadColorKey(const char* key, std::uint32_t& value) const {
    return ReadColor(fileName_, section_, key, value);
}
bool CSettings::ReadTextKey(const char* key, std::string& value) const {
    return ReadText(fileName_, section_, key, value);
}
bool CSettings::Write(const char* key, const std::string& value) const {
    return WriteString(fileName_, section_, key, value);
}
bool CSettings::Write(const char* key, std::int32_t value) const { return WriteInt(fileName_, section_, key, value); }
bool CSettings::Write(const char* key, bool value) const { return WriteBool(fileName_, section_, key, value); }
bool CSettings::WriteColorKey(const char* key, std::uint32_t value) const {
    return WriteColor(fileName_, section_, key, value);
}
bool CSettings::WriteTextKey(const char* key, const std::string& value) const {
    return WriteText(fileName_, section_, key, value);
}
