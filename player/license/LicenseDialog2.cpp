#include "LicenseDialog2.h"

#include "DiscRoot.h"
#include "MessageBox.h"
#include "records/SettingsLicense.h"
#include "steps/StepResources.h"

CLicenseDialog2::CLicenseDialog2(const CSettingsLicense& license)
    : CDialog(IDD_LICENSE), license_(license), white_(CreateSolidBrush(RGB(255, 255, 255))) {}

AgreementRead CLicenseDialog2::LoadAgreement(const std::string& discRoot) {
    return ReadAgreementFile(DiscPath(discRoot, license_.File), agreement_);
}

void CLicenseDialog2::ApplyCustomTexts() {
    SetWindowTextA(Handle(), license_.WindowTitle.c_str());
    SetDlgItemTextA(Handle(), IDC_LICENSE_LABEL, license_.LabelText.c_str());
    SetDlgItemTextA(Handle(), IDC_LICENSE_ACCEPT, license_.RadioAccept.c_str());
    SetDlgItemTextA(Handle(), IDC_LICENSE_REJECT, license_.RadioReject.c_str());
    SetDlgItemTextA(Handle(), IDOK, license_.NextButton.c_str());
    SetDlgItemTextA(Handle(), IDCANCEL, license_.CancelButton.c_str());
}

BOOL CLicenseDialog2::OnInitDialog() {
    // The agreement may be longer than an edit control takes by default.
    SendDlgItemMessageA(Handle(), IDC_LICENSE_TEXT, EM_SETLIMITTEXT, 0, 0);
    SetDlgItemTextA(Handle(), IDC_LICENSE_TEXT, agreement_.c_str());
    if (license_.CustomizeText) ApplyCustomTexts();
    CheckRadioButton(Handle(), IDC_LICENSE_ACCEPT, IDC_LICENSE_REJECT, IDC_LICENSE_REJECT);
    EnableWindow(Item(IDOK), FALSE);
    return TRUE;
}

bool CLicenseDialog2::Accepted() const { return IsDlgButtonChecked(Handle(), IDC_LICENSE_ACCEPT) == BST_CHECKED; }

bool CLicenseDialog2::OnCommand(WORD id, WORD notifyCode, HWND control) {
    if ((id == IDC_LICENSE_ACCEPT || id == IDC_LICENSE_REJECT) && notifyCode == BN_CLICKED) {
        EnableWindow(Item(IDOK), Accepted());
        return true;
    }
    return CDialog::OnCommand(id, notifyCode, control);
}

void CLicenseDialog2::OnOK() {
    // Enter reaches here as well as the button; it must not get past a
    // refusal either.
    if (Accepted()) CDialog::OnOK();
}

bool CLicenseDialog2::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) {
    // A read-only edit asks for the static colours; the agreement is black on
    // white all the same.
    if (message == WM_CTLCOLORSTATIC && reinterpret_cast<HWND>(lParam) == Item(IDC_LICENSE_TEXT)) {
        HDC dc = reinterpret_cast<HDC>(wParam);
        SetTextColor(dc, RGB(0, 0, 0));
        SetBkColor(dc, RGB(255, 255, 255));
        result = reinterpret_cast<INT_PTR>(white_.Get());
        return true;
    }
    return false;
}

INT_PTR ShowLicenseAgreement(const CSettingsLicense& license, const std::string& discRoot, HWND parent) {
    CLicenseDialog2 dialog(license);
    if (dialog.LoadAgreement(discRoot) != AgreementRead::kRead) {
        // An agreement nobody could read cannot have been accepted.
        wingui::ShowStringMessage(parent, {IDS_AGREEMENT_UNREADABLE}, MB_OK | MB_ICONSTOP);
        return IDCANCEL;
    }
    return dialog.DoModal(parent);
}
