#include "SettingsLaunch.h"

#include "../SettingsFileAccess.h"
#include "../util/PathNames.h"

bool CSettingsLaunch::Load() {
    CSettings::Load();
    Read("LaunchTypeV3", LaunchTypeV3);
    Read("LaunchType", LaunchType);
    ReadTextKey("File", File);
    Read("RegKey", RegKey);
    Read("RegValue", RegValue);
    Read("Parameters", Parameters);
    Read("Maximize", Maximize);
    Read("Kiosk", Kiosk);
    Read("LaunchAndWait", LaunchAndWait);
    Read("Buttons", Buttons);
    Read("Icon", Icon);
    Read("DefaultButton", DefaultButton);
    Read("AddressType", AddressType);
    Read("WindowTitle", WindowTitle);
    Read("Subject", Subject);
    ReadTextKey("Body", Body);
    return true;
}

bool CSettingsLaunch::Save() {
    CSettings::Save();
    Write("LaunchTypeV3", LaunchTypeV3);
    Write("LaunchType", LaunchType);
    WriteTextKey("File", File);
    Write("RegKey", RegKey);
    Write("RegValue", RegValue);
    Write("Parameters", Parameters);
    Write("Maximize", Maximize);
    Write("Kiosk", Kiosk);
    Write("LaunchAndWait", LaunchAndWait);
    Write("Buttons", Buttons);
    Write("Icon", Icon);
    Write("DefaultButton", DefaultButton);
    Write("AddressType", AddressType);
    Write("WindowTitle", WindowTitle);
    Write("Subject", Subject);
    WriteTextKey("Body", Body);
    return true;
}

void CSettingsLaunch::LoadLegacy(const std::string& section, int index) {
    const std::string& file = GetFileName();
    const std::string n = std::to_string(index);
    ReadInt(file, section, "LaunchType" + n, LaunchType);
    ReadText(file, section, "File" + n, File);
    ReadString(file, section, "RegKey" + n, RegKey);
    ReadString(file, section, "RegValue" + n, RegValue);
    ReadString(file, section, "Parameters" + n, Parameters);
    ReadBool(file, section, "Maximize" + n, Maximize);
    ReadBool(file, section, "Kiosk" + n, Kiosk);
    ReadBool(file, section, "LaunchAndWait" + n, LaunchAndWait);
    LaunchTypeV3 = IsExecutableName(File) ? kLaunchRunFromDisc : kLaunchOpenDocument;
}
