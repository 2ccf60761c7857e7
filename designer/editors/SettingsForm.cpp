#include "SettingsForm.h"

#include <string>

#include "Settings.h"
#include "StepTree.h"
#include "../resource.h"

namespace {

constexpr COLORREF kBannerColour = RGB(59, 31, 110);

}  // namespace

BOOL CSettingsForm::OnInitDialog() {
    LOGFONTA description{};
    description.lfHeight = -18;
    description.lfWeight = FW_BOLD;
    lstrcpynA(description.lfFaceName, "Arial", LF_FACESIZE);
    bannerFont_.Reset(CreateFontIndirectA(&description));
    if (HWND banner = Item(IDC_FORM_BANNER)) SendMessageA(banner, WM_SETFONT, WPARAM(bannerFont_.Get()), FALSE);
    if (CSettings* record = host_.CurrentRecord()) LoadSettings(record);
    return TRUE;
}

void CSettingsForm::UpdateTitle() {
    CSettings* record = host_.CurrentRecord();
    SetBanner(record ? StepDisplayName(*record) : std::string("General"));
}

void CSettingsForm::SetBanner(const std::string& text) { SetDlgItemTextA(Handle(), IDC_FORM_BANNER, text.c_str()); }

bool CSettingsForm::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) {
    if (message == WM_CTLCOLORSTATIC && GetDlgCtrlID(HWND(lParam)) == IDC_FORM_BANNER) {
        SetTextColor(HDC(wParam), kBannerColour);
        SetBkMode(HDC(wParam), TRANSPARENT);
        result = INT_PTR(GetSysColorBrush(COLOR_BTNFACE));
        return true;
    }
    return CDialog::OnMessage(message, wParam, lParam, result);
}
