#include "PasswordDialog.h"

#include <vector>

#include "steps/StepResources.h"

namespace {

std::string ItemText(HWND dialog, int id) {
    HWND item = GetDlgItem(dialog, id);
    const int length = GetWindowTextLengthA(item);
    std::vector<char> text(size_t(length) + 1);
    const int got = GetWindowTextA(item, text.data(), length + 1);
    return std::string(text.data(), size_t(got > 0 ? got : 0));
}

}  // namespace

CPasswordDialog::CPasswordDialog() : CModalDialog(IDD_PASSWORD) {}

BOOL CPasswordDialog::OnInitDialog() {
    SetDlgItemTextA(Handle(), IDC_LOGIN_USER, User.c_str());
    SetDlgItemTextA(Handle(), IDC_LOGIN_PASSWORD, Password.c_str());
    return TRUE;
}

void CPasswordDialog::OnOK() {
    User = ItemText(Handle(), IDC_LOGIN_USER);
    Password = ItemText(Handle(), IDC_LOGIN_PASSWORD);
    CModalDialog::OnOK();
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
