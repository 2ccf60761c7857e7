#pragma once
// A context menu from a menu resource: one of its drop-downs, shown at a
// point, answering the command the user chose.
#include <windows.h>

namespace wingui {

class CPopupMenu {
public:
    // The drop-down at the position of the resource's menu bar.
    CPopupMenu(UINT menuId, int position);
    ~CPopupMenu();
    CPopupMenu(const CPopupMenu&) = delete;
    CPopupMenu& operator=(const CPopupMenu&) = delete;

    explicit operator bool() const { return popup_ != nullptr; }
    HMENU Handle() const { return popup_; }
    void Enable(UINT command, bool enabled);
    void Check(UINT command, bool checked);
    bool IsEnabled(UINT command) const;
    bool IsChecked(UINT command) const;

    // Shows the menu at the screen point for the owner; the chosen command,
    // or 0 when the menu was dismissed. The owner receives no WM_COMMAND.
    UINT Track(HWND owner, POINT screenPoint) const;

private:
    HMENU menu_ = nullptr;
    HMENU popup_ = nullptr;
};

}  // namespace wingui
