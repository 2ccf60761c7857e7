#include "InstallPrompt.h"

#include "records/SettingsInstall.h"
#include "steps/StepResources.h"

CInstallPrompt::CInstallPrompt(const CSettingsInstall& install) : CDialog(IDD_INSTALL_PROMPT), install_(install) {}

BOOL CInstallPrompt::OnInitDialog() {
    SetDlgItemTextA(Handle(), IDC_INSTALL_MESSAGE, install_.Message.c_str());
    HICON icon = LoadIconA(nullptr, install_.Skip ? IDI_QUESTION : IDI_INFORMATION);
    SendDlgItemMessageA(Handle(), IDC_INSTALL_ICON, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
    // Without Skip the button is hidden, but Escape and the close command
    // still skip.
    if (!install_.Skip) ShowWindow(Item(IDCANCEL), SW_HIDE);
    SetFocus(Item(IDOK));
    return FALSE;
}
