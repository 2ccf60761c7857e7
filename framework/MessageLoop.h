#pragma once
// The program's message loop: keyboard accelerators of the main window
// first, then the keyboard navigation of every open modeless or child
// dialog of the thread, then the ordinary translation and dispatch.
#include <windows.h>

namespace wingui {

class CMessageLoop {
public:
    // The accelerator table translated for the target window (its
    // WM_COMMAND receiver); null to have none.
    void SetAccelerators(HWND target, HACCEL table) {
        acceleratorTarget_ = target;
        accelerators_ = table;
    }
    // A main window whose panes are child dialogs: Tab, the arrow keys and
    // mnemonics move across all its panes as through one dialog (the window
    // and its panes need WS_EX_CONTROLPARENT). Null for none.
    void SetNavigationRoot(HWND window) { navigationRoot_ = window; }
    // Runs until WM_QUIT and returns its exit code.
    int Run();
    // True when the message was consumed by an accelerator or a dialog.
    bool PreTranslate(MSG& message) const;

    // Modeless and child dialogs of this thread join and leave the loop's
    // dialog navigation (the dialog class does this itself).
    static void AddDialog(HWND dialog);
    static void RemoveDialog(HWND dialog);

private:
    HWND acceleratorTarget_ = nullptr;
    HACCEL accelerators_ = nullptr;
    HWND navigationRoot_ = nullptr;
};

}  // namespace wingui
