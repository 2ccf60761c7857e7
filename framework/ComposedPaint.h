#pragma once
// Paints a window together with chosen children of it in the window's own
// paint: the window draws its part, then each child draws itself at its
// place when asked with WM_PRINTCLIENT, and is left with nothing to paint
// for the area just drawn. A window with many small children shows sooner
// this way: every child's own paint is a full round of the platform's
// painting (its update region, its device context, its copy to the
// screen), which under Wine costs more than the drawing itself.
#include <windows.h>

#include <functional>
#include <utility>
#include <vector>

namespace wingui {

class ComposedPaint {
public:
    // Draws the window's own part (its background); the context's clipping
    // already limits it to the area being painted.
    using PaintOwnPart = std::function<void(HDC dc, const RECT& client)>;

    // The children drawn with the window; others keep painting themselves.
    void SetChildren(std::vector<HWND> children) { children_ = std::move(children); }
    // Until children are chosen the window paints the ordinary way.
    bool IsComposing() const { return !children_.empty(); }
    // Answers the window's WM_PAINT. The window must not clip its children.
    void Paint(HWND window, const PaintOwnPart& paintOwnPart);
    // True while Paint runs: a child that asks for what lies behind it
    // then gets it drawn into the context it was given.
    bool IsPainting() const { return painting_; }

private:
    bool IsComposed(HWND child) const;
    void PaintChild(HDC dc, HWND window, HWND child, const RECT& area, HRGN dirty);

    std::vector<HWND> children_;
    bool painting_ = false;
};

}  // namespace wingui
