#pragma once
// Small helpers for the in-process window tests: a top-level parent, child
// controls on it, message pumping and pictures of what a window shows.
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "TestFixtures.h"

inline std::string MenuFixture(const std::string& name) {
    std::string path = std::string(MENUWRIGHT_MENU_FIXTURES) + "/" + name;
    for (char& c : path) {
        if (c == '/') c = '\\';
    }
    return path;
}

inline std::vector<std::uint8_t> ReadFixtureBytes(const std::string& name) {
    std::ifstream in(MenuFixture(name), std::ios::binary);
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// A plain top-level window that the controls live on.
class CTestParent {
public:
    CTestParent(int width = 400, int height = 300) {
        static const bool registered = [] {
            WNDCLASSA windowClass = {};
            windowClass.lpfnWndProc = DefWindowProcA;
            windowClass.hInstance = GetModuleHandleA(nullptr);
            windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
            windowClass.lpszClassName = "MenuTestParent";
            return RegisterClassA(&windowClass) != 0;
        }();
        (void)registered;
        hwnd_ = CreateWindowExA(0, "MenuTestParent", "parent", WS_POPUP | WS_VISIBLE, 0, 0, width, height, nullptr,
                                nullptr, GetModuleHandleA(nullptr), nullptr);
    }
    ~CTestParent() {
        if (IsWindow(hwnd_)) DestroyWindow(hwnd_);
    }
    CTestParent(const CTestParent&) = delete;
    CTestParent& operator=(const CTestParent&) = delete;
    HWND Handle() const { return hwnd_; }

    HWND AddChild(const char* className, const char* text, DWORD style, int x, int y, int width, int height, int id) {
        return CreateWindowExA(0, className, text, WS_CHILD | WS_VISIBLE | style, x, y, width, height, hwnd_,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr), nullptr);
    }

private:
    HWND hwnd_ = nullptr;
};

inline void PumpMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

// Pumps messages until the condition holds or the time is up.
template <class Condition>
bool PumpUntil(Condition condition, DWORD timeoutMs = 5000) {
    const DWORD start = GetTickCount();
    while (!condition()) {
        if (GetTickCount() - start > timeoutMs) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        PumpMessages();
    }
    return true;
}

// A 24-bit memory picture to draw into and read back.
class CPixelCanvas {
public:
    CPixelCanvas(int width, int height) {
        HDC screen = GetDC(nullptr);
        dc_ = CreateCompatibleDC(screen);
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        bitmap_ = CreateDIBSection(screen, &info, DIB_RGB_COLORS, nullptr, nullptr, 0);
        ReleaseDC(nullptr, screen);
        previous_ = SelectObject(dc_, bitmap_);
        const RECT all = {0, 0, width, height};
        FillRect(dc_, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    }
    ~CPixelCanvas() {
        SelectObject(dc_, previous_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    CPixelCanvas(const CPixelCanvas&) = delete;
    CPixelCanvas& operator=(const CPixelCanvas&) = delete;
    HDC Dc() const { return dc_; }
    COLORREF Pixel(int x, int y) const {
        GdiFlush();
        return GetPixel(dc_, x, y);
    }

private:
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previous_ = nullptr;
};

// Colours compared loosely: the decoders may round a channel or two.
inline bool NearColor(COLORREF a, COLORREF b, int tolerance = 24) {
    auto within = [&](int x, int y) { return x - y <= tolerance && y - x <= tolerance; };
    return within(GetRValue(a), GetRValue(b)) && within(GetGValue(a), GetGValue(b)) && within(GetBValue(a), GetBValue(b));
}
