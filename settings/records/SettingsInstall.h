#pragma once
// An install step: runs an installer from the disc, the first time, every
// time, or depending on the program that handles a file type.
#include "../Settings.h"

class CSettingsInstall : public CSettingsOf<CSettingsInstall> {
public:
    CSettingsInstall() : CSettingsOf(kSettingInstall, "Install") {}
    bool Load() override;
    bool Save() override;

    // Reads one entry of a legacy install list (File0, Parameters0, ...).
    void LoadLegacy(const std::string& section, int index);

    enum Whens : std::int32_t { kFirstTimeOnly = 1, kEveryTime = 2, kByFileType = 3 };
    enum WhenViewers : std::int32_t { kWhenNoProgram = 1, kWhenOlderVersion = 2 };

    std::string File;
    std::string Parameters;
    std::int32_t When = kFirstTimeOnly;
    std::int32_t WhenViewer = kWhenNoProgram;
    std::string Version;
    std::string FileExtension;
    bool Prompt = false;
    std::string Message;
    bool Skip = false;
    bool LaunchAndWait = true;

protected:
    CSettingsInstall(std::int32_t kind, std::string section) : CSettingsOf(kind, std::move(section)) {}
    void LoadInstallKeys();
    void SaveInstallKeys();
};
