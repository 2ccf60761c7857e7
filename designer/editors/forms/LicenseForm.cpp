#include "LicenseForm.h"

#include "EditDialog.h"
#include "ProjectFilePicker.h"
#include "records/SettingsLicense.h"
#include "../../resource.h"

namespace {

constexpr int kHelpTopic = 9;

}  // namespace

CLicenseForm::CLicenseForm(IDesignerHost& host) : CRecordForm(IDD_LICENSE_FORM, host, kHelpTopic) {}

BOOL CLicenseForm::OnInitDialog() {
    FillChoices(IDC_LICENSE_HOW,
                {{"First time only", CSettingsLicense::kFirstTimeOnly}, {"Every time", CSettingsLicense::kEveryTime}});
    return CSettingsForm::OnInitDialog();
}

void CLicenseForm::ShowLabel() { SetText(IDC_LICENSE_LABEL, label_); }

void CLicenseForm::Fill(CSettingsLicense& record) {
    SetChecked(IDC_LICENSE_ACTIVE, record.Active);
    SetText(IDC_LICENSE_FILE, record.File);
    SelectChoice(IDC_LICENSE_HOW, record.Display);
    SetChecked(IDC_LICENSE_CUSTOMIZE, record.CustomizeText);
    SetText(IDC_LICENSE_TITLE, record.WindowTitle);
    label_ = record.LabelText;
    ShowLabel();
    SetText(IDC_LICENSE_ACCEPT, record.RadioAccept);
    SetText(IDC_LICENSE_REJECT, record.RadioReject);
    SetText(IDC_LICENSE_NEXT, record.NextButton);
    SetText(IDC_LICENSE_CANCEL, record.CancelButton);
}

bool CLicenseForm::UpdateControls() {
    const bool active = Checked(IDC_LICENSE_ACTIVE);
    const bool customize = Checked(IDC_LICENSE_CUSTOMIZE);
    EnableItems({IDC_LICENSE_FILE_LABEL, IDC_LICENSE_FILE, IDC_LICENSE_BROWSE, IDC_LICENSE_HOW_LABEL, IDC_LICENSE_HOW,
                 IDC_LICENSE_CUSTOMIZE},
                active);
    const auto customizeControls = {IDC_LICENSE_GROUP,        IDC_LICENSE_TITLE_LABEL, IDC_LICENSE_TITLE,
                                    IDC_LICENSE_LABEL_LABEL,  IDC_LICENSE_LABEL,       IDC_LICENSE_LABEL_EDIT,
                                    IDC_LICENSE_ACCEPT_LABEL, IDC_LICENSE_ACCEPT,      IDC_LICENSE_REJECT_LABEL,
                                    IDC_LICENSE_REJECT,       IDC_LICENSE_NEXT_LABEL,  IDC_LICENSE_NEXT,
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

void CLicenseForm::Store(CSettingsLicense& record) {
    record.Active = Checked(IDC_LICENSE_ACTIVE);
    record.File = Text(IDC_LICENSE_FILE);
    record.Display = ChosenValue(IDC_LICENSE_HOW, record.Display);
    record.CustomizeText = Checked(IDC_LICENSE_CUSTOMIZE);
    record.WindowTitle = Text(IDC_LICENSE_TITLE);
    record.LabelText = label_;
    record.RadioAccept = Text(IDC_LICENSE_ACCEPT);
    record.RadioReject = Text(IDC_LICENSE_REJECT);
    record.NextButton = Text(IDC_LICENSE_NEXT);
    record.CancelButton = Text(IDC_LICENSE_CANCEL);
}
