#pragma once
// The splash record and picture the splash window tests share.
#include "TestBitmap.h"
#include "records/SettingsSplash.h"

namespace steptest {

constexpr const char* kSplashPicture = "\\AutoRun\\Splash.bmp";

inline std::string SplashBitmap(int width, int height) { return testbitmap::SolidBitmapFile(width, height); }

inline CSettingsSplash Splash(std::int32_t length) {
    CSettingsSplash splash;
    splash.Image = true;
    splash.ImageFile = kSplashPicture;
    splash.Length = length;
    return splash;
}

}  // namespace steptest
