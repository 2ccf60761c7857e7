#pragma once
// An up-down control of a dialog and the number it keeps between two bounds.
#include <windows.h>

namespace wingui {

class CSpinButton {
public:
    void Attach(HWND control) { hwnd_ = control; }
    HWND Handle() const { return hwnd_; }

    void SetRange(int lowest, int highest);
    void SetPosition(int position);
    // The position, inside the range: a buddy edit holding something else
    // gives the nearest bound or the last good value.
    int Position() const;
    void SetBuddy(HWND edit);

private:
    HWND hwnd_ = nullptr;
};

}  // namespace wingui
