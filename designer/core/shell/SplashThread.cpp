#include "SplashThread.h"

#include "Window.h"

namespace {

constexpr const char* kSplashClass = "MenuwrightSplash";

// The palette that shows the bitmap best on a screen of 256 colours: the
// picture's own colours for 8 bits and fewer, a halftone palette above.
HPALETTE PaletteFor(HBITMAP bitmap) {
    DIBSECTION section{};
    if (!GetObjectA(bitmap, sizeof(section), &section) || section.dsBmih.biBitCount > 8) {
        HDC screen = GetDC(nullptr);
        HPALETTE halftone = CreateHalftonePalette(screen);
        ReleaseDC(nullptr, screen);
        return halftone;
    }
    RGBQUAD colours[256] = {};
    HDC memory = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    const UINT count = GetDIBColorTable(memory, 0, 256, colours);
    SelectObject(memory, previous);
    DeleteDC(memory);
    struct {
        WORD version;
        WORD entries;
        PALETTEENTRY colours[256];
    } palette{0x300, WORD(count), {}};
    for (UINT i = 0; i < count; ++i) {
        palette.colours[i] = {colours[i].rgbRed, colours[i].rgbGreen, colours[i].rgbBlue, 0};
    }
    return CreatePalette(reinterpret_cast<LOGPALETTE*>(&palette));
}

class CSplashWnd : public wingui::CWindow {
public:
    CSplashWnd(HBITMAP bitmap, const std::atomic<bool>& allowClose)
        : bitmap_(bitmap), palette_(PaletteFor(bitmap)), allowClose_(allowClose) {}
    ~CSplashWnd() override { Destroy(); }

protected:
    bool OnPaint() override {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(Handle(), &paint);
        HPALETTE previousPalette = palette_ ? SelectPalette(dc, palette_.Get(), FALSE) : nullptr;
        if (palette_) RealizePalette(dc);
        BITMAP info{};
        GetObjectA(bitmap_, sizeof(info), &info);
        HDC memory = CreateCompatibleDC(dc);
        HGDIOBJ previous = SelectObject(memory, bitmap_);
        BitBlt(dc, 0, 0, info.bmWidth, info.bmHeight, memory, 0, 0, SRCCOPY);
        SelectObject(memory, previous);
        DeleteDC(memory);
        if (previousPalette) SelectPalette(dc, previousPalette, FALSE);
        EndPaint(Handle(), &paint);
        return true;
    }

    bool OnMessage(UINT message, WPARAM, LPARAM, LRESULT& result) override {
        switch (message) {
            case WM_LBUTTONDOWN:
                // Dragged like a window by its caption.
                ReleaseCapture();
                SendMessageA(Handle(), WM_NCLBUTTONDOWN, HTCAPTION, 0);
                result = 0;
                return true;
            case WM_CLOSE:
                if (!allowClose_.load()) {
                    result = 0;
                    return true;
                }
                return false;
            case WM_DESTROY:
                PostQuitMessage(0);
                return false;
            default:
                return false;
        }
    }

private:
    HBITMAP bitmap_;
    wingui::Palette palette_;
    const std::atomic<bool>& allowClose_;
};

}  // namespace

CSplashThread::~CSplashThread() { Close(); }

bool CSplashThread::Start(UINT bitmapId) {
    bitmapId_ = bitmapId;
    mainThreadId_ = GetCurrentThreadId();
    windowReady_.Reset(CreateEventA(nullptr, TRUE, FALSE, nullptr));
    if (!windowReady_) return false;
    thread_.Reset(CreateThread(nullptr, 0, ThreadMain, this, CREATE_SUSPENDED, nullptr));
    if (!thread_) return false;
    ResumeThread(thread_.Get());
    return true;
}

DWORD WINAPI CSplashThread::ThreadMain(LPVOID self) {
    static_cast<CSplashThread*>(self)->Run();
    return 0;
}

void CSplashThread::Run() {
    AttachThreadInput(GetCurrentThreadId(), mainThreadId_, TRUE);
    wingui::Bitmap bitmap(static_cast<HBITMAP>(
        LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(bitmapId_), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    wingui::WindowClass windowClass;
    windowClass.name = kSplashClass;
    BITMAP info{};
    if (!bitmap || !GetObjectA(bitmap.Get(), sizeof(info), &info) || !wingui::RegisterWindowClass(windowClass)) {
        SetEvent(windowReady_.Get());
        return;
    }
    // The invisible owner keeps the splash off the task bar.
    HWND owner = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
    const int x = (GetSystemMetrics(SM_CXSCREEN) - info.bmWidth) / 2;
    const int y = (GetSystemMetrics(SM_CYSCREEN) - info.bmHeight) / 2;
    CSplashWnd splash(bitmap.Get(), allowClose_);
    const RECT place{x, y, x + info.bmWidth, y + info.bmHeight};
    if (splash.Create(kSplashClass, "", WS_POPUP | WS_VISIBLE, WS_EX_TOOLWINDOW, place, owner)) {
        window_.store(splash.Handle());
        UpdateWindow(splash.Handle());
    }
    SetEvent(windowReady_.Get());
    if (splash.Handle()) {
        MSG message;
        while (GetMessageA(&message, nullptr, 0, 0) > 0) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
    window_.store(nullptr);
    if (owner) DestroyWindow(owner);
    AttachThreadInput(GetCurrentThreadId(), mainThreadId_, FALSE);
}

void CSplashThread::Close() {
    if (!thread_) return;
    WaitForSingleObject(windowReady_.Get(), kMaxWaitForWindowMs);
    allowClose_.store(true);
    if (HWND window = window_.load()) SendMessageA(window, WM_CLOSE, 0, 0);
    WaitForSingleObject(thread_.Get(), kMaxWaitForWindowMs);
    thread_.Reset();
}
