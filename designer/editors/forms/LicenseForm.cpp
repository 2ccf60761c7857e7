#include "LicenseForm.h"

#include "EditDialog.h"
#include "ProjectFilePicker.h"
#include "StepTree.h"
#include "records/SettingsLicense.h"
#include "../../resource.h"

namespace {

constexpr int kHelpTopic = 9;

}  // namespace

CLicenseForm::CLicenseForm(IDesignerHost& host) : CSettingsForm(IDD_LICENSE_FORM, host, kHelpTopic) {}

BOOL CLicenseForm::OnInitDialog() {
    FillChoices(IDC_LICENSE_HOW,
                {{"First time only", CSettingsLicense::kFirstTimeOnly}, {"Every time", CSettingsLicense::kEveryTime}});
    return CSettingsForm::OnInitDialog();
}

void CLicenseForm::ShowLabel() { SetText(IDC_LICENSE_LABEL, label_); }

bool CLicenseForm::LoadSettings(CSettings* record) {
    license_ = dynamic_cast<CSettingsLicense*>(record);
    if (!license_) return false;
    SetBanner(StepDisplayName(*license_));
    SetChecked(IDC_LICENSE_ACTIVE, license_->Active);
    SetText(IDC_LICENSE_FILE, license_->File);
    SelectChoice(IDC_LICENSE_HOW, license_->Display);
    SetChecked(IDC_LICENSE_CUSTOMIZE, license_->CustomizeText);
    SetText(IDC_LICENSE_TITLE, license_->WindowTitle);
    label_ = license_->LabelText;
    ShowLabel();
    SetText(IDC_LICENSE_ACCEPT, license_->RadioAccept);
    SetText(IDC_LICENSE_REJECT, license_->RadioReject);
    SetText(IDC_LICENSE_NEXT, license_->NextButton);
    SetText(IDC_LICENSE_CANCEL, license_->CancelButton);
    UpdateControls();
    return true;
}

bool CLicenseForm::UpdateControls() {
    const bool active = Checked(IDC_LICENSE_ACTIVE);
    const bool customize = Checked(IDC_LICENSE_CUSTOMIZE);
    EnableItems({IDC_LICENSE_FILE_LABEL, IDC_LICENSE_FILE, IDC_LICENSE_BROWSE, IDC_LICENSE_HOW_LABEL, IDC_LICENSE_HOW,
                 IDC_LICENSE_CUSTOMIZE},
                active);
    const auto customizeControls = {
        IDC_LICENSE_GROUP,        IDC_LICENSE_TITLE_LABEL,  IDC_LICENSE_TITLE,      IDC_LICENSE_LABEL_LABEL,
        IDC_LICENSE_LABEL,        IDC_LICENSE_LABEL_EDIT,   IDC_LICENSE_ACCEPT_LABEL, IDC_LICENSE_ACCEPT,
        IDC_LICENSE_REJECT_LABEL, IDC_LICENSE_REJECT,       IDC_LICENSE_NEXT_LABEL, IDC_LICENSE_NEXT,
        IDC_LICENSE_CANCEL_LABEL, IDC_LICENSE_CANCEL};
    EnableItems(customizeControls, active);
    ShowItems(customizeControls, customize);
    return true;
}

void CLicenseForm::OnEdited(WORD id, WORD notifyCode) {
    if (id == IDC_LICENSE_ACTIVE || id == IDC_LICENSE_CUSTOMIZE) UpdateControls();
    CSettingsForm::OnEdited(id, notifyCode);
}

bool CLicenseForm::OnButton(WORD id) {
    if (id == IDC_LICENSE_BROWSE) {
        std::string path = Text(IDC_LICENSE_FILE);
        const ProjectFileRequest request{IDS_SELECT_LICENSE, IDS_FILTER_TEXTS};
        if (ChooseProjectFile(GetAncestor(Handle(), GA_ROOT), request, ProjectDirectory(), path)) {
            SetText(IDC_LICENSE_FILE, path);
            Host().ProjectChanged();
        }
        return true;
    }
    if (id == IDC_LICENSE_LABEL_EDIT) {
        CEditDialog edit(label_);
        if (edit.DoModal(GetAncestor(Handle(), GA_ROOT)) == IDOK) {
            label_ = edit.Text();
            ShowLabel();
            Host().ProjectChanged();
        }
        return true;
    }
    return false;
}

bool CLicenseForm::SaveSettings() {
    if (!license_) return false;
    license_->Active = Checked(IDC_LICENSE_ACTIVE);
    license_->File = Text(IDC_LICENSE_FILE);
    license_->Display = ChosenValue(IDC_LICENSE_HOW, license_->Display);
    license_->CustomizeText = Checked(IDC_LICENSE_CUSTOMIZE);
    license_->WindowTitle = Text(IDC_LICENSE_TITLE);
    license_->LabelText = label_;
    license_->RadioAccept = Text(IDC_LICENSE_ACCEPT);
    license_->RadioReject = Text(IDC_LICENSE_REJECT);
    license_->NextButton = Text(IDC_LICENSE_NEXT);
    license_->CancelButton = Text(IDC_LICENSE_CANCEL);
    return license_->SaveRecord();
}
