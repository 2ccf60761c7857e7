#pragma once
// Paints a window together with chosen children of it in one pass, into
// one buffer that goes to the screen with one copy. Each child draws itself
// into the buffer when asked with WM_PRINTCLIENT, at its own place, and is
// then left with nothing to paint for the area just drawn. A window with
// many small children shows sooner this way: every child's own paint is a
// full round of the platform's painting (its update region, its device
// context, its copy to the screen), which under Wine costs more than the
// drawing itself.
#include <windows.h>

#include <functional>
#include <initializer_list>
#include <vector>

#include "Handles.h"

namespace wingui {

class ComposedPaint {
public:
  // Draws the window's own part (its background) into the buffer; the
  // buffer's clipping already limits it to the area being painted.
  using PaintOwnPart = std::function<void(HDC dc, const RECT &client)>;

  // The children drawn with the window; others keep painting themselves.
  void SetChildren(std::vector<HWND> children) {
    children_ = std::move(children);
  }
  // Answers the window's WM_PAINT. The window must not clip its children.
  void Paint(HWND window, const PaintOwnPart &paintOwnPart);

private:
  bool IsComposed(HWND child) const;
  bool EnsureBuffer(HDC compatibleWith, int width, int height);
  void PaintChild(HDC buffer, HWND window, HWND child, const RECT &area,
                  HRGN dirty);

  std::vector<HWND> children_;
  Bitmap buffer_;
  SIZE bufferSize_ = {0, 0};
};

} // namespace wingui
