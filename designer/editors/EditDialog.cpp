#include "EditDialog.h"

#include "ProjectNames.h"
#include "WindowText.h"
#include "../resource.h"

CEditDialog::CEditDialog(std::string text) : CDialog(IDD_EDIT_TEXT), text_(std::move(text)) {}

BOOL CEditDialog::OnInitDialog() {
    SetDlgItemTextA(Handle(), IDC_EDIT_TEXT, text_.c_str());
    EnableWindow(Item(IDOK), !TrimBlanks(text_).empty());
    SetFocus(Item(IDC_EDIT_TEXT));
    return FALSE;
}

bool CEditDialog::OnCommand(WORD id, WORD notifyCode, HWND control) {
    if (id == IDC_EDIT_TEXT && notifyCode == EN_CHANGE) {
        EnableWindow(Item(IDOK), !TrimBlanks(wingui::DialogItemText(Handle(), IDC_EDIT_TEXT)).empty());
        return true;
    }
    return CDialog::OnCommand(id, notifyCode, control);
}

void CEditDialog::OnOK() {
    const std::string text = TrimBlanks(wingui::DialogItemText(Handle(), IDC_EDIT_TEXT));
    if (text.empty()) return;
    text_ = text;
    End(IDOK);
}
