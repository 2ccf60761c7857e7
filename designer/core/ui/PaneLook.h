#pragma once
// How a pane of the main window is painted: one ground colour behind
// everything, its labels drawn on it, and its picture buttons drawn by the
// buttons themselves.
#include <windows.h>

#include "Handles.h"
#include "TextButtons.h"

class CPaneLook {
public:
    explicit CPaneLook(COLORREF ground);

    // The pane's WM_ERASEBKGND, WM_CTLCOLORDLG, WM_CTLCOLORSTATIC and
    // WM_DRAWITEM; true when handled. keepLookOf: a static control that
    // keeps the system's look (a read-only edit box).
    bool Handle(HWND pane, CTextButtons& buttons, UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result,
                int keepLookOf = 0) const;

private:
    wingui::Brush ground_;
};
