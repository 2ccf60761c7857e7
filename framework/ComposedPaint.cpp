#include "ComposedPaint.h"

#include <algorithm>

#include "DeviceContexts.h"
#include "Handles.h"

namespace wingui {

bool ComposedPaint::IsComposed(HWND child) const {
    return std::find(children_.begin(), children_.end(), child) != children_.end();
}

void ComposedPaint::Paint(HWND window, const PaintOwnPart& paintOwnPart) {
    // What needed painting before BeginPaint empties it: the children are
    // cleared of exactly that much, no more.
    Region dirty(CreateRectRgn(0, 0, 0, 0));
    if (dirty && GetUpdateRgn(window, dirty.Get(), FALSE) == ERROR) dirty.Reset();
    PaintScope paint(window);
    const RECT area = paint.Area();
    if (!paint.Dc() || IsRectEmpty(&area)) return;
    RECT client;
    GetClientRect(window, &client);
    painting_ = true;
    paintOwnPart(paint.Dc(), client);
    // Bottom of the z-order first, so that a child above another is drawn over it.
    HWND top = GetWindow(window, GW_CHILD);
    for (HWND child = top ? GetWindow(top, GW_HWNDLAST) : nullptr; child; child = GetWindow(child, GW_HWNDPREV)) {
        if (IsComposed(child) && IsWindowVisible(child)) PaintChild(paint.Dc(), window, child, area, dirty.Get());
    }
    painting_ = false;
}

void ComposedPaint::PaintChild(HDC dc, HWND window, HWND child, const RECT& area, HRGN dirty) {
    RECT placed;
    GetClientRect(child, &placed);
    MapWindowPoints(child, window, reinterpret_cast<POINT*>(&placed), 2);
    RECT overlap;
    if (!IntersectRect(&overlap, &placed, &area)) return;
    const int saved = SaveDC(dc);
    SetViewportOrgEx(dc, placed.left, placed.top, nullptr);
    IntersectClipRect(dc, 0, 0, placed.right - placed.left, placed.bottom - placed.top);
    SendMessageA(child, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT | PRF_ERASEBKGND);
    RestoreDC(dc, saved);
    Region drawn(dirty ? CreateRectRgn(0, 0, 0, 0) : CreateRectRgnIndirect(&overlap));
    if (!drawn || (dirty && CombineRgn(drawn.Get(), dirty, nullptr, RGN_COPY) == ERROR)) return;
    OffsetRgn(drawn.Get(), -placed.left, -placed.top);
    ValidateRgn(child, drawn.Get());
}

}  // namespace wingui
