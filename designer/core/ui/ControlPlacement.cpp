#include "ControlPlacement.h"

RECT RectInParent(HWND control) {
    RECT rect;
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

void MoveControl(HWND control, const RECT& rect) {
    SetWindowPos(control, nullptr, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void MoveControlBy(HWND control, int dx, int dy) {
    const RECT rect = RectInParent(control);
    SetWindowPos(control, nullptr, rect.left + dx, rect.top + dy, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

ScreenScale ScreenScaleNow() {
    HDC screen = GetDC(nullptr);
    ScreenScale scale{GetDeviceCaps(screen, LOGPIXELSX), GetDeviceCaps(screen, LOGPIXELSY)};
    ReleaseDC(nullptr, screen);
    return scale;
}
