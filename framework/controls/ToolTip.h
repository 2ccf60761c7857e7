#pragma once
// The tool tips of a window's controls: one tip window for the owner, one
// text per control.
#include <windows.h>

#include <string>

namespace wingui {

class CToolTip {
public:
    CToolTip() = default;
    ~CToolTip();
    CToolTip(const CToolTip&) = delete;
    CToolTip& operator=(const CToolTip&) = delete;

    bool Create(HWND owner);
    HWND Handle() const { return hwnd_; }
    // The text shown while the pointer rests on the control.
    bool Add(HWND control, const std::string& text);
    std::string TextOf(HWND control) const;
    int Count() const;
    // Longer texts wrap at this width, in pixels.
    void SetMaxWidth(int pixels);

private:
    HWND hwnd_ = nullptr;
    HWND owner_ = nullptr;
};

}  // namespace wingui
