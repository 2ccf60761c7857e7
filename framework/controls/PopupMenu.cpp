#include "PopupMenu.h"

namespace wingui {

CPopupMenu::CPopupMenu(UINT menuId, int position) {
    menu_ = LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(menuId));
    if (menu_) popup_ = GetSubMenu(menu_, position);
}

CPopupMenu::~CPopupMenu() {
    if (menu_) DestroyMenu(menu_);
}

void CPopupMenu::Enable(UINT command, bool enabled) {
    EnableMenuItem(popup_, command, MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

void CPopupMenu::Check(UINT command, bool checked) {
    CheckMenuItem(popup_, command, MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

bool CPopupMenu::IsEnabled(UINT command) const {
    const UINT state = GetMenuState(popup_, command, MF_BYCOMMAND);
    return state != UINT(-1) && !(state & (MF_GRAYED | MF_DISABLED));
}

bool CPopupMenu::IsChecked(UINT command) const {
    const UINT state = GetMenuState(popup_, command, MF_BYCOMMAND);
    return state != UINT(-1) && (state & MF_CHECKED);
}

UINT CPopupMenu::Track(HWND owner, POINT screenPoint) const {
    if (!popup_) return 0;
    // The owner must be in front, or the menu does not close when the user
    // clicks elsewhere.
    SetForegroundWindow(owner);
    const UINT chosen = UINT(TrackPopupMenu(popup_, TPM_RETURNCMD | TPM_NONOTIFY | TPM_RIGHTBUTTON, screenPoint.x,
                                            screenPoint.y, 0, owner, nullptr));
    PostMessageA(owner, WM_NULL, 0, 0);
    return chosen;
}

}  // namespace wingui
