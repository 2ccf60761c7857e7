// The menu window's hook for HTML menus: the browser host for a menu record
// with MenuType 1, in the player's own menu window.
#include "AutorunDlg.h"
#include "html/HtmlMenuHost.h"
#include "records/SettingsButton.h"

namespace {

class CPlayerHtmlMenuHost : public IHtmlMenuHost {
public:
    CPlayerHtmlMenuHost(HWND window, CSettingsHtml& menu) : host_(window, menu) {}
    CHtmlMenuHost& Host() { return host_; }

    // The browser covers the window; none of the window's own messages need
    // it (its events arrive through the control's sink).
    bool OnMessage(UINT, WPARAM, LPARAM, INT_PTR&) override { return false; }

private:
    CHtmlMenuHost host_;
};

}  // namespace

std::unique_ptr<IHtmlMenuHost> CreateHtmlMenuHost(CAutorunDlg& window, CSettingsHtml& menu,
                                                  const std::string& baseFolder) {
    HWND handle = window.CAutorunMenuDlg::Handle();
    auto host = std::make_unique<CPlayerHtmlMenuHost>(handle, menu);
    // The window makes the record the button being run and sends itself
    // the run-button message, as for its own buttons.
    host->Host().SetButtonPress([&window](CSettingsButton& button) { window.PressButtonNamed(button.GetName()); });
    switch (StartHtmlMenu(handle, menu, baseFolder, host->Host())) {
        case HtmlMenuStart::kBaseFileMissing:
            return nullptr;
        case HtmlMenuStart::kNoBrowser:
            // Already reported; the menu ends as after any close.
            EndDialog(handle, IDOK);
            return host;
        case HtmlMenuStart::kShown:
            break;
    }
    return host;
}
