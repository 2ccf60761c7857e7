#include "PictureEx.h"

#include <vector>

#include "ButtonEx.h"
#include "DeviceContexts.h"
#include "gif/GifFrames.h"
#include "layout/PictureFit.h"
#include "util/FileBytes.h"

namespace {

void RegisterPictureClass() {
    // Dialog templates name the class; each control is then attached.
    static const bool registered =
        wingui::RegisterWindowClass({CPictureEx::kClassName, CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS});
    (void)registered;
}

DWORD WINAPI AnimationThread(void* parameter) {
    // The thread's own reference keeps the canvas and its frames alive.
    auto* handedOver = static_cast<std::shared_ptr<CPictureCanvas>*>(parameter);
    std::shared_ptr<CPictureCanvas> canvas = std::move(*handedOver);
    delete handedOver;
    canvas->Animate();
    return 0;
}

}  // namespace

CPictureEx::CPictureEx() { RegisterPictureClass(); }

CPictureEx::~CPictureEx() { Unload(); }

bool CPictureEx::Load(const std::string& path) {
    std::string bytes;
    if (ReadFileBytes(path, kMaxFileSize, bytes) != FileRead::Read || bytes.empty()) {
        Unload();
        return false;
    }
    return LoadFromBuffer(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
}

bool CPictureEx::LoadFromBuffer(const std::uint8_t* data, std::size_t size) {
    Unload();
    auto canvas = std::make_shared<CPictureCanvas>();
    bool decoded = false;
    if (gif::IsGif(data, size)) {
        canvas_ = canvas;
        decoded = LoadGif(data, size);
        canvas_.reset();
    } else {
        decoded = DecodePicture(data, size, single_);
        size_ = single_.pixels;
    }
    if (!decoded || !canvas->Prepare(size_.cx, size_.cy)) {
        single_ = DecodedPicture();
        size_ = {0, 0};
        return false;
    }
    canvas->background = GetSysColor(COLOR_BTNFACE);
    canvas_ = std::move(canvas);
    return true;
}

bool CPictureEx::LoadGif(const std::uint8_t* data, std::size_t size) {
    gif::GifFrames split;
    if (!gif::SplitGif(data, size, split)) return false;
    size_ = {split.width, split.height};
    if (split.frames.size() == 1) return DecodePicture(data, size, single_);
    DecodedPicture firstDecoded;
    std::size_t prerenderedBytes = 0;
    for (const gif::GifFrame& frame : split.frames) {
        DecodedPicture picture;
        if (!DecodePicture(frame.data.data(), frame.data.size(), picture)) continue;
        // Two bitmaps of four bytes a pixel per frame: a long animation of a
        // large picture shows the frames that fit.
        prerenderedBytes += std::size_t(frame.width) * std::size_t(frame.height) * 8;
        if (prerenderedBytes > kMaxAnimationBytes) break;
        AnimationFrame prepared;
        prepared.left = frame.left;
        prepared.top = frame.top;
        prepared.width = frame.width;
        prepared.height = frame.height;
        prepared.delay = frame.delay;
        prepared.disposal = frame.disposal;
        if (!PrerenderFrame(picture, prepared)) continue;
        if (!firstDecoded.picture) firstDecoded = std::move(picture);
        canvas_->frames.push_back(std::move(prepared));
    }
    if (canvas_->frames.size() == 1) {
        // Only one frame could be used: it is shown still.
        single_ = std::move(firstDecoded);
        canvas_->frames.clear();
        return true;
    }
    return !canvas_->frames.empty();
}

bool CPictureEx::Draw() {
    if (!canvas_) return false;
    if (IsAnimated()) {
        if (thread_) return true;
        canvas_->window = Handle();
        FrameReadyMessage();
        canvas_->stopRequested = false;
        canvas_->stopEvent.Reset(CreateEventA(nullptr, TRUE, FALSE, nullptr));
        if (!canvas_->stopEvent) return false;
        auto* handedOver = new std::shared_ptr<CPictureCanvas>(canvas_);
        thread_.Reset(CreateThread(nullptr, 0, AnimationThread, handedOver, CREATE_SUSPENDED, nullptr));
        if (!thread_) {
            delete handedOver;
            return false;
        }
        ResumeThread(thread_.Get());
        return true;
    }
    canvas_->RenderWhole(single_);
    if (Handle()) InvalidateRect(Handle(), nullptr, FALSE);
    return true;
}

void CPictureEx::Stop() {
    if (!thread_ || !canvas_) {
        thread_.Reset();
        return;
    }
    canvas_->stopRequested = true;
    SetEvent(canvas_->stopEvent.Get());
    if (WaitForSingleObject(thread_.Get(), 5000) == WAIT_OBJECT_0) {
        canvas_->stopRequested = false;
        ResetEvent(canvas_->stopEvent.Get());
    } else {
        // The thread still draws into this canvas and owns it now; it goes
        // when the thread ends. This control starts again from empty.
        canvas_.reset();
        single_ = DecodedPicture();
        size_ = {0, 0};
    }
    thread_.Reset();
}

void CPictureEx::Unload() {
    Stop();
    canvas_.reset();
    single_ = DecodedPicture();
    size_ = {0, 0};
    if (Handle()) InvalidateRect(Handle(), nullptr, TRUE);
}

RECT CPictureEx::GetPaintRect() const {
    RECT client = {0, 0, 0, 0};
    if (Handle()) GetClientRect(Handle(), &client);
    const menulayout::PixelRect fitted = menulayout::FitPicture(client.right, client.bottom, size_.cx, size_.cy,
                                                                {StretchToFill, BestFit, AlignLeft});
    return {fitted.x, fitted.y, fitted.x + fitted.width, fitted.y + fitted.height};
}

void CPictureEx::PaintWithBackground(HDC dc) {
    PaintParentBackground(Handle(), dc);
    PaintTo(dc);
}

void CPictureEx::PaintTo(HDC dc) {
    const RECT area = GetPaintRect();
    if (!canvas_ || area.right <= area.left || area.bottom <= area.top) return;
    canvas_->StretchTo(dc, area);
}

LRESULT CPictureEx::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == FrameReadyMessage()) {
        InvalidateRect(Handle(), nullptr, FALSE);
        return 0;
    }
    switch (message) {
        case WM_PAINT: {
            wingui::PaintScope paint(Handle());
            PaintWithBackground(paint.Dc());
            return 0;
        }
        case WM_PRINTCLIENT:
            PaintWithBackground(reinterpret_cast<HDC>(wParam));
            return 0;
        case WM_ERASEBKGND:
            return 1;  // transparent: the window behind shows around the picture
        case WM_DESTROY:
            Stop();
            break;
        default:
            break;
    }
    return DefaultProc(message, wParam, lParam);
}
