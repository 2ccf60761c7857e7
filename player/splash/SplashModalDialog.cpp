#include "SplashModalDialog.h"

#include <mmsystem.h>

#include <vector>

#include "DiscRoot.h"
#include "records/SettingsSplash.h"
#include "splash/SplashSound.h"
#include "FileUtil.h"
#include "steps/StepResources.h"

CSplashModalDialog::CSplashModalDialog(const CSettingsSplash& splash, std::string discRoot)
    : CDialog(IDD_SPLASH),
      splash_(splash),
      discRoot_(std::move(discRoot)),
      picturePath_(DiscPath(discRoot_, splash.ImageFile)),
      soundPath_(DiscPath(discRoot_, splash.SoundFile)),
      timeline_(splash, splash.Sound && FileExists(soundPath_)) {}

bool CSplashModalDialog::Prepare() {
    if (!FileExists(picturePath_)) return false;
    picture_.Reset(static_cast<HBITMAP>(
        LoadImageA(nullptr, picturePath_.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION)));
    if (!picture_) return false;
    DIBSECTION dib = {};
    if (GetObjectA(picture_.Get(), sizeof dib, &dib) != sizeof dib) {
        picture_.Reset();
        return false;
    }
    width_ = dib.dsBm.bmWidth;
    height_ = dib.dsBm.bmHeight;
    bitsPerPixel_ = dib.dsBm.bmBitsPixel;
    return true;
}

void CSplashModalDialog::CreatePalette() {
    if (bitsPerPixel_ > 8) {
        HDC screen = GetDC(nullptr);
        palette_.Reset(CreateHalftonePalette(screen));
        ReleaseDC(nullptr, screen);
        return;
    }
    RGBQUAD colours[256] = {};
    HDC memory = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(memory, picture_.Get());
    const UINT count = GetDIBColorTable(memory, 0, 256, colours);
    SelectObject(memory, old);
    DeleteDC(memory);

    std::vector<BYTE> storage(sizeof(LOGPALETTE) + 256 * sizeof(PALETTEENTRY));
    auto* palette = reinterpret_cast<LOGPALETTE*>(storage.data());
    palette->palVersion = 0x300;
    palette->palNumEntries = 256;
    for (UINT i = 0; i < 256; ++i) {
        const RGBQUAD c = i < count ? colours[i] : RGBQUAD{};
        palette->palPalEntry[i] = {c.rgbRed, c.rgbGreen, c.rgbBlue, 0};
    }
    palette_.Reset(::CreatePalette(palette));
}

bool CSplashModalDialog::RealizePalette(HDC dc) {
    if (!palette_) return false;
    SelectPalette(dc, palette_.Get(), FALSE);
    return ::RealizePalette(dc) != 0;
}

BOOL CSplashModalDialog::OnInitDialog() {
    HWND window = Handle();
    CreatePalette();
    HDC dc = GetDC(window);
    const bool changed = RealizePalette(dc);
    ReleaseDC(window, dc);
    if (changed) InvalidateRect(window, nullptr, TRUE);

    SetWindowPos(window, nullptr, 0, 0, width_, height_, SWP_NOMOVE | SWP_NOZORDER);
    const int x = (GetSystemMetrics(SM_CXSCREEN) - width_) / 2;
    const int y = (GetSystemMetrics(SM_CYSCREEN) - height_) / 2;
    SetWindowPos(window, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);

    const CSplashTimeline::Start start = timeline_.Begin();
    SetTimer(window, CSplashTimeline::kPictureTimer, start.pictureMs, nullptr);
    StartSound(start.sound);
    if (start.soundTimer) SetTimer(window, CSplashTimeline::kSoundTimer, start.soundMs, nullptr);
    return TRUE;
}

void CSplashModalDialog::StartSound(SplashSound sound) {
    switch (sound) {
        case SplashSound::kPlayOnce:
            PlaySplashSoundFile(soundPath_, SND_ASYNC);
            break;
        case SplashSound::kLoop:
            PlaySplashSoundFile(soundPath_, SND_ASYNC | SND_LOOP);
            break;
        case SplashSound::kNone:
            break;
    }
}

void CSplashModalDialog::OnTimer(unsigned timerId) {
    const CSplashTimeline::Outcome outcome = timeline_.OnTimer(timerId);
    if (outcome.stopSound) StopSplashSound();
    if (outcome.hideWindow) ShowWindow(Handle(), SW_HIDE);
    if (outcome.close) EndDialog(Handle(), IDOK);
}

void CSplashModalDialog::OnCancel() {
    if (timeline_.StopSoundOnEscape()) StopSplashSound();
    CDialog::OnCancel();
}

void CSplashModalDialog::Paint() {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(Handle(), &paint);
    HPALETTE oldPalette = nullptr;
    if (palette_) {
        oldPalette = SelectPalette(dc, palette_.Get(), FALSE);
        ::RealizePalette(dc);
    }
    HDC memory = CreateCompatibleDC(dc);
    HGDIOBJ oldBitmap = SelectObject(memory, picture_.Get());
    BitBlt(dc, 0, 0, width_, height_, memory, 0, 0, SRCCOPY);
    SelectObject(memory, oldBitmap);
    DeleteDC(memory);
    if (oldPalette) SelectPalette(dc, oldPalette, FALSE);
    EndPaint(Handle(), &paint);
}

bool CSplashModalDialog::OnMessage(UINT message, WPARAM wParam, LPARAM, INT_PTR& result) {
    switch (message) {
        case WM_TIMER:
            OnTimer(unsigned(wParam));
            result = 0;
            return true;
        case WM_PAINT:
            Paint();
            result = 0;
            return true;
        case WM_ERASEBKGND:
            result = 1;  // the picture covers the whole window
            return true;
        case WM_LBUTTONDOWN:
            // Dragged as if by a caption; a click does not end the splash.
            ReleaseCapture();
            SendMessageA(Handle(), WM_NCLBUTTONDOWN, HTCAPTION, 0);
            result = 0;
            return true;
        case WM_QUERYNEWPALETTE: {
            HDC dc = GetDC(Handle());
            const bool changed = RealizePalette(dc);
            ReleaseDC(Handle(), dc);
            if (changed) InvalidateRect(Handle(), nullptr, FALSE);
            result = changed;
            return true;
        }
        case WM_PALETTECHANGED:
            if (reinterpret_cast<HWND>(wParam) != Handle()) {
                HDC dc = GetDC(Handle());
                if (RealizePalette(dc)) InvalidateRect(Handle(), nullptr, FALSE);
                ReleaseDC(Handle(), dc);
            }
            result = 0;
            return true;
        default:
            return false;
    }
}
