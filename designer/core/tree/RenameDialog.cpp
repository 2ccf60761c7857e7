#include "RenameDialog.h"

#include "DesignerHelp.h"
#include "ProjectNames.h"
#include "WindowText.h"
#include "../../resource.h"

CRenameDialog::CRenameDialog(std::string name) : CDialog(IDD_RENAME), name_(std::move(name)) {}

BOOL CRenameDialog::OnInitDialog() {
    if (!title_.empty()) SetWindowTextA(Handle(), title_.c_str());
    if (!label_.empty()) SetDlgItemTextA(Handle(), IDC_RENAME_LABEL, label_.c_str());
    ShowWindow(Item(IDHELP), helpContext_ != 0 ? SW_SHOW : SW_HIDE);
    SetDlgItemTextA(Handle(), IDC_RENAME_TEXT, name_.c_str());
    EnableOk();
    SendDlgItemMessageA(Handle(), IDC_RENAME_TEXT, EM_SETSEL, 0, -1);
    SetFocus(Item(IDC_RENAME_TEXT));
    return FALSE;
}

void CRenameDialog::EnableOk() {
    EnableWindow(Item(IDOK), !TrimBlanks(wingui::DialogItemText(Handle(), IDC_RENAME_TEXT)).empty());
}

bool CRenameDialog::OnCommand(WORD id, WORD notifyCode, HWND control) {
    if (id == IDC_RENAME_TEXT && notifyCode == EN_CHANGE) {
        EnableOk();
        return true;
    }
    if (id == IDHELP) {
        ShowHelpTopic(Handle(), helpContext_);
        return true;
    }
    return CDialog::OnCommand(id, notifyCode, control);
}

void CRenameDialog::OnOK() {
    const std::string name = TrimBlanks(wingui::DialogItemText(Handle(), IDC_RENAME_TEXT));
    if (name.empty()) return;
    name_ = name;
    End(IDOK);
}
