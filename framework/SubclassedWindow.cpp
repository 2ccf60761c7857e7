#include "SubclassedWindow.h"

#include <commctrl.h>

namespace wingui {

namespace {
constexpr UINT_PTR kSubclassId = 0x4D57;  // one attachment per object and window
}

CSubclassedWindow::~CSubclassedWindow() { Detach(); }

bool CSubclassedWindow::Attach(HWND window) {
    Detach();
    if (!window || !SetWindowSubclass(window, SubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this))) {
        return false;
    }
    hwnd_ = window;
    return true;
}

void CSubclassedWindow::Detach() {
    if (!hwnd_) return;
    RemoveWindowSubclass(hwnd_, SubclassProc, kSubclassId);
    hwnd_ = nullptr;
}

LRESULT CSubclassedWindow::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefaultProc(message, wParam, lParam);
}

LRESULT CSubclassedWindow::DefaultProc(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefSubclassProc(hwnd_, message, wParam, lParam);
}

LRESULT CALLBACK CSubclassedWindow::SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                                 DWORD_PTR self) {
    auto* window = reinterpret_cast<CSubclassedWindow*>(self);
    if (message == WM_NCDESTROY) {
        LRESULT result = DefSubclassProc(hwnd, message, wParam, lParam);
        window->OnWindowDestroyed();
        RemoveWindowSubclass(hwnd, SubclassProc, kSubclassId);
        window->hwnd_ = nullptr;
        return result;
    }
    return window->WindowProc(message, wParam, lParam);
}

}  // namespace wingui
