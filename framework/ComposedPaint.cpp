#include "ComposedPaint.h"

#include <algorithm>

#include "DeviceContexts.h"

namespace wingui {

bool ComposedPaint::IsComposed(HWND child) const {
  return std::find(children_.begin(), children_.end(), child) !=
         children_.end();
}

bool ComposedPaint::EnsureBuffer(HDC compatibleWith, int width, int height) {
  if (buffer_ && bufferSize_.cx == width && bufferSize_.cy == height)
    return true;
  buffer_.Reset(CreateCompatibleBitmap(compatibleWith, width, height));
  bufferSize_ = buffer_ ? SIZE{width, height} : SIZE{0, 0};
  return bool(buffer_);
}

void ComposedPaint::Paint(HWND window, const PaintOwnPart &paintOwnPart) {
  // What needed painting before BeginPaint empties it: the children are
  // cleared of exactly that much, no more.
  Region dirty(CreateRectRgn(0, 0, 0, 0));
  if (dirty && GetUpdateRgn(window, dirty.Get(), FALSE) == ERROR)
    dirty.Reset();
  PaintScope paint(window);
  const RECT area = paint.Area();
  if (!paint.Dc() || IsRectEmpty(&area))
    return;
  RECT client;
  GetClientRect(window, &client);
  MemoryDc buffer(paint.Dc());
  if (!buffer || !EnsureBuffer(paint.Dc(), client.right, client.bottom)) {
    // Without a buffer the window still shows its own part; the children
    // paint themselves as they would anyway.
    paintOwnPart(paint.Dc(), client);
    return;
  }
  SelectedObject into(buffer.Dc(), buffer_.Get());
  IntersectClipRect(buffer.Dc(), area.left, area.top, area.right, area.bottom);
  paintOwnPart(buffer.Dc(), client);
  // Bottom of the z-order first, so that a child above another is drawn over
  // it.
  for (HWND child = GetWindow(window, GW_CHILD)
                        ? GetWindow(GetWindow(window, GW_CHILD), GW_HWNDLAST)
                        : nullptr;
       child; child = GetWindow(child, GW_HWNDPREV)) {
    if (IsComposed(child) && IsWindowVisible(child))
      PaintChild(buffer.Dc(), window, child, area, dirty.Get());
  }
  BitBlt(paint.Dc(), area.left, area.top, area.right - area.left,
         area.bottom - area.top, buffer.Dc(), area.left, area.top, SRCCOPY);
}

void ComposedPaint::PaintChild(HDC buffer, HWND window, HWND child,
                               const RECT &area, HRGN dirty) {
  RECT placed;
  GetClientRect(child, &placed);
  MapWindowPoints(child, window, reinterpret_cast<POINT *>(&placed), 2);
  RECT overlap;
  if (!IntersectRect(&overlap, &placed, &area))
    return;
  const int saved = SaveDC(buffer);
  SetViewportOrgEx(buffer, placed.left, placed.top, nullptr);
  IntersectClipRect(buffer, 0, 0, placed.right - placed.left,
                    placed.bottom - placed.top);
  SendMessageA(child, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(buffer),
               PRF_CLIENT | PRF_ERASEBKGND);
  RestoreDC(buffer, saved);
  Region drawn(dirty ? CreateRectRgn(0, 0, 0, 0)
                     : CreateRectRgnIndirect(&overlap));
  if (!drawn ||
      (dirty && CombineRgn(drawn.Get(), dirty, nullptr, RGN_COPY) == ERROR))
    return;
  OffsetRgn(drawn.Get(), -placed.left, -placed.top);
  ValidateRgn(child, drawn.Get());
}

} // namespace wingui
