#pragma once
// The login step: a user name and password asked once or every time.
#include "SettingsForm.h"

class CSettingsSecurity;

class CSecurityForm : public CSettingsForm {
public:
    explicit CSecurityForm(IDesignerHost& host);
    bool LoadSettings(CSettings* record) override;
    bool SaveSettings() override;
    bool UpdateControls() override;

protected:
    BOOL OnInitDialog() override;
    void OnEdited(WORD id, WORD notifyCode) override;

private:
    CSettingsSecurity* security_ = nullptr;
};
