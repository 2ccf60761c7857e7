#pragma once
// A picture control: loads a picture file, fits it into its rectangle and
// animates GIF pictures on a thread of its own. Outside the rectangle in
// which the picture is drawn the control paints nothing, so the window
// behind shows there.
#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "Handles.h"
#include "PictureCanvas.h"
#include "Window.h"

class CPictureEx : public wingui::CWindow {
public:
    // Registers the window class "CPictureEx" the first time.
    CPictureEx();
    ~CPictureEx() override;

    static constexpr const char* kClassName = "CPictureEx";

    bool Load(const std::string& path);
    bool LoadFromBuffer(const std::uint8_t* data, std::size_t size);
    bool Draw();
    void Stop();
    void Unload();
    // Where the picture goes inside the control's client area.
    RECT GetPaintRect() const;
    // Draws what the control shows into the context (its paint handler,
    // and a way to look at the control without a screen).
    void PaintTo(HDC dc);

    SIZE PictureSize() const { return size_; }
    bool IsAnimated() const { return canvas_ && canvas_->frames.size() > 1; }
    bool IsAnimationRunning() const { return thread_.Get() != nullptr; }

    // Drawing flags, set by the owner.
    bool StretchToFill = false;
    bool BestFit = false;
    bool AlignLeft = false;

    // Files larger than this are not read: no menu picture comes near it.
    static constexpr std::size_t kMaxFileSize = 64u * 1024 * 1024;
    // What the frames of one animation may take once drawn into bitmaps.
    static constexpr std::size_t kMaxAnimationBytes = 96u * 1024 * 1024;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnWindowDestroyed() override { Stop(); }

private:
    bool LoadGif(const std::uint8_t* data, std::size_t size);
    void PaintWithBackground(HDC dc);

    std::shared_ptr<CPictureCanvas> canvas_;
    DecodedPicture single_;
    SIZE size_ = {0, 0};
    wingui::KernelHandle thread_;
};
