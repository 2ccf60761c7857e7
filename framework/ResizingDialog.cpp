#include "ResizingDialog.h"

#include <windowsx.h>

#include "DeviceContexts.h"

namespace wingui {

BOOL CResizingDialog::OnInitDialog() {
    RECT client;
    GetClientRect(Handle(), &client);
    client_ = {client.right, client.bottom};
    return TRUE;
}

void CResizingDialog::AddAnchor(int id, int anchors) { anchored_.push_back({id, anchors}); }

RECT CResizingDialog::GripArea() const {
    RECT client;
    GetClientRect(Handle(), &client);
    const int width = GetSystemMetrics(SM_CXVSCROLL);
    const int height = GetSystemMetrics(SM_CYHSCROLL);
    return {client.right - width, client.bottom - height, client.right, client.bottom};
}

void CResizingDialog::Follow(int width, int height) {
    const int dx = width - client_.cx;
    const int dy = height - client_.cy;
    client_ = {width, height};
    if (dx == 0 && dy == 0) return;
    HDWP moves = BeginDeferWindowPos(int(anchored_.size()));
    for (const Anchored& control : anchored_) {
        HWND window = Item(control.id);
        if (!window) continue;
        RECT rect;
        GetWindowRect(window, &rect);
        MapWindowPoints(nullptr, Handle(), reinterpret_cast<POINT*>(&rect), 2);
        if (control.anchors & kStretchWidth) {
            rect.right += dx;
        } else if (control.anchors & kMoveRight) {
            OffsetRect(&rect, dx, 0);
        }
        if (control.anchors & kStretchHeight) {
            rect.bottom += dy;
        } else if (control.anchors & kMoveDown) {
            OffsetRect(&rect, 0, dy);
        }
        if (moves) {
            moves = DeferWindowPos(moves, window, nullptr, rect.left, rect.top, rect.right - rect.left,
                                   rect.bottom - rect.top, SWP_NOZORDER | SWP_NOACTIVATE);
        }
    }
    if (moves) EndDeferWindowPos(moves);
    InvalidateRect(Handle(), nullptr, TRUE);
}

bool CResizingDialog::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) {
    switch (message) {
        case WM_SIZE:
            if (wParam != SIZE_MINIMIZED) Follow(LOWORD(lParam), HIWORD(lParam));
            return false;
        case WM_PAINT: {
            PaintScope paint(Handle());
            RECT grip = GripArea();
            DrawFrameControl(paint.Dc(), &grip, DFC_SCROLL, DFCS_SCROLLSIZEGRIP);
            result = 0;
            return true;
        }
        case WM_NCHITTEST: {
            POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
            ScreenToClient(Handle(), &point);
            const RECT grip = GripArea();
            if (!PtInRect(&grip, point)) return false;
            result = HTBOTTOMRIGHT;
            return true;
        }
        default: return CDialog::OnMessage(message, wParam, lParam, result);
    }
}

}  // namespace wingui
