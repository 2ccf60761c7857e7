#include "AutorunDlg.h"

#include <shellapi.h>

#include "AutorunApp.h"
#include "DeviceContexts.h"
#include "DiscSettings.h"
#include "MenuDialogIds.h"
#include "MessageBox.h"
#include "ModalDialog.h"
#include "ResourceString.h"
#include "records/SettingsButton.h"
#include "records/SettingsHtml.h"
#include "resource.h"
#include "sequencer/StepSequencer.h"
#include "util/TextCase.h"

namespace {

class CAboutDialog : public wingui::CModalDialog {
public:
    CAboutDialog() : CModalDialog(IDD_ABOUT_AUTORUN) {}
};

}  // namespace

CAutorunDlg::CAutorunDlg(HWND parent) : CAutorunMenuDlg(parent) { SetBaseFolder(GetDiscRoot()); }

CAutorunDlg::~CAutorunDlg() = default;

BOOL CAutorunDlg::OnInitDialog() {
    const BOOL result = CAutorunMenuDlg::OnInitDialog();
    if (!CAutorunMenuDlg::Handle() || !IsWindow(CAutorunMenuDlg::Handle())) return result;
    AddAboutCommand();
    SetWindowIcon();
    return result;
}

BOOL CAutorunDlg::BuildHtmlMenu() {
    if (menu_) htmlHost_ = CreateHtmlMenuHost(*this, *menu_, BaseFolder());
    if (!htmlHost_) {
        wingui::ShowStringMessage(CAutorunMenuDlg::Handle(), {IDS_BASE_FILE_MISSING}, MB_OK | MB_ICONSTOP);
        EndDialog(CAutorunMenuDlg::Handle(), IDOK);
    }
    return TRUE;
}

void CAutorunDlg::AddAboutCommand() {
    HMENU system = GetSystemMenu(CAutorunMenuDlg::Handle(), FALSE);
    if (!system) return;
    const std::string about = wingui::LoadResourceString(IDS_ABOUT_AUTORUN);
    if (about.empty()) return;
    AppendMenuA(system, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(system, MF_STRING, IDM_ABOUT_AUTORUN, about.c_str());
}

void CAutorunDlg::SetWindowIcon() {
    // A custom icon names a file on the disc, found from the disc root like
    // every other file the settings name.
    // Index -1 would ask for the number of icons in the file, which is no
    // handle; the designer stores only indexes from 0.
    if (disc_ && disc_->Icon.Type == 2 && !disc_->Icon.Filename.empty() && disc_->Icon.Number >= 0) {
        const std::string path = InFolder(disc_->Icon.Filename);
        HICON extracted = ExtractIconA(GetModuleHandleA(nullptr), path.c_str(), UINT(disc_->Icon.Number));
        // The function answers 1 for a file that is no icon source.
        if (reinterpret_cast<UINT_PTR>(extracted) > 1) ownedIcon_.Reset(extracted);
    }
    icon_ = ownedIcon_ ? ownedIcon_.Get() : LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_AUTORUN));
    SendMessageA(CAutorunMenuDlg::Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
    SendMessageA(CAutorunMenuDlg::Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon_));
}

void CAutorunDlg::OnMenuButton(int index) {
    HWND control = buttons_[index].Handle();
    char caption[512] = {};
    GetWindowTextA(control, caption, sizeof(caption));
    PressButtonNamed(caption);
}

bool CAutorunDlg::PressButtonNamed(const std::string& caption) {
    if (!menu_) return false;
    for (const auto& entry : menu_->Buttons()) {
        CSettings* record = entry.get();
        if (record->SettingType() != kSettingButton || !EqualsNoCase(record->GetName(), caption)) continue;
        runningButton_ = static_cast<CSettingsButton*>(record);
        SendMessageA(CAutorunMenuDlg::Handle(), CStepSequencer::kRunButtonMessage, 0,
                     reinterpret_cast<LPARAM>(runningButton_));
        return true;
    }
    return false;
}

void CAutorunDlg::Hide() { ShowWindow(CAutorunMenuDlg::Handle(), SW_HIDE); }

void CAutorunDlg::Show() {
    ShowWindow(CAutorunMenuDlg::Handle(), SW_SHOW);
    SetForegroundWindow(CAutorunMenuDlg::Handle());
}

void CAutorunDlg::EndModal(INT_PTR result) { EndDialog(CAutorunMenuDlg::Handle(), result); }

void CAutorunDlg::PaintMinimized() {
    wingui::PaintScope paint(CAutorunMenuDlg::Handle());
    SendMessageA(CAutorunMenuDlg::Handle(), WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(paint.Dc()), 0);
    RECT client;
    GetClientRect(CAutorunMenuDlg::Handle(), &client);
    const int x = (client.right - GetSystemMetrics(SM_CXICON) + 1) / 2;
    const int y = (client.bottom - GetSystemMetrics(SM_CYICON) + 1) / 2;
    DrawIcon(paint.Dc(), x, y, icon_);
}

bool CAutorunDlg::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) {
    if (htmlHost_ && htmlHost_->OnMessage(message, wParam, lParam, result)) return true;
    switch (message) {
        case CStepSequencer::kRunButtonMessage: {
            auto* button = reinterpret_cast<CSettingsButton*>(lParam);
            result = 0;
            if (button && sequencer_) sequencer_->HandleRunButtonMessage(*button, *this);
            return true;
        }
        case WM_SYSCOMMAND:
            if ((wParam & 0xFFF0) == IDM_ABOUT_AUTORUN) {
                CAboutDialog about;
                about.DoModal(CAutorunMenuDlg::Handle());
                result = 0;
                return true;
            }
            return false;
        case WM_PAINT:
            if (IsIconic(CAutorunMenuDlg::Handle())) {
                PaintMinimized();
                result = 0;
                return true;
            }
            return false;
        case WM_QUERYDRAGICON:
            result = reinterpret_cast<INT_PTR>(icon_);
            return true;
        case WM_DESTROY:
            htmlHost_.reset();
            return CAutorunMenuDlg::OnMessage(message, wParam, lParam, result);
        default:
            return CAutorunMenuDlg::OnMessage(message, wParam, lParam, result);
    }
}
