#include "DiscSettings.h"

#include "LegacyLayout.h"
#include "RecordBudget.h"
#include "SettingsFileAccess.h"
#include "profile/FileSession.h"
#include "records/SettingsHtml.h"
#include "records/SettingsInstall.h"
#include "records/SettingsLaunch.h"
#include "records/SettingsLicense.h"
#include "records/SettingsSecurity.h"
#include "records/SettingsSplash.h"

namespace {
const std::string kGeneral = "General";
}

CDiscSettings::CDiscSettings(const CDiscSettings& other)
    : ProjectName(other.ProjectName),
      TargetDir(other.TargetDir),
      InfoBaseDir(other.InfoBaseDir),
      CdID(other.CdID),
      Label(other.Label),
      WindowsLabel(other.WindowsLabel),
      AutoPlayAction(other.AutoPlayAction),
      Version(other.Version),
      AppVersion(other.AppVersion),
      AutorunType(other.AutorunType),
      AutorunUpdated(false),
      Icon(other.Icon),
      Driver(other.Driver) {
    RootList.CopyFrom(other.RootList);
}

void CDiscSettings::SetFileName(const std::string& path) {
    settingsFile_ = path;
    RootList.SetFileName(path);
    Icon.SetFileName(path);
    Driver.SetFileName(path);
}

bool CDiscSettings::Load() {
    const std::string& file = settingsFile_;
    profile::FileSession session(file);
    CRecordBudget budget;
    ReadString(file, kGeneral, "TargetDir", TargetDir);
    ReadString(file, kGeneral, "Label", Label);
    std::string type;
    AutorunType = ReadString(file, kGeneral, "AutorunType", type) ? ParseInteger(type) : 0;
    ReadString(file, kGeneral, "CdID", CdID);
    ReadString(file, kGeneral, "WindowsLabel", WindowsLabel);
    ReadString(file, kGeneral, "AutoPlayAction", AutoPlayAction);
    ReadBool(file, kGeneral, "AutorunUpdated", AutorunUpdated);
    Version = 2;
    ReadInt(file, kGeneral, "Version", Version);
    AppVersion = 2;
    ReadInt(file, kGeneral, "AppVersion", AppVersion);

    Icon.SetFileName(file);
    Icon.Load();
    Driver.SetFileName(file);
    Driver.Load();
    RootList.SetFileName(file);
    if (Version >= kTreeLayoutVersion) {
        RootList.Load();
    } else {
        LoadLegacySteps();
    }
    return true;
}

void CDiscSettings::LoadLegacySteps() {
    RootList.Add(std::make_unique<CSettingsSecurity>(), true);
    if (AutorunType == kMenuDisc) {
        RootList.Add(std::make_unique<CSettingsHtml>(), true);
        return;
    }
    RootList.Add(std::make_unique<CSettingsSplash>(), true);
    RootList.Add(std::make_unique<CSettingsLicense>(), true);
    LoadLegacyInstallList(settingsFile_, "Install", RootList);
    LoadLegacyActionList(settingsFile_, "Launch", RootList);
}

bool CDiscSettings::SaveGeneral() {
    const std::string& file = settingsFile_;
    profile::FileSession session(file);
    WriteString(file, kGeneral, "TargetDir", TargetDir);
    WriteString(file, kGeneral, "Label", Label);
    WriteInt(file, kGeneral, "AutorunType", AutorunType);
    WriteBool(file, kGeneral, "AutorunUpdated", AutorunUpdated);
    WriteInt(file, kGeneral, "Version", kTreeLayoutVersion);
    WriteInt(file, kGeneral, "AppVersion", kTreeLayoutVersion);
    WriteString(file, kGeneral, "WindowsLabel", WindowsLabel);
    WriteString(file, kGeneral, "AutoPlayAction", AutoPlayAction);
    return session.Commit();
}

bool CDiscSettings::SaveAll() {
    profile::FileSession session(settingsFile_);
    SaveGeneral();
    Icon.Save();
    Driver.Save();
    RootList.Save();
    return session.Commit();
}

void CDiscSettings::CreateDefaultSteps() {
    if (AutorunType == kMenuDisc) {
        RootList.Add(std::make_unique<CSettingsHtml>(), false);
        return;
    }
    RootList.Add(std::make_unique<CSettingsSecurity>(), false);
    RootList.Add(std::make_unique<CSettingsLicense>(), false);
    RootList.Add(std::make_unique<CSettingsSplash>(), false);
    RootList.Add(std::make_unique<CSettingsInstall>(), false);
    RootList.Add(std::make_unique<CSettingsLaunch>(), false);
}
