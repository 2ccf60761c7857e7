#include "ChooseNewDialog.h"

#include "DesignerHelp.h"
#include "../../resource.h"

namespace {

constexpr int kChooseNewHelp = 1;

}  // namespace

CChooseNewDialog::CChooseNewDialog() : CDialog(IDD_CHOOSE_NEW) {}

BOOL CChooseNewDialog::OnInitDialog() {
    CheckRadioButton(Handle(), IDC_MENU_WIZARD, IDC_SKIP_WIZARDS, IDC_MENU_WIZARD);
    SetFocus(Item(IDC_MENU_WIZARD));
    return FALSE;
}

bool CChooseNewDialog::OnCommand(WORD id, WORD notifyCode, HWND control) {
    if (id == IDHELP) {
        ShowHelpTopic(Handle(), kChooseNewHelp);
        return true;
    }
    return CDialog::OnCommand(id, notifyCode, control);
}

void CChooseNewDialog::OnOK() {
    if (IsDlgButtonChecked(Handle(), IDC_QUICKIE_WIZARD) == BST_CHECKED) {
        method_ = NewProjectMethod::kQuickieSilentWizard;
    } else if (IsDlgButtonChecked(Handle(), IDC_SILENT_WIZARD) == BST_CHECKED) {
        method_ = NewProjectMethod::kSilentWizard;
    } else if (IsDlgButtonChecked(Handle(), IDC_SKIP_WIZARDS) == BST_CHECKED) {
        method_ = NewProjectMethod::kNewProjectDialog;
    } else {
        method_ = NewProjectMethod::kMenuWizard;
    }
    End(IDOK);
}
