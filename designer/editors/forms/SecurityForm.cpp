#include "SecurityForm.h"

#include "StepTree.h"
#include "records/SettingsSecurity.h"
#include "../../resource.h"

namespace {

constexpr int kHelpTopic = 6;

}  // namespace

CSecurityForm::CSecurityForm(IDesignerHost& host) : CSettingsForm(IDD_SECURITY_FORM, host, kHelpTopic) {}

BOOL CSecurityForm::OnInitDialog() {
    FillChoices(IDC_SECURITY_WHEN,
                {{"First time only", CSettingsSecurity::kFirstTimeOnly}, {"Every time", CSettingsSecurity::kEveryTime}});
    return CSettingsForm::OnInitDialog();
}

bool CSecurityForm::LoadSettings(CSettings* record) {
    security_ = dynamic_cast<CSettingsSecurity*>(record);
    if (!security_) return false;
    SetBanner(StepDisplayName(*security_));
    SetChecked(IDC_SECURITY_ACTIVE, security_->Active);
    SetText(IDC_SECURITY_USER, security_->Username);
    SetText(IDC_SECURITY_PASSWORD, security_->Password);
    SelectChoice(IDC_SECURITY_WHEN, security_->Frequency);
    UpdateControls();
    return true;
}

bool CSecurityForm::UpdateControls() {
    EnableItems({IDC_SECURITY_USER_LABEL, IDC_SECURITY_USER, IDC_SECURITY_PASSWORD_LABEL, IDC_SECURITY_PASSWORD,
                 IDC_SECURITY_WHEN_LABEL, IDC_SECURITY_WHEN},
                Checked(IDC_SECURITY_ACTIVE));
    return true;
}

void CSecurityForm::OnEdited(WORD id, WORD notifyCode) {
    if (id == IDC_SECURITY_ACTIVE) UpdateControls();
    CSettingsForm::OnEdited(id, notifyCode);
}

bool CSecurityForm::SaveSettings() {
    if (!security_) return false;
    security_->Type = 1;  // the form offers the user name and password login only
    security_->Active = Checked(IDC_SECURITY_ACTIVE);
    security_->Username = TrimmedText(IDC_SECURITY_USER);
    security_->Password = TrimmedText(IDC_SECURITY_PASSWORD);
    security_->Frequency = ChosenValue(IDC_SECURITY_WHEN, security_->Frequency);
    return security_->SaveRecord();
}
