#pragma once
// The player's real step windows behind the sequencer's window interface,
// each finding its files below the disc root.
#include <string>
#include <utility>

#include "sequencer/StepWindows.h"

class CPlayerStepWindows : public IStepWindows {
public:
    explicit CPlayerStepWindows(std::string discRoot) : discRoot_(std::move(discRoot)) {}

    void ShowSplash(const CSettingsSplash& splash) override;
    bool AskLogin(const CSettingsSecurity& login, std::string& user, std::string& password) override;
    void ShowAccessDenied() override;
    INT_PTR ShowLicense(const CSettingsLicense& license) override;
    std::unique_ptr<IMenuWindow> CreateMenuWindow(CDiscSettings& disc, CSettingsHtml& menu,
                                                  CStepSequencer& sequencer) override;
    bool RunInstall(CSettingsInstall& install, const std::string& section, HWND parent,
                    CStepSequencer& sequencer) override;

private:
    std::string discRoot_;
};
