#pragma once
// The splash window: a borderless window the size of its picture, centred on
// the screen, shown until its time is up (result 1) or Escape (result 2).
// The user can drag it by the picture.
#include <string>

#include "Handles.h"
#include "Dialog.h"
#include "SplashTimeline.h"

class CSettingsSplash;

class CSplashModalDialog : public wingui::CDialog {
public:
    CSplashModalDialog(const CSettingsSplash& splash, std::string discRoot);

    // Loads the picture; false when it is missing or not a bitmap file.
    bool Prepare();

    int PictureWidth() const { return width_; }
    int PictureHeight() const { return height_; }

protected:
    BOOL OnInitDialog() override;
    void OnCancel() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

private:
    void CreatePalette();
    bool RealizePalette(HDC dc);
    void StartSound(SplashSound sound);
    void OnTimer(unsigned timerId);
    void Paint();

    const CSettingsSplash& splash_;
    std::string discRoot_;
    std::string picturePath_;
    std::string soundPath_;
    CSplashTimeline timeline_;
    wingui::Bitmap picture_;
    int width_ = 0;
    int height_ = 0;
    int bitsPerPixel_ = 0;
    wingui::Palette palette_;
};
