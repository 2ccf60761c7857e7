#include "FixedSplitter.h"

#include <algorithm>

#include "DeviceContexts.h"

namespace {

constexpr const char* kClassName = "MenuwrightFixedSplitter";

}  // namespace

bool CFixedSplitter::RegisterClass() {
    wingui::WindowClass windowClass;
    windowClass.name = kClassName;
    windowClass.background = GetSysColorBrush(COLOR_BTNFACE);
    return wingui::RegisterWindowClass(windowClass);
}

bool CFixedSplitter::Create(HWND parent, Direction direction, int firstSize, const RECT& rect, UINT id) {
    direction_ = direction;
    firstSize_ = firstSize;
    return CWindow::Create(kClassName, "", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT, rect,
                           parent, id);
}

void CFixedSplitter::SetPane(int index, HWND pane) {
    if (index < 0 || index > 1) return;
    panes_[index] = pane;
    LayOut();
}

HWND CFixedSplitter::Pane(int index) const { return index >= 0 && index <= 1 ? panes_[index] : nullptr; }

void CFixedSplitter::SetFirstSize(int size) {
    firstSize_ = size;
    LayOut();
}

void CFixedSplitter::LayOut() {
    if (!Handle()) return;
    RECT client;
    GetClientRect(Handle(), &client);
    RECT first = client;
    RECT second = client;
    if (direction_ == Direction::kRows) {
        first.bottom = std::min<LONG>(client.bottom, firstSize_);
        second.top = std::min<LONG>(client.bottom, first.bottom + kBarWidth);
    } else {
        first.right = std::min<LONG>(client.right, firstSize_);
        second.left = std::min<LONG>(client.right, first.right + kBarWidth);
    }
    const RECT* places[] = {&first, &second};
    for (int i = 0; i < 2; ++i) {
        if (!panes_[i]) continue;
        const RECT& place = *places[i];
        SetWindowPos(panes_[i], nullptr, place.left, place.top, place.right - place.left, place.bottom - place.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

bool CFixedSplitter::OnPaint() {
    wingui::PaintScope paint(Handle());
    RECT client;
    GetClientRect(Handle(), &client);
    FillRect(paint.Dc(), &client, GetSysColorBrush(COLOR_BTNFACE));
    return true;
}

bool CFixedSplitter::OnSize(UINT, int, int) {
    LayOut();
    return true;
}

bool CFixedSplitter::OnMessage(UINT message, WPARAM, LPARAM, LRESULT& result) {
    // The panes paint everything but the bars: no erase, no flicker.
    if (message == WM_ERASEBKGND) {
        result = TRUE;
        return true;
    }
    return false;
}
