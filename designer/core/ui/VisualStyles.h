#pragma once
// The themed look of the designer's own bitmap buttons: the theme library is
// loaded at run time, and only when the system shows a theme at all, so the
// designer runs the same where there is none.
#include <windows.h>

class CVisualStyles {
public:
    CVisualStyles() = default;
    ~CVisualStyles();
    CVisualStyles(const CVisualStyles&) = delete;
    CVisualStyles& operator=(const CVisualStyles&) = delete;

    // Loads the library and opens the "Button" theme for the window; false
    // (and nothing loaded) when there is no usable theme.
    bool Prepare(HWND window);
    bool Active() const { return theme_ != nullptr; }
    // Draws a themed push button background one pixel larger than the
    // rectangle on every side; false when no theme is active.
    bool DrawButtonBackground(HDC dc, int state, const RECT& rect) const;

private:
    using HTHEME = HANDLE;
    using OpenThemeDataFunction = HTHEME(WINAPI*)(HWND, LPCWSTR);
    using CloseThemeDataFunction = HRESULT(WINAPI*)(HTHEME);
    using DrawThemeBackgroundFunction = HRESULT(WINAPI*)(HTHEME, HDC, int, int, const RECT*, const RECT*);

    void Release();

    HMODULE library_ = nullptr;
    HTHEME theme_ = nullptr;
    OpenThemeDataFunction openThemeData_ = nullptr;
    CloseThemeDataFunction closeThemeData_ = nullptr;
    DrawThemeBackgroundFunction drawThemeBackground_ = nullptr;
};
