#include "ModalDialog.h"

namespace wingui {

INT_PTR CModalDialog::DoModal(HWND parent) {
    return DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(templateId_), parent, DialogProc,
                           reinterpret_cast<LPARAM>(this));
}

bool CModalDialog::OnCommand(WORD id, WORD /*notifyCode*/, HWND /*control*/) {
    if (id == IDOK) {
        OnOK();
        return true;
    }
    if (id == IDCANCEL) {
        OnCancel();
        return true;
    }
    return false;
}

bool CModalDialog::OnMessage(UINT, WPARAM, LPARAM, INT_PTR&) { return false; }

INT_PTR CALLBACK CModalDialog::DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    CModalDialog* self = nullptr;
    if (message == WM_INITDIALOG) {
        self = reinterpret_cast<CModalDialog*>(lParam);
        self->hwnd_ = hwnd;
        SetWindowLongPtrA(hwnd, DWLP_USER, lParam);
        return self->OnInitDialog();
    }
    self = reinterpret_cast<CModalDialog*>(GetWindowLongPtrA(hwnd, DWLP_USER));
    if (!self) return FALSE;
    if (message == WM_COMMAND) {
        return self->OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam)) ? TRUE : FALSE;
    }
    INT_PTR result = 0;
    if (self->OnMessage(message, wParam, lParam, result)) {
        // These few take their answer (a brush, an index, an icon) as the
        // procedure's own return value rather than the message result.
        const bool returnsDirectly = (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC) ||
                                     message == WM_COMPAREITEM || message == WM_VKEYTOITEM ||
                                     message == WM_CHARTOITEM || message == WM_QUERYDRAGICON;
        if (returnsDirectly) return result;
        SetWindowLongPtrA(hwnd, DWLP_MSGRESULT, result);
        return TRUE;
    }
    return FALSE;
}

}  // namespace wingui
