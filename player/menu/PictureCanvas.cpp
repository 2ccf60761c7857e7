#include "PictureCanvas.h"

#include "gif/GifFrames.h"

namespace {

// Bounds for a canvas: a crafted header must not make us ask for gigabytes.
constexpr int kMaxCanvasSide = 16384;
constexpr long long kMaxCanvasPixels = 64LL * 1024 * 1024;

}  // namespace

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
    if (frame.disposal == gif::kDisposalPrevious) {
        saved.Reset(CreateCompatibleBitmap(dc_.Dc(), frame.width, frame.height));
        wingui::MemoryDc copy(dc_.Dc());
        if (saved && copy) {
            wingui::SelectedObject into(copy.Dc(), saved.Get());
            BitBlt(copy.Dc(), 0, 0, frame.width, frame.height, dc_.Dc(), frame.left, frame.top, SRCCOPY);
        }
    }
    RenderPicture(frame.picture, dc_.Dc(), frame.left, frame.top, frame.width, frame.height);
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
