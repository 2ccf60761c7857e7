#include "EditProjectDialog.h"

#include "DesignerHelp.h"
#include "DiscSettings.h"
#include "ProjectFields.h"
#include "../../resource.h"

namespace {

constexpr int kEditProjectHelp = 2;

}  // namespace

CEditProjectDialog::CEditProjectDialog(CDiscSettings& project) : CDialog(IDD_EDIT_PROJECT), project_(project) {}

BOOL CEditProjectDialog::OnInitDialog() {
    filling_ = true;
    SetDlgItemTextA(Handle(), IDC_PROJECT_NAME, project_.ProjectName.c_str());
    SetDlgItemTextA(Handle(), IDC_PROJECT_DIR, project_.TargetDir.c_str());
    filling_ = false;
    EnableOkWhenNamed(Handle());
    SetFocus(Item(IDC_PROJECT_NAME));
    SendDlgItemMessageA(Handle(), IDC_PROJECT_NAME, EM_SETSEL, 0, -1);
    return FALSE;
}

bool CEditProjectDialog::OnCommand(WORD id, WORD notifyCode, HWND control) {
    switch (id) {
        case IDC_PROJECT_NAME:
            if (notifyCode == EN_CHANGE) EnableOkWhenNamed(Handle());
            return true;
        case IDC_PROJECT_DIR:
            if (notifyCode == EN_CHANGE && !filling_) ProjectFieldEdited(Handle(), project_);
            return true;
        case IDC_BROWSE:
            BrowseForProjectDirectory(Handle());
            return true;
        case IDHELP:
            ShowHelpTopic(Handle(), kEditProjectHelp);
            return true;
        default:
            return CDialog::OnCommand(id, notifyCode, control);
    }
}

void CEditProjectDialog::OnOK() {
    if (TakeNameAndDirectory(Handle(), project_)) End(IDOK);
}
