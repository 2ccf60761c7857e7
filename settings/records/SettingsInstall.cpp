#include "SettingsInstall.h"

#include "../SettingsFileAccess.h"

void CSettingsInstall::LoadInstallKeys() {
    Read("File", File);
    Read("Parameters", Parameters);
    Read("When", When);
    Read("WhenViewer", WhenViewer);
    Read("Version", Version);
    Read("FileExtension", FileExtension);
    Read("Prompt", Prompt);
    Read("Message", Message);
    Read("Skip", Skip);
    Read("LaunchAndWait", LaunchAndWait);
}

void CSettingsInstall::SaveInstallKeys() {
    Write("File", File);
    Write("Parameters", Parameters);
    Write("When", When);
    Write("WhenViewer", WhenViewer);
    Write("Version", Version);
    Write("FileExtension", FileExtension);
    Write("Prompt", Prompt);
    Write("Message", Message);
    Write("Skip", Skip);
    Write("LaunchAndWait", LaunchAndWait);
}

bool CSettingsInstall::Load() {
    CSettings::Load();
    LoadInstallKeys();
    return true;
}

bool CSettingsInstall::Save() {
    CSettings::Save();
    SaveInstallKeys();
    return true;
}

void CSettingsInstall::LoadLegacy(const std::string& section, int index) {
    const std::string& file = GetFileName();
    const std::string n = std::to_string(index);
    ReadString(file, section, "File" + n, File);
    ReadString(file, section, "Parameters" + n, Parameters);
    ReadInt(file, section, "When" + n, When);
    ReadInt(file, section, "WhenViewer" + n, WhenViewer);
    ReadString(file, section, "Version" + n, Version);
    ReadString(file, section, "FileExtension" + n, FileExtension);
    ReadBool(file, section, "Prompt" + n, Prompt);
    ReadString(file, section, "Message" + n, Message);
    ReadBool(file, section, "Skip" + n, Skip);
    ReadBool(file, section, "LaunchAndWait" + n, LaunchAndWait);
}
