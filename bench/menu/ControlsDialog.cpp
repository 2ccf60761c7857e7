// A second yardstick of the menu start-up benchmark: the menu window's
// template (the same seventeen controls, the player's manifest and common
// controls) shown by the platform's dialog manager, with nothing loaded,
// laid out or drawn. What it takes over the bare window is what such a
// window costs before the menu does anything of its own.
#include <windows.h>
#include <commctrl.h>

namespace {
INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM, LPARAM) {
    if (message == WM_DRAWITEM) return TRUE;
    if (message == WM_CLOSE) {
        EndDialog(dialog, 0);
        return TRUE;
    }
    return FALSE;
}
}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    DialogBoxParamA(instance, MAKEINTRESOURCEA(100), nullptr, DialogProc, 0);
    return 0;
}
