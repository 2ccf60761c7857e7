// The yardstick of the menu start-up benchmark: a Windows program that shows
// one empty window and waits to be ended.
#include <windows.h>

namespace {
LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}
}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = "BareWindow";
    RegisterClassA(&windowClass);
    HWND window = CreateWindowExA(0, "BareWindow", "Bare window", WS_POPUP | WS_VISIBLE, 100, 100, 660, 495, nullptr,
                                  nullptr, instance, nullptr);
    UpdateWindow(window);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}
