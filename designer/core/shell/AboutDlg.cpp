#include "AboutDlg.h"

#include "../../resource.h"

CAboutDlg::CAboutDlg() : CDialog(IDD_ABOUTBOX) {}

BOOL CAboutDlg::OnInitDialog() {
    LOGFONTA description{};
    description.lfHeight = -24;
    description.lfWeight = FW_BOLD;
    description.lfItalic = TRUE;
    lstrcpynA(description.lfFaceName, "Arial", LF_FACESIZE);
    productFont_.Reset(CreateFontIndirectA(&description));
    SendDlgItemMessageA(Handle(), IDC_ABOUT_PRODUCT, WM_SETFONT, WPARAM(productFont_.Get()), FALSE);
    return TRUE;
}
