#pragma once
// The player's step windows, one function each; CPlayerStepWindows hands the
// sequencer's requests to them.
#include <memory>
#include <string>

#include "sequencer/StepWindows.h"

class CDiscSettings;
class CSettingsHtml;
class CSettingsInstall;
class CSettingsLicense;
class CSettingsSecurity;
class CSettingsSplash;
class CStepSequencer;

// The splash window when "Image" is set, else the sound alone.
void ShowSplashStep(const CSettingsSplash& splash);
// One showing of the login dialog; false when cancelled.
bool AskLoginPair(const CSettingsSecurity& login, std::string& user, std::string& password);
// The license dialog; 1 when accepted.
INT_PTR ShowLicenseDialog(const CSettingsLicense& license);
// The standard or HTML menu window for the record, or null.
std::unique_ptr<IMenuWindow> CreateMenuWindow(CDiscSettings& disc, CSettingsHtml& menu, CStepSequencer& sequencer);
// The install step of the record (parent: null from the root list); true to go on.
bool RunInstallStep(CSettingsInstall& install, const std::string& section, HWND parent, CStepSequencer& sequencer);
