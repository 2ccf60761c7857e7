#include "Dialog.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "MessageLoop.h"

namespace wingui {

namespace {

// DIALOGEX templates begin with version 1 and the signature 0xFFFF; their
// style sits after the help id and the extended style.
struct DialogTemplateExHead {
    WORD version;
    WORD signature;
    DWORD helpId;
    DWORD exStyle;
    DWORD style;
};

// The template with the style of a pane: a child without caption or frame,
// visible once created.
std::vector<BYTE> ChildTemplate(UINT templateId) {
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    HRSRC found = FindResourceA(instance, MAKEINTRESOURCEA(templateId), MAKEINTRESOURCEA(5));  // RT_DIALOG
    HGLOBAL loaded = found ? LoadResource(instance, found) : nullptr;
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    const DWORD size = found ? SizeofResource(instance, found) : 0;
    if (!bytes || size < sizeof(DLGTEMPLATE)) return {};
    std::vector<BYTE> copy(static_cast<const BYTE*>(bytes), static_cast<const BYTE*>(bytes) + size);
    const DWORD removed = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | DS_MODALFRAME | WS_MINIMIZEBOX |
                          WS_MAXIMIZEBOX | DS_CENTER;
    const DWORD added = WS_CHILD | WS_VISIBLE | DS_CONTROL;
    DialogTemplateExHead head;
    std::memcpy(&head, copy.data(), std::min(sizeof(head), copy.size()));
    if (copy.size() >= sizeof(head) && head.version == 1 && head.signature == 0xFFFF) {
        head.style = (head.style & ~removed) | added;
        head.exStyle |= WS_EX_CONTROLPARENT;
        std::memcpy(copy.data(), &head, sizeof(head));
    } else {
        DLGTEMPLATE plain;
        std::memcpy(&plain, copy.data(), sizeof(plain));
        plain.style = (plain.style & ~removed) | added;
        plain.dwExtendedStyle |= WS_EX_CONTROLPARENT;
        std::memcpy(copy.data(), &plain, sizeof(plain));
    }
    return copy;
}

}  // namespace

CDialog::~CDialog() {
    if (hwnd_ && mode_ != Mode::kModal) DestroyWindow(hwnd_);
}

INT_PTR CDialog::DoModal(HWND parent) {
    mode_ = Mode::kModal;
    return DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(templateId_), parent, DialogProc,
                           reinterpret_cast<LPARAM>(this));
}

bool CDialog::CreateModeless(HWND owner) {
    if (hwnd_) return false;
    mode_ = Mode::kModeless;
    return CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(templateId_), owner, DialogProc,
                              reinterpret_cast<LPARAM>(this)) != nullptr;
}

bool CDialog::CreateChild(HWND parent) {
    if (hwnd_ || !parent) return false;
    const std::vector<BYTE> pane = ChildTemplate(templateId_);
    if (pane.empty()) return false;
    mode_ = Mode::kChild;
    return CreateDialogIndirectParamA(GetModuleHandleA(nullptr), reinterpret_cast<LPCDLGTEMPLATEA>(pane.data()),
                                      parent, DialogProc, reinterpret_cast<LPARAM>(this)) != nullptr;
}

void CDialog::End(INT_PTR result) {
    if (!hwnd_) return;
    if (mode_ == Mode::kModal) {
        EndDialog(hwnd_, result);
    } else {
        DestroyWindow(hwnd_);
    }
}

bool CDialog::OnCommand(WORD id, WORD /*notifyCode*/, HWND /*control*/) {
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

bool CDialog::OnMessage(UINT, WPARAM, LPARAM, INT_PTR&) { return false; }

INT_PTR CDialog::Answer(UINT message, INT_PTR result) {
    // These few take their answer (a brush, an index, an icon) as the
    // procedure's own return value rather than the message result.
    const bool returnsDirectly = (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC) ||
                                 message == WM_COMPAREITEM || message == WM_VKEYTOITEM ||
                                 message == WM_CHARTOITEM || message == WM_QUERYDRAGICON;
    if (returnsDirectly) return result;
    SetWindowLongPtrA(hwnd_, DWLP_MSGRESULT, result);
    return TRUE;
}

INT_PTR CALLBACK CDialog::DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    CDialog* self = nullptr;
    if (message == WM_INITDIALOG) {
        self = reinterpret_cast<CDialog*>(lParam);
        self->hwnd_ = hwnd;
        SetWindowLongPtrA(hwnd, DWLP_USER, lParam);
        if (self->mode_ != Mode::kModal) CMessageLoop::AddDialog(hwnd);
        return self->OnInitDialog();
    }
    self = reinterpret_cast<CDialog*>(GetWindowLongPtrA(hwnd, DWLP_USER));
    if (!self) return FALSE;
    if (message == WM_NCDESTROY) {
        if (self->mode_ != Mode::kModal) CMessageLoop::RemoveDialog(hwnd);
        SetWindowLongPtrA(hwnd, DWLP_USER, 0);
        self->hwnd_ = nullptr;
        self->mode_ = Mode::kNone;
        self->OnDestroyed();
        return FALSE;
    }
    if (message == WM_COMMAND) {
        return self->OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam)) ? TRUE : FALSE;
    }
    INT_PTR result = 0;
    if (message == WM_NOTIFY && lParam && self->OnNotify(*reinterpret_cast<const NMHDR*>(lParam), result)) {
        return self->Answer(message, result);
    }
    if (self->OnMessage(message, wParam, lParam, result)) return self->Answer(message, result);
    return FALSE;
}

}  // namespace wingui
