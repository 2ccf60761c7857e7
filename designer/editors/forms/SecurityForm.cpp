#include "SecurityForm.h"

#include "records/SettingsSecurity.h"
#include "../../resource.h"

namespace {

constexpr int kHelpTopic = 6;

}  // namespace

CSecurityForm::CSecurityForm(IDesignerHost& host) : CRecordForm(IDD_SECURITY_FORM, host, kHelpTopic) {}

BOOL CSecurityForm::OnInitDialog() {
    FillChoices(IDC_SECURITY_WHEN, {{"First time only", CSettingsSecurity::kFirstTimeOnly},
                                    {"Every time", CSettingsSecurity::kEveryTime}});
    return CSettingsForm::OnInitDialog();
}

void CSecurityForm::Fill(CSettingsSecurity& record) {
    SetChecked(IDC_SECURITY_ACTIVE, record.Active);
    SetText(IDC_SECURITY_USER, record.Username);
    SetText(IDC_SECURITY_PASSWORD, record.Password);
    SelectChoice(IDC_SECURITY_WHEN, record.Frequency);
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

void CSecurityForm::Store(CSettingsSecurity& record) {
    record.Type = 1;  // the form offers the user name and password login only
    record.Active = Checked(IDC_SECURITY_ACTIVE);
    record.Username = TrimmedText(IDC_SECURITY_USER);
    record.Password = TrimmedText(IDC_SECURITY_PASSWORD);
    record.Frequency = ChosenValue(IDC_SECURITY_WHEN, record.Frequency);
}
