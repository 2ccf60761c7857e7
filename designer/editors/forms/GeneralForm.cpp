#include "GeneralForm.h"

#include "DiscSettings.h"
#include "../../resource.h"

namespace {

constexpr int kHelpTopic = 170;
constexpr int kMaxDiscLabel = 32;

}  // namespace

CGeneralForm::CGeneralForm(IDesignerHost& host) : CSettingsForm(IDD_GENERAL_FORM, host, kHelpTopic) {}

BOOL CGeneralForm::OnInitDialog() {
    CSettingsForm::OnInitDialog();
    SendDlgItemMessageA(Handle(), IDC_DISC_LABEL, EM_LIMITTEXT, kMaxDiscLabel, 0);
    LoadSettings(nullptr);
    return TRUE;
}

bool CGeneralForm::LoadSettings(CSettings*) {
    project_ = Host().CurrentProject();
    SetBanner("General");
    if (!project_) return false;
    SetText(IDC_DISC_LABEL, project_->WindowsLabel);
    SetText(IDC_AUTOPLAY_TEXT, project_->AutoPlayAction);
    return true;
}

bool CGeneralForm::SaveSettings() {
    if (!project_ || project_ != Host().CurrentProject()) return false;
    project_->WindowsLabel = TrimmedText(IDC_DISC_LABEL).substr(0, kMaxDiscLabel);
    project_->AutoPlayAction = TrimmedText(IDC_AUTOPLAY_TEXT);
    return project_->SaveGeneral();
}
