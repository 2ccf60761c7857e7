#include "Window.h"

#include <commctrl.h>

namespace wingui {

namespace {
constexpr UINT_PTR kSubclassId = 0x4D57;  // one attachment per object and window
}

bool RegisterWindowClass(const WindowClass& windowClass) {
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSA existing;
    if (GetClassInfoA(instance, windowClass.name, &existing)) return true;
    WNDCLASSA registration = {};
    registration.style = windowClass.style;
    registration.lpfnWndProc = CWindow::ClassProc;
    registration.hInstance = instance;
    registration.hCursor = windowClass.cursor ? windowClass.cursor : LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));
    registration.hbrBackground = windowClass.background;
    registration.hIcon = windowClass.icon;
    registration.lpszClassName = windowClass.name;
    return RegisterClassA(&registration) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

CWindow::~CWindow() { Destroy(); }

bool CWindow::Create(const char* className, const char* text, DWORD style, DWORD exStyle, const RECT& rect,
                     HWND parent, UINT_PTR id) {
    Destroy();
    HWND created = CreateWindowExA(exStyle, className, text, style, rect.left, rect.top, rect.right - rect.left,
                                   rect.bottom - rect.top, parent, reinterpret_cast<HMENU>(id),
                                   GetModuleHandleA(nullptr), this);
    // A class not made by RegisterWindowClass never saw this object.
    if (created && !hwnd_) {
        DestroyWindow(created);
        return false;
    }
    return created != nullptr;
}

bool CWindow::Attach(HWND window) {
    Destroy();
    if (!window || !SetWindowSubclass(window, SubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this))) {
        return false;
    }
    hwnd_ = window;
    attached_ = true;
    return true;
}

void CWindow::Detach() {
    if (!attached_) return;
    RemoveWindowSubclass(hwnd_, SubclassProc, kSubclassId);
    hwnd_ = nullptr;
    attached_ = false;
}

void CWindow::Destroy() {
    if (created_ && hwnd_) DestroyWindow(hwnd_);
    Detach();
    Forget();
}

void CWindow::Forget() {
    if (created_ && hwnd_) SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
    hwnd_ = nullptr;
    created_ = false;
    attached_ = false;
}

LRESULT CWindow::DefaultProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (attached_) return DefSubclassProc(hwnd_, message, wParam, lParam);
    return DefWindowProcA(hwnd_, message, wParam, lParam);
}

LRESULT CWindow::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    switch (message) {
        case WM_COMMAND:
            if (OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam))) return 0;
            break;
        case WM_NOTIFY:
            if (lParam && OnNotify(*reinterpret_cast<const NMHDR*>(lParam), result)) return result;
            break;
        case WM_PAINT:
            if (OnPaint()) return 0;
            break;
        case WM_SIZE:
            if (OnSize(UINT(wParam), LOWORD(lParam), HIWORD(lParam))) return 0;
            break;
        case WM_TIMER:
            if (OnTimer(wParam)) return 0;
            break;
        default:
            break;
    }
    if (OnMessage(message, wParam, lParam, result)) return result;
    return DefaultProc(message, wParam, lParam);
}

LRESULT CALLBACK CWindow::ClassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        // Windows of the class made from a dialog template have no object.
        auto* self = static_cast<CWindow*>(create->lpCreateParams);
        if (self) {
            self->hwnd_ = hwnd;
            self->created_ = true;
            SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        }
    }
    auto* self = reinterpret_cast<CWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (!self) return DefWindowProcA(hwnd, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        const LRESULT result = DefWindowProcA(hwnd, message, wParam, lParam);
        self->OnWindowDestroyed();
        self->Forget();
        return result;
    }
    return self->WindowProc(message, wParam, lParam);
}

LRESULT CALLBACK CWindow::SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                       DWORD_PTR selfPointer) {
    auto* self = reinterpret_cast<CWindow*>(selfPointer);
    if (message == WM_NCDESTROY) {
        const LRESULT result = DefSubclassProc(hwnd, message, wParam, lParam);
        self->OnWindowDestroyed();
        RemoveWindowSubclass(hwnd, SubclassProc, kSubclassId);
        self->hwnd_ = nullptr;
        self->attached_ = false;
        return result;
    }
    return self->WindowProc(message, wParam, lParam);
}

}  // namespace wingui
