#pragma once
// The disc's icon: the player's own, or one from a file of the project (an
// icon file, or the icon at an index inside a program or library).
#include "SettingsForm.h"

class CSettingsIcon;

class CIconForm : public CSettingsForm {
public:
    explicit CIconForm(IDesignerHost& host);
    bool LoadSettings(CSettings* record) override;
    bool SaveSettings() override;
    bool UpdateControls() override;

protected:
    BOOL OnInitDialog() override;
    void OnEdited(WORD id, WORD notifyCode) override;
    bool OnButton(WORD id) override;

private:
    CSettingsIcon* icon_ = nullptr;
};
