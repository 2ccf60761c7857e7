#include "SpinButton.h"

#include <commctrl.h>

namespace wingui {

void CSpinButton::SetRange(int lowest, int highest) { SendMessageA(hwnd_, UDM_SETRANGE32, lowest, highest); }

void CSpinButton::SetPosition(int position) { SendMessageA(hwnd_, UDM_SETPOS32, 0, position); }

int CSpinButton::Position() const {
    BOOL failed = FALSE;
    const int position = int(SendMessageA(hwnd_, UDM_GETPOS32, 0, reinterpret_cast<LPARAM>(&failed)));
    if (!failed) return position;
    int lowest = 0;
    int highest = 0;
    SendMessageA(hwnd_, UDM_GETRANGE32, reinterpret_cast<WPARAM>(&lowest), reinterpret_cast<LPARAM>(&highest));
    return position < lowest ? lowest : position > highest ? highest : position;
}

void CSpinButton::SetBuddy(HWND edit) { SendMessageA(hwnd_, UDM_SETBUDDY, reinterpret_cast<WPARAM>(edit), 0); }

}  // namespace wingui
