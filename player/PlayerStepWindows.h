#pragma once
// The player's real step windows behind the sequencer's window interface.
#include "sequencer/StepWindows.h"

class CPlayerStepWindows : public IStepWindows {
public:
    void ShowSplash(const CSettingsSplash& splash) override;
    bool AskLogin(const CSettingsSecurity& login, std::string& user, std::string& password) override;
    void ShowAccessDenied() override;
    INT_PTR ShowLicense(const CSettingsLicense& license) override;
    std::unique_ptr<IMenuWindow> CreateMenuWindow(CDiscSettings& disc, CSettingsHtml& menu,
                                                  CStepSequencer& sequencer) override;
    bool RunInstall(CSettingsInstall& install, const std::string& section, HWND parent,
                    CStepSequencer& sequencer) override;
};
