#pragma once
// The splash step: a picture shown for some seconds and a sound played
// once, in a loop or for some seconds (both 0 to 30).
#include "SettingsForm.h"

class CSettingsSplash;

class CSplashForm : public CSettingsForm {
public:
    explicit CSplashForm(IDesignerHost& host);
    bool LoadSettings(CSettings* record) override;
    bool SaveSettings() override;
    bool UpdateControls() override;

protected:
    BOOL OnInitDialog() override;
    void OnEdited(WORD id, WORD notifyCode) override;
    bool OnButton(WORD id) override;
    bool OnCommand(WORD id, WORD notifyCode, HWND control) override;

private:
    void SetSeconds(int id, int seconds);
    int Seconds(int id);
    void Browse(int id, UINT titleId, UINT filterId);

    CSettingsSplash* splash_ = nullptr;
};
