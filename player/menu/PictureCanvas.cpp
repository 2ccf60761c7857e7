#include "PictureCanvas.h"

#include <cstdint>

#include "gif/GifFrames.h"

namespace {

// Bounds for a canvas: a crafted header must not make us ask for gigabytes.
constexpr int kMaxCanvasSide = 16384;
constexpr long long kMaxCanvasPixels = 64LL * 1024 * 1024;

}  // namespace

namespace {

struct DibSection {
    wingui::Bitmap bitmap;
    std::uint32_t* pixels = nullptr;
};

DibSection MakeDib(int width, int height) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    DibSection dib;
    void* bits = nullptr;
    dib.bitmap.Reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    dib.pixels = static_cast<std::uint32_t*>(bits);
    return dib;
}

bool RenderOnto(const DecodedPicture& picture, const DibSection& dib, int width, int height, int ground) {
    wingui::MemoryDc dc(nullptr);
    if (!dc || !dib.bitmap) return false;
    wingui::SelectedObject into(dc.Dc(), dib.bitmap.Get());
    const RECT all = {0, 0, width, height};
    FillRect(dc.Dc(), &all, static_cast<HBRUSH>(GetStockObject(ground)));
    RenderPicture(picture, dc.Dc(), 0, 0, width, height);
    GdiFlush();
    return true;
}

}  // namespace

bool PrerenderFrame(const DecodedPicture& picture, AnimationFrame& frame) {
    const int width = frame.width;
    const int height = frame.height;
    DibSection onBlack = MakeDib(width, height);
    DibSection onWhite = MakeDib(width, height);
    if (!onBlack.pixels || !onWhite.pixels || !RenderOnto(picture, onBlack, width, height, BLACK_BRUSH) ||
        !RenderOnto(picture, onWhite, width, height, WHITE_BRUSH)) {
        return false;
    }
    // A pixel that came out differently on the two grounds is transparent.
    bool transparent = false;
    const size_t count = size_t(width) * size_t(height);
    for (size_t i = 0; i < count; ++i) {
        const bool see_through = (onBlack.pixels[i] & 0xFFFFFF) != (onWhite.pixels[i] & 0xFFFFFF);
        transparent = transparent || see_through;
        onWhite.pixels[i] = see_through ? 0xFFFFFF : 0;
        if (see_through) onBlack.pixels[i] = 0;
    }
    frame.image = std::move(onBlack.bitmap);
    if (transparent) frame.mask = std::move(onWhite.bitmap);
    return true;
}

UINT FrameReadyMessage() {
    static const UINT message = RegisterWindowMessageA("MenuwrightPictureFrameReady");
    return message;
}

CPictureCanvas::~CPictureCanvas() {
    if (dc_ && previousBitmap_) SelectObject(dc_.Dc(), previousBitmap_);
}

bool CPictureCanvas::Prepare(int width, int height) {
    if (width <= 0 || height <= 0 || width > kMaxCanvasSide || height > kMaxCanvasSide ||
        (long long)width * height > kMaxCanvasPixels) {
        return false;
    }
    wingui::WindowDc screen(nullptr);
    dc_ = wingui::MemoryDc(screen.Dc());
    bitmap_.Reset(CreateCompatibleBitmap(screen.Dc(), width, height));
    if (!dc_ || !bitmap_) return false;
    previousBitmap_ = SelectObject(dc_.Dc(), bitmap_.Get());
    width_ = width;
    height_ = height;
    const RECT all = {0, 0, width, height};
    FillRect(dc_.Dc(), &all, GetSysColorBrush(COLOR_MENU));
    return true;
}

void CPictureCanvas::RenderWhole(const DecodedPicture& picture) {
    wingui::Lock hold(lock_);
    RenderPicture(picture, dc_.Dc(), 0, 0, width_, height_);
}

void CPictureCanvas::StretchTo(HDC target, const RECT& area) {
    wingui::Lock hold(lock_);
    if (!dc_) return;
    SetStretchBltMode(target, COLORONCOLOR);
    StretchBlt(target, area.left, area.top, area.right - area.left, area.bottom - area.top, dc_.Dc(), 0, 0, width_,
               height_, SRCCOPY);
}

void CPictureCanvas::Fill(const RECT& area) {
    wingui::Brush brush(CreateSolidBrush(background));
    FillRect(dc_.Dc(), &area, brush.Get());
}

void CPictureCanvas::DrawFrame(size_t index, wingui::Bitmap& saved) {
    const AnimationFrame& frame = frames[index];
    wingui::MemoryDc copy(dc_.Dc());
    if (!copy) return;
    if (frame.disposal == gif::kDisposalPrevious) {
        saved.Reset(CreateCompatibleBitmap(dc_.Dc(), frame.width, frame.height));
        if (saved) {
            wingui::SelectedObject into(copy.Dc(), saved.Get());
            BitBlt(copy.Dc(), 0, 0, frame.width, frame.height, dc_.Dc(), frame.left, frame.top, SRCCOPY);
        }
    }
    if (frame.mask) {
        // The mask keeps the canvas where the frame is transparent; the
        // frame, black there, is then laid over it.
        wingui::SelectedObject mask(copy.Dc(), frame.mask.Get());
        BitBlt(dc_.Dc(), frame.left, frame.top, frame.width, frame.height, copy.Dc(), 0, 0, SRCAND);
    }
    wingui::SelectedObject image(copy.Dc(), frame.image.Get());
    BitBlt(dc_.Dc(), frame.left, frame.top, frame.width, frame.height, copy.Dc(), 0, 0,
           frame.mask ? SRCPAINT : SRCCOPY);
}

void CPictureCanvas::DisposeFrame(size_t index, wingui::Bitmap& saved) {
    const AnimationFrame& frame = frames[index];
    if (frame.disposal == gif::kDisposalBackground) {
        const RECT area = {frame.left, frame.top, frame.left + frame.width, frame.top + frame.height};
        Fill(area);
    } else if (frame.disposal == gif::kDisposalPrevious && saved) {
        wingui::MemoryDc copy(dc_.Dc());
        if (copy) {
            wingui::SelectedObject from(copy.Dc(), saved.Get());
            BitBlt(dc_.Dc(), frame.left, frame.top, frame.width, frame.height, copy.Dc(), 0, 0, SRCCOPY);
        }
    }
    saved.Reset();
}

void CPictureCanvas::Animate() {
    if (frames.empty()) return;
    wingui::Bitmap saved;
    size_t index = 0;
    bool wrapped = false;
    while (!stopRequested) {
        {
            // The previous frame's disposal and the next frame go in together,
            // so a paint in between never shows the emptied area.
            wingui::Lock hold(lock_);
            if (index > 0 || wrapped) DisposeFrame(index == 0 ? frames.size() - 1 : index - 1, saved);
            if (index == 0 && wrapped) {
                const RECT all = {0, 0, width_, height_};
                Fill(all);
            }
            DrawFrame(index, saved);
        }
        // The window is the user-interface thread's: it is told, not touched.
        PostMessageA(window, FrameReadyMessage(), 0, 0);
        if (WaitForSingleObject(stopEvent.Get(), gif::FrameDurationMs(frames[index].delay)) != WAIT_TIMEOUT) break;
        if (++index == frames.size()) {
            index = 0;
            wrapped = true;
        }
    }
}
