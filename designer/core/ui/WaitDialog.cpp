#include "WaitDialog.h"

#include <span>

#include "DeviceContexts.h"
#include "GifAnimation.h"
#include "ResourceString.h"
#include "../../resource.h"

namespace {

constexpr UINT_PTR kFrameTimer = 1;
// Texts shorter than this stand centred as one line.
constexpr std::size_t kShortText = 70;

std::span<const std::uint8_t> ResourceBytes(UINT id, const char* type) {
    HMODULE module = GetModuleHandleA(nullptr);
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(id), type);
    HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    if (!bytes) return {};
    return {static_cast<const std::uint8_t*>(bytes), SizeofResource(module, found)};
}

// A frame as a premultiplied top-down DIB section for AlphaBlend.
HBITMAP FrameBitmap(const GifFrame& frame, int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!bitmap) return nullptr;
    auto* pixels = static_cast<std::uint32_t*>(bits);
    for (std::size_t i = 0; i < frame.pixels.size(); ++i) {
        // Fully opaque or fully transparent: premultiplying is keeping or clearing.
        pixels[i] = (frame.pixels[i] >> 24) ? frame.pixels[i] : 0;
    }
    return bitmap;
}

}  // namespace

CWaitDialog::CWaitDialog(UINT titleId, UINT textId, UINT secondTextId, bool showCancel)
    : CDialog(IDD_WAIT), titleId_(titleId), textId_(textId), secondTextId_(secondTextId), showCancel_(showCancel) {}

BOOL CWaitDialog::OnInitDialog() {
    ShowWindow(Item(IDCANCEL), showCancel_ ? SW_SHOW : SW_HIDE);
    ShowWindow(Item(IDOK), SW_HIDE);
    std::string text = wingui::LoadResourceString(textId_);
    if (secondTextId_ != 0) text += wingui::LoadResourceString(secondTextId_);
    SetDlgItemTextA(Handle(), IDC_WAIT_TEXT, text.c_str());
    if (text.size() < kShortText) {
        RECT client;
        GetClientRect(Handle(), &client);
        RECT place;
        GetWindowRect(Item(IDC_WAIT_TEXT), &place);
        MapWindowPoints(nullptr, Handle(), reinterpret_cast<POINT*>(&place), 2);
        SetWindowPos(Item(IDC_WAIT_TEXT), nullptr, place.left, client.bottom / 2 - 21, place.right - place.left, 14,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
    SetWindowTextA(Handle(), wingui::LoadResourceString(titleId_).c_str());
    LoadAnimation();
    return TRUE;
}

void CWaitDialog::LoadAnimation() {
    const GifAnimation animation = DecodeGif(ResourceBytes(IDR_WAIT_ANIMATION, "GIF"));
    frameSize_ = {animation.width, animation.height};
    for (const GifFrame& frame : animation.frames) {
        frames_.emplace_back(FrameBitmap(frame, animation.width, animation.height));
        delays_.push_back(frame.delayMs);
    }
    if (!frames_.empty()) SetTimer(Handle(), kFrameTimer, UINT(delays_.front()), nullptr);
}

void CWaitDialog::NextFrame() {
    if (frames_.empty()) return;
    frame_ = (frame_ + 1) % int(frames_.size());
    InvalidateRect(Item(IDC_WAIT_PICTURE), nullptr, FALSE);
    SetTimer(Handle(), kFrameTimer, UINT(delays_[std::size_t(frame_)]), nullptr);
}

void CWaitDialog::DrawFrame(const DRAWITEMSTRUCT& item) const {
    FillRect(item.hDC, &item.rcItem, GetSysColorBrush(COLOR_BTNFACE));
    if (frames_.empty() || !frames_[std::size_t(frame_)]) return;
    wingui::MemoryDc source(item.hDC);
    wingui::SelectedObject selected(source.Dc(), frames_[std::size_t(frame_)].Get());
    const int x = item.rcItem.left + ((item.rcItem.right - item.rcItem.left) - frameSize_.cx) / 2;
    const int y = item.rcItem.top + ((item.rcItem.bottom - item.rcItem.top) - frameSize_.cy) / 2;
    const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    AlphaBlend(item.hDC, x, y, frameSize_.cx, frameSize_.cy, source.Dc(), 0, 0, frameSize_.cx, frameSize_.cy, blend);
}

void CWaitDialog::OnCancel() {
    cancelled_ = true;
    KillTimer(Handle(), kFrameTimer);
    End(IDCANCEL);
}

bool CWaitDialog::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) {
    if (message == WM_TIMER && wParam == kFrameTimer) {
        NextFrame();
        result = 0;
        return true;
    }
    if (message == WM_DRAWITEM && wParam == IDC_WAIT_PICTURE) {
        DrawFrame(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        result = TRUE;
        return true;
    }
    return CDialog::OnMessage(message, wParam, lParam, result);
}
