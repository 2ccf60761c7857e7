#pragma once
// A modal dialog made from a dialog template in the resources. Derived
// classes handle the messages they need; the base ends the dialog with
// IDOK/IDCANCEL for the OK and Cancel commands (Escape and the close command
// arrive as IDCANCEL).
#include <windows.h>

namespace wingui {

class CModalDialog {
public:
    explicit CModalDialog(UINT templateId) : templateId_(templateId) {}
    virtual ~CModalDialog() = default;
    CModalDialog(const CModalDialog&) = delete;
    CModalDialog& operator=(const CModalDialog&) = delete;

    // 1 for OK, 2 for Cancel, -1 when the dialog could not be created.
    INT_PTR DoModal(HWND parent);
    HWND Handle() const { return hwnd_; }
    HWND Item(int id) const { return GetDlgItem(hwnd_, id); }

protected:
    virtual BOOL OnInitDialog() { return TRUE; }
    virtual bool OnCommand(WORD id, WORD notifyCode, HWND control);
    // Everything not handled above; return true when handled and set result.
    virtual bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result);
    virtual void OnOK() { EndDialog(hwnd_, IDOK); }
    virtual void OnCancel() { EndDialog(hwnd_, IDCANCEL); }

private:
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    UINT templateId_;
    HWND hwnd_ = nullptr;
};

}  // namespace wingui
