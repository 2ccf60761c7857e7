#include "PasswordDialog.h"

#include "WindowText.h"
#include "steps/StepResources.h"

CPasswordDialog::CPasswordDialog() : CDialog(IDD_PASSWORD) {}

BOOL CPasswordDialog::OnInitDialog() {
    SetDlgItemTextA(Handle(), IDC_LOGIN_USER, User.c_str());
    SetDlgItemTextA(Handle(), IDC_LOGIN_PASSWORD, Password.c_str());
    return TRUE;
}

void CPasswordDialog::OnOK() {
    User = wingui::DialogItemText(Handle(), IDC_LOGIN_USER);
    Password = wingui::DialogItemText(Handle(), IDC_LOGIN_PASSWORD);
    CDialog::OnOK();
}

bool AskLoginEntries(std::string& user, std::string& password, HWND parent) {
    CPasswordDialog dialog;
    dialog.User = user;
    dialog.Password = password;
    if (dialog.DoModal(parent) != IDOK) return false;
    user = dialog.User;
    password = dialog.Password;
    return true;
}
