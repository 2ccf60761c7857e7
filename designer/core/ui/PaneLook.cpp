#include "PaneLook.h"

CPaneLook::CPaneLook(COLORREF ground) : ground_(CreateSolidBrush(ground)) {}

bool CPaneLook::Handle(HWND pane, CTextButtons& buttons, UINT message, WPARAM wParam, LPARAM lParam,
                       INT_PTR& result, int keepLookOf) const {
    switch (message) {
        case WM_ERASEBKGND: {
            RECT area;
            GetClientRect(pane, &area);
            FillRect(HDC(wParam), &area, ground_.Get());
            result = TRUE;
            return true;
        }
        case WM_CTLCOLORDLG:
            result = INT_PTR(ground_.Get());
            return true;
        case WM_CTLCOLORSTATIC:
            if (keepLookOf != 0 && GetDlgCtrlID(HWND(lParam)) == keepLookOf) return false;
            SetTextColor(HDC(wParam), RGB(0, 0, 0));
            SetBkMode(HDC(wParam), TRANSPARENT);
            result = INT_PTR(ground_.Get());
            return true;
        case WM_DRAWITEM:
            if (!buttons.DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam))) return false;
            result = TRUE;
            return true;
        default:
            return false;
    }
}
