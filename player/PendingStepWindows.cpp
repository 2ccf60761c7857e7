// Stand-ins for step windows that are not in the player yet. Each one shows
// nothing and answers as a step that did not run, so no step is ever taken
// as done; each is removed when its real window lands.
#include "StepWindowFactories.h"

// Replaced when the splash window lands.
void ShowSplashStep(const CSettingsSplash&) {}

// Replaced when the login dialog lands. Not accepted: the list stops rather
// than let anyone past a login that was never asked.
bool AskLoginPair(const CSettingsSecurity&, std::string&, std::string&) { return false; }

// Replaced when the license dialog lands. Not accepted, for the same reason.
INT_PTR ShowLicenseDialog(const CSettingsLicense&) { return 2; }

// Replaced when the menu window lands. No window: the menu step is skipped.
std::unique_ptr<IMenuWindow> CreateMenuWindow(CDiscSettings&, CSettingsHtml&, CStepSequencer&) { return nullptr; }

// Replaced when the install step lands. Nothing is installed or recorded;
// the list goes on as after any install step.
bool RunInstallStep(CSettingsInstall&, const std::string&, HWND, CStepSequencer&) { return true; }
