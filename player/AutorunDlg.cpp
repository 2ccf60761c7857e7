#include "AutorunDlg.h"

#include <shellapi.h>

#include "DeviceContexts.h"
#include "Dialog.h"
#include "LateShell.h"
#include "DiscSettings.h"
#include "MenuDialogIds.h"
#include "MessageBox.h"
#include "ResourceString.h"
#include "RunButtonMessage.h"
#include "html/AaLink.h"
#include "html/HtmlMenuHost.h"
#include "records/SettingsButton.h"
#include "records/SettingsHtml.h"
#include "resource.h"
#include "sequencer/StepSequencer.h"

namespace {

class CAboutDialog : public wingui::CDialog {
public:
    CAboutDialog() : CDialog(IDD_ABOUT_AUTORUN) {}
};

}  // namespace

CAutorunDlg::CAutorunDlg(CDiscSettings& disc, CSettingsHtml& menu, CStepSequencer& sequencer)
    : disc_(disc), sequencer_(sequencer) {
    SetMenu(&menu);
    SetBaseFolder(sequencer.DiscRoot());
    SetButtonListener(this);
}

CAutorunDlg::~CAutorunDlg() = default;

BOOL CAutorunDlg::OnInitDialog() {
    const BOOL result = CAutorunMenuDlg::OnInitDialog();
    if (!CAutorunMenuDlg::Handle() || !IsWindow(CAutorunMenuDlg::Handle())) return result;
    AddAboutCommand();
    SetWindowIcon();
    return result;
}

BOOL CAutorunDlg::BuildHtmlMenu() {
    HWND window = CAutorunMenuDlg::Handle();
    htmlHost_ = std::make_unique<CHtmlMenuHost>(window, *menu_);
    // A link's button is run as the window's own buttons are.
    htmlHost_->SetButtonPress([this](CSettingsButton& button) { RunButton(button); });
    switch (StartHtmlMenu(window, *menu_, BaseFolder(), *htmlHost_)) {
        case HtmlMenuStart::kBaseFileMissing:
            htmlHost_.reset();
            wingui::ShowStringMessage(window, {IDS_BASE_FILE_MISSING}, MB_OK | MB_ICONSTOP);
            EndDialog(window, IDOK);
            break;
        case HtmlMenuStart::kNoBrowser:
            // Already reported; the menu ends as after any close.
            EndDialog(window, IDOK);
            break;
        case HtmlMenuStart::kShown:
            break;
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
    if (disc_.Icon.Type == 2 && !disc_.Icon.Filename.empty() && disc_.Icon.Number >= 0) {
        const std::string path = InFolder(disc_.Icon.Filename);
        HICON extracted = wingui::late::ExtractIcon(GetModuleHandleA(nullptr), path.c_str(), UINT(disc_.Icon.Number));
        // The function answers 1 for a file that is no icon source.
        if (reinterpret_cast<UINT_PTR>(extracted) > 1) ownedIcon_.Reset(extracted);
    }
    icon_ = ownedIcon_ ? ownedIcon_.Get() : LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_AUTORUN));
    SendMessageA(CAutorunMenuDlg::Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
    SendMessageA(CAutorunMenuDlg::Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon_));
}

void CAutorunDlg::OnMenuButtonPressed(int /*index*/, const std::string& caption) { PressButtonNamed(caption); }

bool CAutorunDlg::PressButtonNamed(const std::string& caption) {
    CSettingsButton* button = menu_ ? FindButtonByName(menu_->Buttons(), caption) : nullptr;
    if (!button) return false;
    RunButton(*button);
    return true;
}

void CAutorunDlg::RunButton(CSettingsButton& button) {
    runningButton_ = &button;
    SendMessageA(CAutorunMenuDlg::Handle(), kRunButtonMessage, 0, reinterpret_cast<LPARAM>(runningButton_));
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
    switch (message) {
        case kRunButtonMessage: {
            auto* button = reinterpret_cast<CSettingsButton*>(lParam);
            result = 0;
            if (button) sequencer_.HandleRunButtonMessage(*button, *this);
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
            return CAutorunMenuDlg::OnMessage(message, wParam, lParam, result);
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
