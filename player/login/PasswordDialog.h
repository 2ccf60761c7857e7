#pragma once
// The login dialog "Unlock CD": a user name and a masked password. It opens
// with the entries it holds, so a failed attempt shows them again.
#include <string>

#include "Dialog.h"

class CPasswordDialog : public wingui::CDialog {
public:
    CPasswordDialog();

    std::string User;
    std::string Password;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
};

// One showing of the login dialog with the given entries in its edits; on
// OK they are replaced by what the user entered. False when cancelled.
bool AskLoginEntries(std::string& user, std::string& password, HWND parent);
