#pragma once
// An action step: open, print or explore disc content, run a program, open a
// web site or an e-mail message, or show a message box.
#include "../Settings.h"

enum LaunchKind : std::int32_t {
    kLaunchOpenDocument = 101,
    kLaunchWebSite = 102,
    kLaunchEmail = 103,
    kLaunchExplore = 104,
    kLaunchMessage = 105,
    kLaunchRunFromDisc = 106,
    kLaunchRunWindowsProgram = 107,
    kLaunchPrintDocument = 108,
};

class CSettingsLaunch : public CSettingsOf<CSettingsLaunch> {
public:
    CSettingsLaunch() : CSettingsOf(kSettingLaunch, "Launch") {}
    bool Load() override;
    bool Save() override;

    // Reads one entry of a legacy action list, whose keys carry the entry's
    // index (File0, LaunchType0, ...).
    void LoadLegacy(const std::string& section, int index);

    enum Sources : std::int32_t { kFromFile = 1, kFromRegistry = 2 };

    std::int32_t LaunchTypeV3 = kLaunchOpenDocument;
    std::int32_t LaunchType = kFromFile;
    std::string File;  // multi-line: the message text of kind 105
    std::string RegKey;
    std::string RegValue;
    std::string Parameters;
    bool Maximize = false;
    bool Kiosk = false;
    bool LaunchAndWait = false;
    std::int32_t Buttons = 0;
    std::int32_t Icon = 64;
    std::int32_t DefaultButton = 0;
    std::string AddressType = "http://";
    std::string WindowTitle;
    std::string Subject;
    std::string Body;  // multi-line
};
