#include "PlayerStepWindows.h"

#include "MessageBox.h"
#include "StepWindowFactories.h"
#include "resource.h"

void CPlayerStepWindows::ShowSplash(const CSettingsSplash& splash) { ShowSplashStep(splash); }

bool CPlayerStepWindows::AskLogin(const CSettingsSecurity& login, std::string& user, std::string& password) {
    return AskLoginPair(login, user, password);
}

void CPlayerStepWindows::ShowAccessDenied() {
    wingui::ShowStringMessage(nullptr, {IDS_ACCESS_DENIED}, MB_OK | MB_ICONSTOP);
}

INT_PTR CPlayerStepWindows::ShowLicense(const CSettingsLicense& license) { return ShowLicenseDialog(license); }

std::unique_ptr<IMenuWindow> CPlayerStepWindows::CreateMenuWindow(CDiscSettings& disc, CSettingsHtml& menu,
                                                                  CStepSequencer& sequencer) {
    return ::CreateMenuWindow(disc, menu, sequencer);
}

bool CPlayerStepWindows::RunInstall(CSettingsInstall& install, const std::string& section, HWND parent,
                                    CStepSequencer& sequencer) {
    return RunInstallStep(install, section, parent, sequencer);
}
