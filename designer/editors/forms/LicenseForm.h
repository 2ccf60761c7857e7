#pragma once
// The license step: the agreement file, how often it shows, and the texts of
// its window when the author customises them.
#include <string>

#include "SettingsForm.h"

class CSettingsLicense;

class CLicenseForm : public CSettingsForm {
public:
    explicit CLicenseForm(IDesignerHost& host);
    bool LoadSettings(CSettings* record) override;
    bool SaveSettings() override;
    bool UpdateControls() override;

protected:
    BOOL OnInitDialog() override;
    void OnEdited(WORD id, WORD notifyCode) override;
    bool OnButton(WORD id) override;

private:
    void ShowLabel();

    CSettingsLicense* license_ = nullptr;
    // The label may hold line breaks, which its one-line box cannot show:
    // the form keeps the text itself and the box shows it.
    std::string label_;
};
