#include "ReportDialog.h"

#include "DesignerHelp.h"
#include "../../resource.h"

namespace {

constexpr int kHelpTopic = 27;

}  // namespace

CReportDialog::CReportDialog(std::string report, std::string summary)
    : CResizingDialog(IDD_REPORT), report_(std::move(report)), summary_(std::move(summary)) {}

BOOL CReportDialog::OnInitDialog() {
    CResizingDialog::OnInitDialog();
    AddAnchor(IDC_REPORT_TEXT, kStretchWidth | kStretchHeight);
    AddAnchor(IDC_REPORT_HELP, kMoveRight);
    AddAnchor(IDOK, kMoveRight | kMoveDown);
    LOGFONTA description{};
    GetObjectA(HFONT(SendMessageA(Handle(), WM_GETFONT, 0, 0)), sizeof(description), &description);
    description.lfWeight = FW_BOLD;
    bold_.Reset(CreateFontIndirectA(&description));
    SendDlgItemMessageA(Handle(), IDC_REPORT_SUMMARY, WM_SETFONT, WPARAM(bold_.Get()), FALSE);
    SetDlgItemTextA(Handle(), IDC_REPORT_SUMMARY, summary_.c_str());
    HWND text = Item(IDC_REPORT_TEXT);
    SetWindowTextA(text, report_.c_str());
    // The last lines are the ones that matter: the caret goes to the end.
    const int length = GetWindowTextLengthA(text);
    SendMessageA(text, EM_SETSEL, WPARAM(length), LPARAM(length));
    SendMessageA(text, EM_SCROLLCARET, 0, 0);
    SetFocus(text);
    return FALSE;
}

bool CReportDialog::OnCommand(WORD id, WORD notifyCode, HWND control) {
    if (id == IDC_REPORT_HELP) {
        ShowHelpTopic(Handle(), kHelpTopic);
        return true;
    }
    return CResizingDialog::OnCommand(id, notifyCode, control);
}
