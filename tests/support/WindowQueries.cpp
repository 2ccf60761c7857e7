#include "WindowQueries.h"

namespace testwin {

std::string WindowText(HWND window) {
    int length = int(SendMessageA(window, WM_GETTEXTLENGTH, 0, 0));
    std::string text(size_t(length > 0 ? length : 0) + 1, '\0');
    length = int(SendMessageA(window, WM_GETTEXT, WPARAM(text.size()), reinterpret_cast<LPARAM>(text.data())));
    text.resize(size_t(length > 0 ? length : 0));
    return text;
}

std::string ClassOf(HWND window) {
    char name[256] = {};
    GetClassNameA(window, name, sizeof(name));
    return name;
}

std::string MessageBoxText(HWND box) {
    HWND text = GetDlgItem(box, 0xFFFF);
    return text ? WindowText(text) : std::string();
}

bool WaitForWindowGone(HWND window, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    while (IsWindow(window) && IsWindowVisible(window)) {
        if (GetTickCount() - start >= timeoutMs) return false;
        Sleep(20);
    }
    return true;
}

RECT PlaceInParent(HWND control) {
    RECT rect;
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

}  // namespace testwin
