#include "StaticEx.h"

#include <algorithm>
#include <vector>

#include "ButtonEx.h"
#include "DeviceContexts.h"
#include "WindowText.h"
#include "layout/PixelGeometry.h"
#include "layout/TextBlockSize.h"

void CStaticEx::SetBkColor(COLORREF color) {
    backColor_ = color;
    backBrush_.Reset();
    DiscardFont();
}
void CStaticEx::SetTextColor(COLORREF color) {
    textColor_ = color;
    DiscardFont();
}
void CStaticEx::SetFontSize(int points) {
    points_ = std::clamp(points, 0, menulayout::kMaxFontPoints);
    DiscardFont();
}
void CStaticEx::SetUnderline(bool on) {
    underline_ = on;
    DiscardFont();
}
void CStaticEx::SetStrikeout(bool on) {
    strikeout_ = on;
    DiscardFont();
}
void CStaticEx::SetItalic(bool on) {
    italic_ = on;
    DiscardFont();
}
void CStaticEx::SetBold(bool on) {
    weight_ = on ? FW_BOLD : FW_NORMAL;
    DiscardFont();
}
void CStaticEx::SetHeavy() {
    weight_ = FW_HEAVY;
    DiscardFont();
}
void CStaticEx::SetFontName(const std::string& face) {
    face_ = face;
    DiscardFont();
}
void CStaticEx::SetTransparent(bool on) {
    transparent_ = on;
    backBrush_.Reset();
    DiscardFont();
}
void CStaticEx::SetSmoothing() {
    smoothing_ = true;
    DiscardFont();
}

void CStaticEx::EnsureFont() {
    if (font_) return;
    LOGFONTA description = {};
    int dpiY = 96;
    {
        wingui::WindowDc screen(nullptr);
        if (screen.Dc()) dpiY = GetDeviceCaps(screen.Dc(), LOGPIXELSY);
    }
    description.lfHeight = -MulDiv(points_, dpiY, 72);
    description.lfWeight = weight_;
    description.lfItalic = italic_;
    description.lfUnderline = underline_;
    description.lfStrikeOut = strikeout_;
    description.lfCharSet = DEFAULT_CHARSET;
    if (smoothing_) {
        OSVERSIONINFOA version = {};
        version.dwOSVersionInfoSize = sizeof(version);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
        GetVersionExA(&version);
#pragma GCC diagnostic pop
        description.lfQuality = version.dwMajorVersion > 4 ? CLEARTYPE_QUALITY : ANTIALIASED_QUALITY;
    }
    lstrcpynA(description.lfFaceName, face_.c_str(), LF_FACESIZE);
    font_.Reset(CreateFontIndirectA(&description));
    if (Handle() && font_) SendMessageA(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font_.Get()), FALSE);
}

HFONT CStaticEx::GetFont() {
    EnsureFont();
    return font_.Get();
}

HBRUSH CStaticEx::OnControlColor(HDC dc) {
    EnsureFont();
    SelectObject(dc, font_.Get());
    ::SetTextColor(dc, textColor_);
    if (transparent_) {
        SetBkMode(dc, TRANSPARENT);
    } else {
        ::SetBkColor(dc, backColor_);
    }
    if (transparent_) return static_cast<HBRUSH>(GetStockObject(HOLLOW_BRUSH));
    if (!backBrush_) backBrush_.Reset(CreateSolidBrush(backColor_));
    return backBrush_.Get();
}

SIZE CStaticEx::SizeToText() {
    SIZE size = {0, 0};
    if (!Handle() || !IsWindow(Handle())) return size;
    const std::string text = wingui::WindowText(Handle());
    // A memory context measures as the control's own would, without asking
    // the platform for the window's drawing area.
    wingui::MemoryDc dc(nullptr);
    wingui::SelectedObject font(dc.Dc(), GetFont());
    const menulayout::PixelSize block =
        menulayout::SizeOfTextBlock(std::string_view(text), [&](std::string_view line) {
            SIZE extent = {0, 0};
            if (line.empty()) {
                TEXTMETRICA metrics = {};
                GetTextMetricsA(dc.Dc(), &metrics);
                extent.cy = metrics.tmHeight;
            } else {
                GetTextExtentPoint32A(dc.Dc(), line.data(), int(line.size()), &extent);
            }
            return menulayout::PixelSize{int(extent.cx), int(extent.cy)};
        });
    size = {block.width, block.height};
    SetWindowPos(Handle(), nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    return size;
}

void CStaticEx::SetText(const std::string& text, bool resize, bool redraw) {
    if (!Handle()) return;
    if (!redraw) SendMessageA(Handle(), WM_SETREDRAW, FALSE, 0);
    SetWindowTextA(Handle(), text.c_str());
    if (!redraw) SendMessageA(Handle(), WM_SETREDRAW, TRUE, 0);
    if (transparent_) InvalidateBehind(GetParent(Handle()));
    if (resize) SizeToText();
}

bool CStaticEx::MoveTo(int x, int y) {
    if (!Handle() || !IsWindow(Handle())) return false;
    return SetWindowPos(Handle(), nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE) != FALSE;
}

void CStaticEx::InvalidateBehind(HWND parent) {
    if (!Handle()) return;
    if (!parent) {
        InvalidateRect(Handle(), nullptr, TRUE);
        return;
    }
    RECT area;
    GetWindowRect(Handle(), &area);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&area), 2);
    InvalidateRect(parent, &area, TRUE);
    InvalidateRect(Handle(), nullptr, TRUE);
}

void CStaticEx::PaintTransparent(HDC dc) {
    PaintParentBackground(Handle(), dc);
    const LONG_PTR style = GetWindowLongPtrA(Handle(), GWL_STYLE);
    UINT format = DT_NOCLIP;
    switch (style & SS_TYPEMASK) {
        case SS_CENTER: format |= DT_CENTER; break;
        case SS_RIGHT: format |= DT_RIGHT; break;
        default: format |= DT_LEFT; break;
    }
    format |= (style & SS_CENTERIMAGE) ? (DT_VCENTER | DT_SINGLELINE) : DT_WORDBREAK;
    if (style & SS_NOPREFIX) format |= DT_NOPREFIX;
    const std::string text = wingui::WindowText(Handle());
    RECT client;
    GetClientRect(Handle(), &client);
    wingui::SelectedObject font(dc, GetFont());
    ::SetTextColor(dc, textColor_);
    SetBkMode(dc, TRANSPARENT);
    DrawTextA(dc, text.c_str(), int(text.size()), &client, format);
}

LRESULT CStaticEx::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (transparent_) {
        if (message == WM_ERASEBKGND) return 1;
        if (message == WM_PAINT) {
            wingui::PaintScope paint(Handle());
            PaintTransparent(paint.Dc());
            return 0;
        }
        if (message == WM_PRINTCLIENT) {
            PaintTransparent(reinterpret_cast<HDC>(wParam));
            return 0;
        }
    }
    return DefaultProc(message, wParam, lParam);
}
