#pragma once
// The license agreement dialog: the agreement text, accept and reject
// choices, and a Next button that only an accepting user can press. Result 1
// for Next, 2 for Cancel, Escape or the close command.
#include <string>

#include "Handles.h"
#include "Dialog.h"
#include "license/AgreementText.h"

class CSettingsLicense;

class CLicenseDialog2 : public wingui::CDialog {
public:
    explicit CLicenseDialog2(const CSettingsLicense& license);

    // Reads the agreement from its file (the disc root followed by File);
    // the dialog is shown only when this returned kRead.
    AgreementRead LoadAgreement(const std::string& discRoot);
    const std::string& AgreementText() const { return agreement_; }

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(WORD id, WORD notifyCode, HWND control) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;
    void OnOK() override;

private:
    void ApplyCustomTexts();
    bool Accepted() const;

    const CSettingsLicense& license_;
    std::string agreement_;
    wingui::Brush white_;
};

// The license step's dialog for the disc: reads the agreement, reports an
// agreement that cannot be read (the step is then refused, result 2) and
// shows the dialog.
INT_PTR ShowLicenseAgreement(const CSettingsLicense& license, const std::string& discRoot, HWND parent);
