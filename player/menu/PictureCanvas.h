#pragma once
// What a picture control draws from: a memory bitmap of the picture's size
// with the decoded picture or GIF frames. The animation thread and the
// painting on the user-interface thread share it; every drawing into it and
// every copy out of it holds its lock, so a frame is never seen half drawn.
// The thread holds its own reference, so nothing it draws with is released
// while it runs, even when a stop had to give up waiting for it.
#include <windows.h>

#include <atomic>
#include <vector>

#include "CriticalSection.h"
#include "DeviceContexts.h"
#include "Handles.h"
#include "PictureDecoder.h"

// Posted to the picture control by the animation thread after each frame.
UINT FrameReadyMessage();

// One frame of an animation, drawn into bitmaps of its own on the
// user-interface thread when the picture is loaded, so the animation thread
// only copies pixels and never calls the picture loader's objects.
struct AnimationFrame {
    wingui::Bitmap image;  // the frame, black where it is transparent
    wingui::Bitmap mask;   // white where transparent, black elsewhere; none when opaque
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    int delay = 0;     // hundredths of a second
    int disposal = 0;  // gif::Disposal
};

// Renders the decoded frame into the frame's bitmaps; false when they
// cannot be made.
bool PrerenderFrame(const DecodedPicture& picture, AnimationFrame& frame);

class CPictureCanvas {
public:
    CPictureCanvas() = default;
    ~CPictureCanvas();
    CPictureCanvas(const CPictureCanvas&) = delete;
    CPictureCanvas& operator=(const CPictureCanvas&) = delete;

    // A bitmap compatible with the screen, filled with the menu colour.
    bool Prepare(int width, int height);
    int Width() const { return width_; }
    int Height() const { return height_; }

    // The single picture, rendered at full size.
    void RenderWhole(const DecodedPicture& picture);
    // Copies the canvas stretched into the rectangle of the target.
    void StretchTo(HDC target, const RECT& area);

    // The animation: runs on its own thread until the stop event.
    std::vector<AnimationFrame> frames;
    COLORREF background = RGB(0, 0, 0);
    HWND window = nullptr;  // told after every frame
    wingui::KernelHandle stopEvent;
    std::atomic<bool> stopRequested{false};
    void Animate();

private:
    void Fill(const RECT& area);
    void DrawFrame(size_t index, wingui::Bitmap& saved);
    void DisposeFrame(size_t index, wingui::Bitmap& saved);

    wingui::CriticalSection lock_;
    wingui::MemoryDc dc_;
    wingui::Bitmap bitmap_;
    HGDIOBJ previousBitmap_ = nullptr;
    int width_ = 0;
    int height_ = 0;
};
