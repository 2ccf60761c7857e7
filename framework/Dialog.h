#pragma once
// A dialog made from a dialog template in the resources. It runs modal (its
// own loop until it ends), modeless (a window of its own beside its owner,
// fed by the program's message loop) or as a child (a pane inside another
// window: the template loses its caption and frame). Derived classes handle
// the messages they need; OK and Cancel (Escape and the close box arrive as
// IDCANCEL) end the dialog with IDOK and IDCANCEL.
#include <windows.h>

namespace wingui {

class CDialog {
public:
    explicit CDialog(UINT templateId) : templateId_(templateId) {}
    // A modeless or child dialog still open is destroyed.
    virtual ~CDialog();
    CDialog(const CDialog&) = delete;
    CDialog& operator=(const CDialog&) = delete;

    // IDOK, IDCANCEL or what End was given; -1 when it could not be created.
    INT_PTR DoModal(HWND parent);
    bool CreateModeless(HWND owner);
    // The dialog as a child of the parent at its top-left corner, shown.
    bool CreateChild(HWND parent);
    // Ends a modal dialog with the result; destroys a modeless or child one.
    void End(INT_PTR result);

    HWND Handle() const { return hwnd_; }
    HWND Item(int id) const { return GetDlgItem(hwnd_, id); }
    bool IsModal() const { return mode_ == Mode::kModal; }
    bool IsPane() const { return mode_ == Mode::kChild; }

protected:
    virtual BOOL OnInitDialog() { return TRUE; }
    virtual bool OnCommand(WORD id, WORD notifyCode, HWND control);
    virtual bool OnNotify(const NMHDR& /*header*/, INT_PTR& /*result*/) { return false; }
    // Everything not handled above; return true when handled and set result.
    virtual bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result);
    virtual void OnOK() { End(IDOK); }
    virtual void OnCancel() { End(IDCANCEL); }
    // The window is gone (any mode); the object may be reused.
    virtual void OnDestroyed() {}

private:
    enum class Mode { kNone, kModal, kModeless, kChild };

    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR Answer(UINT message, INT_PTR result);

    UINT templateId_;
    HWND hwnd_ = nullptr;
    Mode mode_ = Mode::kNone;
};

}  // namespace wingui
