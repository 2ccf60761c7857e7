#pragma once
// One disc (in the designer: one project): the general values, the disc
// icon, the driver directories and the root list of steps.
#include <cstdint>
#include <string>

#include "SettingsList.h"
#include "records/SettingsDriver.h"
#include "records/SettingsIcon.h"

class CDiscSettings {
public:
    CDiscSettings() { RootList.SetPrefix("Root"); }
    CDiscSettings(const CDiscSettings& other);
    CDiscSettings& operator=(const CDiscSettings&) = delete;

    void SetFileName(const std::string& path);
    const std::string& GetFileName() const { return settingsFile_; }
    bool Load();
    bool SaveGeneral();
    bool SaveAll();
    void CreateDefaultSteps();

    enum AutorunTypes : std::int32_t { kSilentDisc = 1, kMenuDisc = 2 };
    static constexpr std::int32_t kTreeLayoutVersion = 3;

    std::string ProjectName;
    std::string TargetDir;
    std::string InfoDirName;
    std::string InfoBaseDir;
    std::string InfoDirPath;
    // The 1-based position in the designer's project list file; -1 until
    // the list is saved.
    std::int32_t Index = -1;
    std::string CdID;
    std::string Label;
    std::string WindowsLabel;
    std::string AutoPlayAction;
    std::int32_t Version = kTreeLayoutVersion;
    std::int32_t AppVersion = kTreeLayoutVersion;
    std::int32_t AutorunType = kMenuDisc;
    bool AutorunUpdated = false;

    CSettingsList RootList;
    CSettingsIcon Icon;
    CSettingsDriver Driver;

private:
    void LoadLegacySteps();

    std::string settingsFile_;
};
